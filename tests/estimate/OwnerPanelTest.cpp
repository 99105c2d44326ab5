#include "estimate/UiOwnerPanel.h"

#include "data/ScriptedPrompter.h"
#include "estimate/OwnerTexts.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace qx;

namespace {

class OwnerPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel.show();
        QApplication::setActiveWindow(&panel);
        panel.setTypes({"", "Garage", "Reroof"});
    }
    template <class T> T* child(const char* name) { return panel.findChild<T*>(QLatin1String(name)); }
    void leave(QWidget* box) {
        box->setFocus();
        QApplication::processEvents();
        child<QLineEdit>("txtName_6")->setFocus();
        QApplication::processEvents();
        QApplication::processEvents();
    }
    ScriptedPrompter prompter;
    UiOwnerPanel panel{prompter};
};

TEST_F(OwnerPanelTest, BoxesTurnLightYellowWhileTheyHaveTheFocus) {
    auto* box = child<QLineEdit>("txtName_0");
    box->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 255, 192));
    child<QLineEdit>("txtName_1")->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::white));

    auto* type = child<QComboBox>("cmbEstType");
    type->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(type->lineEdit()->palette().color(QPalette::Base), QColor(255, 255, 192));
}

TEST_F(OwnerPanelTest, TheTypeBoxKeepsWhatWasTypedWhereAListedTypeStartsTheSame) {
    struct Case {
        const char* typed;
        const char* kept;
    };
    // A listed type is offered, never filled in: the box keeps the letters typed.
    const Case cases[] = {
        {"Gar", "Gar"}, {"Re", "Re"}, {"Garage", "Garage"}, {"garage", "garage"}, {"Tear Off", "Tear Off"}};
    auto* type = child<QComboBox>("cmbEstType");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        type->setFocus();
        QApplication::processEvents();
        type->lineEdit()->selectAll();
        QTest::keyClicks(type->lineEdit(), c.typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_FALSE(type->hasFocus());
        EXPECT_EQ(panel.input().type, QString(c.kept));
    }
}

TEST_F(OwnerPanelTest, TooLongTextIsRefusedWhenTheBoxIsLeft) {
    auto* phone = child<QLineEdit>("txtName_4");
    phone->setText("406/555-1234 x99");
    leave(phone);
    EXPECT_EQ(prompter.lastText(), "This field cannot be any longer than 12 characters.");
    EXPECT_TRUE(phone->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), phone);

    auto* type = child<QComboBox>("cmbEstType");
    type->setEditText(QString(26, 'a'));
    leave(type);
    EXPECT_EQ(prompter.lastText(), "This field cannot be any longer than 25 characters.");
    EXPECT_TRUE(type->currentText().isEmpty());
    EXPECT_EQ(prompter.messageCount(), 2);
}

TEST_F(OwnerPanelTest, LockingMakesEveryBoxReadOnlyAndHidesTheHelp) {
    panel.LockOwner(true);
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(child<QLineEdit>(qPrintable(QString("txtName_%1").arg(i)))->isReadOnly()) << i;
    EXPECT_TRUE(child<QLineEdit>("txtEstName")->isReadOnly());
    EXPECT_FALSE(child<QComboBox>("cmbEstType")->isEnabled());
    EXPECT_EQ(child<QLabel>("lblOwnerHead")->text(), OwnerTexts::kLockedHeading);
    for (const char* help : {"lblTypeHelp", "lblNameHelp", "lblTabWarn"})
        EXPECT_FALSE(child<QLabel>(help)->isVisible()) << help;

    panel.LockOwner(false);
    EXPECT_FALSE(child<QLineEdit>("txtName_3")->isReadOnly());
    for (const char* help : {"lblTypeHelp", "lblNameHelp", "lblTabWarn"})
        EXPECT_TRUE(child<QLabel>(help)->isVisible()) << help;
}

TEST_F(OwnerPanelTest, InputCollectsTheBoxesAndClearingKeepsTheTypeList) {
    child<QLineEdit>("txtName_1")->setText("O'Neil");
    child<QComboBox>("cmbEstType")->setEditText("Tear Off");
    child<QLineEdit>("txtEstName")->setText("Barn");
    const OwnerInput in = panel.input();
    EXPECT_EQ(in.names[1], "O'Neil");
    EXPECT_EQ(in.type, "Tear Off");
    EXPECT_EQ(in.estName, "Barn");

    panel.clearFields();
    EXPECT_TRUE(panel.input().type.isEmpty());
    EXPECT_TRUE(panel.input().names[1].isEmpty());
    EXPECT_EQ(child<QComboBox>("cmbEstType")->count(), 3);

    panel.focusField(OwnerField::Type, true);
    EXPECT_TRUE(child<QComboBox>("cmbEstType")->currentText().isEmpty());
}

} // namespace
