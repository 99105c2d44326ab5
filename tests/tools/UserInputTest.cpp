#include "DriveWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>

using namespace qx::uidrive;

namespace {

using ActingOnControls = qxtest::DriveWindowTest;

QTableWidget* fill(QTableWidget* grid, int rows) {
    grid->setColumnCount(2);
    grid->setRowCount(rows);
    for (int row = 0; row < rows; ++row)
        grid->setItem(row, 0, new QTableWidgetItem(QStringLiteral("Area %1").arg(row)));
    return grid;
}

TEST_F(ActingOnControls, AControlOutOfViewIsHidden) {
    auto* hidden = add<QPushButton>("cmdHidden");
    auto* away = loose<QPushButton>("cmdAway");
    auto* edge = loose<QPushButton>("cmdEdge");
    auto* tabs = loose<QTabWidget>("tabMain");
    tabs->addTab(new QWidget, "Owner");
    tabs->addTab(new QWidget, "Roof");
    show();
    hidden->hide();
    tabs->setTabVisible(1, false);
    // The program hides some controls by moving them off the window; one still showing a corner is on view.
    away->move(-2000, 10);
    edge->move(window->centralWidget()->width() - 5, 10);
    QSignalSpy clicks(away, &QPushButton::clicked);

    EXPECT_EQ(click("cmdHidden"), "cmdHidden is hidden");
    EXPECT_EQ(click("cmdAway"), "cmdAway is hidden");
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(click("cmdEdge"), "");
    EXPECT_EQ(click("tabMain:1"), "tabMain:1 is hidden");
    EXPECT_TRUE(isOnView(target("tabMain:0")));
    tabs->move(0, 5000);
    EXPECT_FALSE(isOnView(target("tabMain:0")));
}

TEST_F(ActingOnControls, DisabledControlsRefuseEveryAction) {
    auto* frame = add<QGroupBox>("fraOwner");
    (new QPushButton(frame))->setObjectName("cmdInside");
    auto* box = add<QLineEdit>("txtName", "Bob");
    auto* combo = add<QComboBox>("cboType");
    combo->addItems({"Gable", "Hip"});
    auto* list = add<QListWidget>("lstTypes");
    list->addItems({"Gable", "Hip"});
    auto* grid = fill(add<QTableWidget>("grdAreas"), 2);
    auto* tabs = add<QTabWidget>("tabMain");
    tabs->addTab(new QWidget, "Owner");
    tabs->addTab(new QWidget, "Roof");
    QMenu* menu = window->menuBar()->addMenu("&Estimate");
    QSignalSpy saves(menu->addAction("&Save"), &QAction::triggered);
    show();
    for (QWidget* control : QList<QWidget*>{frame, box, combo, list, grid})
        control->setEnabled(false);
    tabs->setTabEnabled(1, false);
    menu->setEnabled(false);

    EXPECT_EQ(click("cmdInside"), "cmdInside is disabled");
    EXPECT_EQ(click("tabMain:1"), "tabMain:1 is disabled");
    EXPECT_EQ(click("Save"), "Save is in a menu that is disabled or hidden");
    EXPECT_EQ(type("txtName", "Al"), "txtName is disabled");
    EXPECT_EQ(select("cboType", "Hip"), "cboType is disabled");
    EXPECT_EQ(select("lstTypes", "Hip"), "lstTypes is disabled");
    EXPECT_EQ(Choices::makeRowCurrent(target("grdAreas"), "grdAreas", 1), "grdAreas is disabled");
    EXPECT_EQ(Choices::doubleClickRow(target("grdAreas"), "grdAreas", 1), "grdAreas is disabled");
    EXPECT_EQ(box->text(), "Bob");
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_NE(list->currentRow(), 1);
    EXPECT_NE(grid->currentRow(), 1);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(saves.count(), 0);
}

TEST_F(ActingOnControls, TypeReplacesTheTextAndMovesTheFocusOn) {
    auto* name = add<QLineEdit>("txtName", "Old name");
    auto* phone = add<QLineEdit>("txtPhone");
    auto* notes = add<QPlainTextEdit>("txtNotes");
    notes->setPlainText("old notes");
    auto* after = add<QLineEdit>("txtAfter");
    QStringList checked;
    qxtest::FocusOutCheck check(name, [&] { checked << name->text(); });
    show();

    EXPECT_EQ(type("txtName", "O'Neil & Sons"), "");
    EXPECT_EQ(name->text(), "O'Neil & Sons");
    EXPECT_TRUE(phone->hasFocus());
    // The box's check on leaving it saw the new text.
    EXPECT_EQ(checked, QStringList{"O'Neil & Sons"});
    EXPECT_EQ(type("txtName", ""), "");
    EXPECT_EQ(name->text(), "");

    // An editor that takes Tab as text still moves on, and still takes Tab as text afterwards.
    EXPECT_EQ(type("txtNotes", "first\nsecond"), "");
    EXPECT_EQ(notes->toPlainText(), "first\nsecond");
    EXPECT_TRUE(after->hasFocus());
    EXPECT_FALSE(notes->tabChangesFocus());
}

TEST_F(ActingOnControls, TypeInAnEditableComboMeetsTheBoxsOwnCompletion) {
    struct Case {
        QCompleter::CompletionMode mode;
        const char* kept;
    };
    // What a user ends up with: an inline completion fills in the listed entry, a popup only offers it.
    const Case cases[] = {{QCompleter::InlineCompletion, "Hip Roof"}, {QCompleter::PopupCompletion, "Hi"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kept);
        auto* combo = add<QComboBox>("cboSection");
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems({"Tear off", "Hip Roof"});
        QCompleter* completer = combo->completer();
        completer->setCompletionMode(c.mode);
        auto* after = add<QLineEdit>("txtAfter");
        show();

        EXPECT_EQ(type("cboSection", "Hi"), "");
        EXPECT_EQ(combo->currentText(), c.kept);
        EXPECT_TRUE(after->hasFocus());
        // The driver left the box as it found it.
        EXPECT_EQ(combo->completer(), completer);
        EXPECT_EQ(completer->completionMode(), c.mode);
        delete combo;
        delete after;
    }
}

TEST_F(ActingOnControls, SelectAndClickChooseAsAUserDoes) {
    auto* combo = add<QComboBox>("cboShape");
    combo->addItems({"Rect", "Tri", "Trap"});
    auto* list = add<QListWidget>("lstTypes");
    list->addItems({"Ridge", "Valley"});
    auto* tabs = add<QTabWidget>("tabMain");
    tabs->addTab(new QWidget, "&Owner");
    tabs->addTab(new QWidget, "&Roof");
    auto* roofPage = new QWidget;
    roofPage->setObjectName("pgLines");
    tabs->addTab(roofPage, "&Lines");
    auto* check = add<QCheckBox>("chkShowGreet");
    QSignalSpy activated(combo, &QComboBox::activated);
    QSignalSpy clicked(list, &QListWidget::itemClicked);
    show();

    EXPECT_EQ(select("cboShape", "Trap"), "");
    EXPECT_EQ(combo->currentIndex(), 2);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated[0][0].toInt(), 2);
    EXPECT_EQ(select("cboShape", "trap"), "cboShape has no entry \"trap\"");
    EXPECT_EQ(select("lstTypes", "Valley"), "");
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(select("tabMain", "Roof"), "");
    EXPECT_EQ(tabs->currentIndex(), 1);
    // A click on a tab page means a click on its tab.
    EXPECT_EQ(click("pgLines"), "");
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(click("chkShowGreet"), "");
    EXPECT_TRUE(check->isChecked());
}

TEST_F(ActingOnControls, ACheckOnLeavingABoxCanTakeTheClickAway) {
    auto* box = add<QLineEdit>("txtLength");
    auto* okay = add<QPushButton>("cmdOkay");
    QSignalSpy clicks(okay, &QPushButton::clicked);
    show();
    box->setFocus();
    qxtest::FocusOutCheck refusal(box, [okay] { okay->setEnabled(false); });

    EXPECT_EQ(click("cmdOkay"),
              "cmdOkay could no longer be clicked once the focus had left the box before it");
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ActingOnControls, RowMakesARowCurrentAndDblclickDoubleClicksIt) {
    auto* grid = fill(add<QTableWidget>("grdAreas"), 3);
    QSignalSpy doubles(grid, &QTableWidget::doubleClicked);
    show();

    EXPECT_EQ(Choices::makeRowCurrent(target("grdAreas"), "grdAreas", 2), "");
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(doubles.count(), 0);
    EXPECT_EQ(Choices::makeRowCurrent(target("grdAreas"), "grdAreas", 3),
              "grdAreas has 3 rows; there is no row 3");
    EXPECT_EQ(Choices::doubleClickRow(target("grdAreas"), "grdAreas", 1), "");
    ASSERT_EQ(doubles.count(), 1);
    EXPECT_EQ(doubles[0][0].toModelIndex().row(), 1);
}

TEST_F(ActingOnControls, KeysGoToTheOpenDialogElseTheMainWindow) {
    QAction* save = window->addAction("Save");
    save->setShortcut(QKeySequence("Ctrl+S"));
    QSignalSpy saves(save, &QAction::triggered);
    show();
    EXPECT_EQ(UserInput::pressKeys(QKeySequence("Ctrl+S"), window.get()), "");
    EXPECT_EQ(saves.count(), 1);

    QDialog dialog(window.get());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    EXPECT_EQ(UserInput::pressKeys(QKeySequence("Ctrl+S, Escape"), window.get()), "");
    EXPECT_EQ(saves.count(), 1);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
