#include "FormDriver.h"

#include "app/StartUp.h"
#include "data/InputRules.h"
#include "data/ScriptedPrompter.h"
#include "docs/PaperSetup.h"
#include "setup/frmSetup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace qx;
using namespace qxtest;

namespace {

const char* const kFlags[] = {"ckbCoName", "ckbCoAddress", "ckbCoCity", "ckbCoPh",      "ckbCoFax",
                              "ckbCoCell", "ckbCoEmail",   "ckbCoWeb",  "ckbLetterHead"};

class SetupFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartUp::ensureSettings(store, "/opt/quorvex");
        form = std::make_unique<frmSetup>(store, prompter);
        showActive(form.get());
    }
    QLineEdit* box(const QString& name) { return get<QLineEdit>(form.get(), qPrintable(name)); }
    QLineEdit* coInfo(int i) { return box(QString("txtCoInfo_%1").arg(i)); }
    bool locked() {
        bool all = true, none = true;
        for (int i = 0; i < 10; ++i) {
            const bool lockedBox = coInfo(i)->isReadOnly() && coInfo(i)->focusPolicy() == Qt::NoFocus;
            all = all && lockedBox;
            none = none && !lockedBox && coInfo(i)->focusPolicy() != Qt::NoFocus;
        }
        for (const char* flag : kFlags) {
            all = all && !get(form.get(), flag)->isEnabled();
            none = none && get(form.get(), flag)->isEnabled();
        }
        const bool edit = get(form.get(), "cmdCoEdit")->isEnabled();
        const bool save = get(form.get(), "cmdCoSave")->isEnabled();
        const bool cancel = get(form.get(), "cmdCoCancel")->isEnabled();
        EXPECT_TRUE(all != none) << "the company tab is half locked";
        EXPECT_EQ(save, cancel);
        EXPECT_NE(edit, save);
        return all && edit;
    }
    QTemporaryDir config;
    SettingsStore store{config.path()};
    ScriptedPrompter prompter;
    std::unique_ptr<frmSetup> form;
};

TEST_F(SetupFormTest, OpensLockedOnTheCompanyTabWithTheStoredValues) {
    EXPECT_EQ(form->windowTitle(), "Setup Maintance");
    EXPECT_EQ(get<QTabWidget>(form.get(), "tabSetup")->currentIndex(), 0);
    EXPECT_TRUE(locked());
    EXPECT_EQ(form->pos(), form->screen()->availableGeometry().topLeft());
    EXPECT_EQ(coInfo(0)->text(), "ABC Construction");
    EXPECT_EQ(coInfo(4)->text(), "54321-1234");
    EXPECT_TRUE(get<QCheckBox>(form.get(), "ckbCoFax")->isChecked());
    EXPECT_FALSE(get<QCheckBox>(form.get(), "ckbCoCell")->isChecked());
    EXPECT_TRUE(get<QCheckBox>(form.get(), "chkShowGreet")->isChecked());
    QStringList admin;
    for (int i = 0; i < 4; ++i)
        admin << (get<QRadioButton>(form.get(), qPrintable(QString("optPerc_%1").arg(i)))->isChecked()
                      ? "%"
                      : "Fixed") +
                     QString(" ") + box(QString("txtAdmin_%1").arg(i))->text();
    EXPECT_EQ(admin, (QStringList{"% 15", "% 15", "Fixed 100", "% 2"}));
    QStringList labour;
    for (int i = 0; i < 4; ++i)
        labour << box(QString("txtEmp_%1").arg(i))->text();
    EXPECT_EQ(labour, (QStringList{"45", "7.65", "0", "2"}));
}

TEST_F(SetupFormTest, EditUnlocksAndColoursTheNameFieldThenSaveKeepsTheChanges) {
    press(form.get(), "cmdCoEdit");
    settle();
    EXPECT_FALSE(locked());
    EXPECT_EQ(focusName(form.get()), "txtCoInfo_0");
    EXPECT_EQ(base(coInfo(0)), kYellow);
    EXPECT_EQ(coInfo(0)->selectedText(), "ABC Construction");
    coInfo(1)->setFocus();
    settle();
    EXPECT_EQ(base(coInfo(0)), QColor(Qt::white));
    coInfo(0)->setText("Big Sky Roofing");
    get<QCheckBox>(form.get(), "ckbLetterHead")->setChecked(true);
    press(form.get(), "cmdCoSave");
    EXPECT_TRUE(locked());
    EXPECT_TRUE(form->isVisible()); // the screen stays open
    EXPECT_EQ(store.read(kAppName, "CoInfo", "Name"), "Big Sky Roofing");
    EXPECT_EQ(store.read(kAppName, "CoInfoInc", "LetHead"), "1");
}

TEST_F(SetupFormTest, CancelShowsTheStoredValuesOnBothTabsAgain) {
    press(form.get(), "cmdCoEdit");
    coInfo(0)->setText("Not Saved Inc");
    box("txtEmp_0")->setText("50");
    get<QTabWidget>(form.get(), "tabSetup")->setCurrentIndex(1);
    get<QTabWidget>(form.get(), "tabSetup")->setCurrentIndex(0);
    press(form.get(), "cmdCoCancel");
    EXPECT_EQ(coInfo(0)->text(), "ABC Construction");
    EXPECT_EQ(box("txtEmp_0")->text(), "45");
    EXPECT_TRUE(locked());
    EXPECT_EQ(store.read(kAppName, "CoInfo", "Name"), "ABC Construction");
}

TEST_F(SetupFormTest, SaveChangesStoresTheValuesTabAndCloses) {
    get<QTabWidget>(form.get(), "tabSetup")->setCurrentIndex(1);
    get<QRadioButton>(form.get(), "optFixed_1")->click();
    box("txtAdmin_1")->setText("250");
    get<QCheckBox>(form.get(), "chkShowGreet")->setChecked(false);
    // The paper shown is the locale's (en_US: Letter) until another is chosen and saved.
    auto* paper = get<QComboBox>(form.get(), "cmbPaperSize");
    EXPECT_EQ(paper->currentText(), "Letter");
    choose(paper, "Legal");
    press(form.get(), "cmdSaveValues");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(store.read(kAppName, "Op", "Profit"), "Fixed-250");
    EXPECT_EQ(store.readAt(kAppName, "Op", 2), "Fixed-250");
    EXPECT_EQ(store.read(kAppName, "Op", "Greet"), "0");
    EXPECT_EQ(PaperSetup::load(store), Paper::Legal);
}

TEST_F(SetupFormTest, SaveChangesRefusesAnAmountThatCouldNotBeReadBack) {
    get<QTabWidget>(form.get(), "tabSetup")->setCurrentIndex(1);
    box("txtAdmin_3")->setText("-2");
    press(form.get(), "cmdSaveValues");
    EXPECT_EQ(prompter.lastText(), percentRangeMessage());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(focusName(form.get()), "txtAdmin_3");
    EXPECT_EQ(store.read(kAppName, "Op", "Management"), "%-2");
}

TEST_F(SetupFormTest, LeavingABurdenThatIsNoNumberResetsIt) {
    get<QTabWidget>(form.get(), "tabSetup")->setCurrentIndex(1);
    box("txtEmp_2")->setFocus();
    box("txtEmp_2")->setText("ten");
    box("txtEmp_3")->setFocus();
    settle();
    EXPECT_EQ(prompter.lastText(), kMustBeNumber);
    EXPECT_EQ(box("txtEmp_2")->text(), "0");
    EXPECT_EQ(focusName(form.get()), "txtEmp_2");
}

} // namespace
