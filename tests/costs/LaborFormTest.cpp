#include "CostsFixture.h"
#include "FormDriver.h"
#include "costs/CostTexts.h"
#include "costs/frmLabor.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace qx;

namespace qxtest {

class LaborFormTest : public CostsTest {
protected:
    void SetUp() override {
        CostsTest::SetUp();
        writeDefaultSettings(ctx->settings);
    }
    frmLabor* open(CostEditing::Mode mode, qint32 id = 0) {
        editing = {mode, id};
        form = std::make_unique<frmLabor>(ctx->data, cost(), ctx->settings, editing);
        showActive(form.get());
        return form.get();
    }
    QLineEdit* box(int index) {
        return get<QLineEdit>(form.get(), QStringLiteral("txtLabor_%1").arg(index).toLatin1().constData());
    }
    QStringList boxes() {
        QStringList texts;
        for (int i = 0; i < 7; ++i)
            texts << box(i)->text();
        return texts;
    }
    // Types into a box and leaves it for the next one, as Tab does.
    void typeAndLeave(int index, const QString& text, int next) {
        box(index)->setFocus();
        box(index)->setText(text);
        box(next)->setFocus();
        settle();
    }
    qint32 nameRate(const QString& title) {
        get<QLineEdit>(form.get(), "txtJobTitle")->setText(title);
        press(form.get(), "cmdOkay");
        return editing.currentId;
    }
    void clickPercent(int k) {
        QTest::mouseClick(get(form.get(), QStringLiteral("lblPerct_%1").arg(k).toLatin1().constData()),
                          Qt::LeftButton);
    }

    std::unique_ptr<frmLabor> form;
};

TEST_F(LaborFormTest, RooferAtTwentyCostsThirtyNinetyThree) {
    open(CostEditing::Mode::Add);
    EXPECT_EQ(focusName(form.get()), "txtJobTitle");
    EXPECT_TRUE(get(form.get(), "cmdNonEmployee")->isVisible());
    EXPECT_FALSE(box(0)->isEnabled());
    const qint32 id = nameRate(QStringLiteral("Roofer"));
    EXPECT_NE(id, 0);
    EXPECT_FALSE(get(form.get(), "fraJobTitle")->isVisible());
    EXPECT_EQ(get<QLabel>(form.get(), "lblJobTitle")->text(), "Roofer");
    EXPECT_EQ(focusName(form.get()), "txtLabor_0");

    typeAndLeave(0, QStringLiteral("20"), 5);
    EXPECT_EQ(boxes(), (QStringList{"20", "0.4", "9", "1.53", "0", "", "$30.93"}));
    box(5)->setText(QStringLiteral("Shingler's rate"));
    press(form.get(), "cmdSave");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(rows(cost(), QStringLiteral(
                               "select costtype,cat,costname,unit,descrip,amount from costitem where id=%1")
                               .arg(id)),
              (QStringList{"Labor | Hourly | Roofer | hr | Shingler's rate | 309300"}));
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(LaborFormTest, AJobTitleIsRequired) {
    open(CostEditing::Mode::Add);
    const qint64 before = scalar(QStringLiteral("select count(*) from costitem")).toLongLong();
    nameRate(QStringLiteral("\u200b"));
    EXPECT_EQ(prompter.lastText(), kMsgEnterJobTitle);
    EXPECT_TRUE(get(form.get(), "fraJobTitle")->isVisible());
    EXPECT_EQ(focusName(form.get()), "txtJobTitle");
    EXPECT_FALSE(get(form.get(), "cmdSave")->isEnabled());
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costitem")).toLongLong(), before);
}

TEST_F(LaborFormTest, ClosingAfterNamingLeavesTheRateWithoutAPrice) {
    open(CostEditing::Mode::Add);
    const qint32 id = nameRate(QStringLiteral("Tear-off"));
    typeAndLeave(0, QStringLiteral("25"), 1);
    press(form.get(), "cmdClose");
    EXPECT_EQ(rows(cost(), QStringLiteral("select costname,amount from costitem where id=%1").arg(id)),
              QStringList{"Tear-off | 0"});
}

TEST_F(LaborFormTest, LeavingTheBaseRateOfAStoredRateReplacesItsBurdens) {
    open(CostEditing::Mode::Edit, 52); // Roofing Foreman: 36.00 with stored burdens
    EXPECT_EQ(boxes(), (QStringList{"36", "0.72", "16.2", "2.754", "0",
                                    "Crew lead; runs the job and the crew, "
                                    "answers to the owner",
                                    "$55.67"}));
    EXPECT_EQ(get<QLabel>(form.get(), "lblJobTitle")->text(), "Roofing Foreman");
    EXPECT_FALSE(get(form.get(), "fraJobTitle")->isVisible());
    EXPECT_FALSE(get(form.get(), "cmdNonEmployee")->isVisible());
    typeAndLeave(4, QStringLiteral("1.00049"), 1); // rounds to 1 on leaving
    EXPECT_EQ(box(4)->text(), "1");
    typeAndLeave(0, QStringLiteral("36"), 1);
    EXPECT_EQ(boxes().mid(1, 4), (QStringList{"0.72", "16.2", "2.754", "0"}));
}

TEST_F(LaborFormTest, PercentageLabels) {
    open(CostEditing::Mode::Add);
    nameRate(QStringLiteral("Helper"));
    // With base 0 a "%" label does nothing.
    EXPECT_FALSE(onDialog([](QDialog&) {}, [&] { clickPercent(0); }));

    typeAndLeave(0, QStringLiteral("20"), 5);
    const bool opened = onDialog(
        [](QDialog& calculator) {
            EXPECT_EQ(calculator.windowTitle(), kTitlePercentage);
            EXPECT_EQ(get<QLabel>(&calculator, "Label1")->text(), "Employer Taxes %");
            EXPECT_EQ(get<QLabel>(&calculator, "lblBase")->text(), "20");
            EXPECT_EQ(get<QLabel>(&calculator, "lblTotal")->text(), ".00");
            EXPECT_EQ(get<QLineEdit>(&calculator, "txtPercentage")->text(), "7.65");
            get<QLineEdit>(&calculator, "txtPercentage")->setText(QStringLiteral("12.5"));
            press(&calculator, "cmdCompute");
            EXPECT_EQ(get<QLabel>(&calculator, "lblTotal")->text(), "2.5");
            press(&calculator, "cmdOkay");
        },
        [&] { clickPercent(2); });
    EXPECT_TRUE(opened);
    settle();
    EXPECT_EQ(boxes(), (QStringList{"20", "0.4", "9", "2.5", "0", "", "$31.90"}));
    EXPECT_EQ(focusName(form.get()), "txtLabor_3");

    // Okay without Compute writes ".00"; Cancel writes nothing.
    onDialog([](QDialog& calculator) { press(&calculator, "cmdOkay"); }, [&] { clickPercent(1); });
    onDialog([](QDialog& calculator) { press(&calculator, "cmdCancel"); }, [&] { clickPercent(0); });
    settle();
    EXPECT_EQ(boxes(), (QStringList{"20", "0.4", "0", "2.5", "0", "", "$22.90"}));
}

TEST_F(LaborFormTest, SaveRefusesABoxThatHoldsNoRate) {
    open(CostEditing::Mode::Add);
    const qint32 id = nameRate(QStringLiteral("Helper"));
    box(0)->setText(QStringLiteral("20"));
    box(3)->setText(QStringLiteral("-1.53"));
    press(form.get(), "cmdSave");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(focusName(form.get()), "txtLabor_3");
    EXPECT_EQ(scalar(QStringLiteral("select baserate from laborcost where costid=?"), {id}).toLongLong(), 0);
}

TEST_F(LaborFormTest, AnHourlyItemMadeElsewhereGetsItsPartsWhenOpened) {
    const qint32 id = costItem(kTypeLabor, kCatHourly, QStringLiteral("Sweeper"), 150000, kUnitHour);
    open(CostEditing::Mode::Edit, id);
    EXPECT_EQ(boxes(), (QStringList{"0", "0", "0", "0", "0", "", "$0.00"}));
    typeAndLeave(0, QStringLiteral("10"), 5);
    press(form.get(), "cmdSave");
    EXPECT_EQ(rows(cost(), QStringLiteral("select baserate,workcomp from laborcost where costid=%1").arg(id)),
              QStringList{"100000 | 45000"});
    EXPECT_EQ(scalar(QStringLiteral("select amount from costitem where id=?"), {id}).toLongLong(), 154650);
}

TEST_F(LaborFormTest, NonEmployeeHandsOverToTheCostItemEditor) {
    open(CostEditing::Mode::Add);
    press(form.get(), "cmdNonEmployee");
    EXPECT_TRUE(form->nonEmployee());
    EXPECT_EQ(form->result(), QDialog::Rejected);
}

} // namespace qxtest
