#include "DriveWindow.h"

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

using namespace qx::uidrive;

namespace {

using NameLookup = qxtest::DriveWindowTest;

TEST_F(NameLookup, AnObjectNameWinsOverACaption) {
    auto* named = add<QPushButton>("Save", "Keep");
    add<QPushButton>("cmdStore", "Save");
    show();
    EXPECT_EQ(target("Save").object, named);
}

TEST_F(NameLookup, CaptionsMatchAsReadOnScreen) {
    auto* both = add<QPushButton>("cmdSaveClose", "&Save && Close");
    auto* frame = add<QGroupBox>("fraOwner", "Home &Owner");
    auto* tabs = add<QTabWidget>("tabMain");
    tabs->addTab(new QWidget, "&Owner");
    tabs->addTab(new QWidget, "&Roof");
    QMenu* menu = window->menuBar()->addMenu("&File");
    QAction* exit = menu->addAction("E&xit");
    exit->setShortcut(QKeySequence("Ctrl+Q"));
    show();

    EXPECT_EQ(target("Save & Close").object, both);
    EXPECT_EQ(target("Home Owner").object, frame);
    EXPECT_EQ(target("Roof").object, tabs);
    EXPECT_EQ(target("Roof").tab, 1);
    EXPECT_EQ(target("Exit").object, exit);
    EXPECT_EQ(target("File").menu(), menu);
    EXPECT_FALSE(find("Save && Close").target.object);
    EXPECT_EQ(find("Save && Close").error, "no control is named \"Save && Close\"");
}

TEST_F(NameLookup, MoreThanOneMatchOnViewFails) {
    auto* tabs = add<QTabWidget>("tabMain");
    auto* first = new QPushButton("OK", tabs);
    first->setObjectName("cmdFirst");
    auto* second = new QPushButton("OK", tabs);
    second->setObjectName("cmdSecond");
    tabs->addTab(first, "One");
    tabs->addTab(second, "Two");
    add<QLineEdit>("txtTwin");
    add<QLineEdit>("txtTwin");
    show();

    // The button on the page out of sight is not meant.
    EXPECT_EQ(target("OK").object, first);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(target("OK").object, second);

    auto* shownTwice = new QPushButton("OK", window->centralWidget());
    column->addWidget(shownTwice);
    UserInput::settle();
    EXPECT_EQ(find("OK").error, "the caption \"OK\" is on 3 controls");
    EXPECT_EQ(find("txtTwin").error, "txtTwin names 2 controls");
    EXPECT_EQ(find("txtTwin", Purpose::Read).error, "txtTwin names 2 controls");
}

TEST_F(NameLookup, NameColonIndexIsATab) {
    auto* tabs = add<QTabWidget>("tabMain");
    tabs->addTab(new QWidget, "Owner");
    tabs->addTab(new QWidget, "Roof");
    add<QLineEdit>("txtName");
    show();

    const Target tab = target("tabMain:1");
    EXPECT_EQ(tab.object, tabs);
    EXPECT_EQ(tab.tab, 1);
    EXPECT_EQ(find("tabMain:2").error, "tabMain has no tab 2");
    EXPECT_EQ(find("txtName:0").error, "txtName is not a tab control");
}

TEST_F(NameLookup, AModalDialogKeepsTheMainWindowOutOfReach) {
    auto* mainBox = add<QLineEdit>("txtName");
    add<QPushButton>("cmdMain", "Add &Area");
    show();
    QDialog dialog(window.get());
    dialog.setObjectName("frmAreas");
    dialog.setWindowTitle("Roof Area");
    auto* dialogBox = new QLineEdit(&dialog);
    dialogBox->setObjectName("txtArea");
    auto* dialogName = new QLineEdit(&dialog);
    dialogName->setObjectName("txtName");
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    UserInput::settle();

    EXPECT_EQ(target("txtArea").object, dialogBox);
    // A name both windows use means the dialog's control, for acting and for reading.
    EXPECT_EQ(target("txtName").object, dialogName);
    EXPECT_EQ(find("txtName", Purpose::Read).target.object, dialogName);
    for (const char* name : {"cmdMain", "Add Area"}) {
        EXPECT_EQ(find(name).error,
                  QStringLiteral("%1 cannot be reached while the dialog \"Roof Area\" (frmAreas) is open")
                      .arg(name));
        EXPECT_TRUE(find(name, Purpose::Read).target.object) << name;
    }

    dialog.hide();
    UserInput::settle();
    EXPECT_EQ(target("txtName").object, mainBox);
    EXPECT_EQ(target("Add Area").widget()->objectName(), "cmdMain");
}

} // namespace
