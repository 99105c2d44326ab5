#include "BackupFixture.h"
#include "FormDriver.h"

#include "app/frmQuovi.h"
#include "estimate/RegisterTotals.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

using namespace qx;

namespace qxtest {

namespace {

// "Duplicate" on the status board, through the main window as a user does it.
class BoardCommandsTest : public BackupTest {
protected:
    void SetUp() override {
        BackupTest::SetUp();
        saveEstimate("Smith", "Garage", {1250, 990});
        // Item 1's price went up since; item 2's stayed.
        Database& prices = ctx->data.file(cost());
        prices.exec("update costitem set amount=?, costtype='Material' where id=1", {qint64(150000)});
        prices.exec("update costitem set amount=?, costtype='Material' where id=2", {qint64(99000)});
        window = std::make_unique<frmQuovi>(*ctx);
        window->show();
    }
    // Opens the board, chooses Smith's estimate and presses Duplicate.
    void duplicate(bool reprice) {
        onDialog(
            [&](QDialog& board) {
                choose(get<QComboBox>(&board, "cmbFilter"), "Pending");
                auto* list = get<QListWidget>(&board, "List1");
                emit list->itemDoubleClicked(list->item(0));
                get<QCheckBox>(&board, "chkReprice")->setChecked(reprice);
                press(&board, "cmdDuplicate");
            },
            [&] { get<QAction>(window.get(), "mnuManage")->trigger(); });
    }
    QLineEdit* box(const char* name) { return get<QLineEdit>(window.get(), name); }
    QStringList smithLines() {
        return rows(ctx->folder.estimateConn("SmithGarage\\SmithGarage.mdb"),
                    "select name,cost,linetotal from lineitems order by id");
    }

    std::unique_ptr<frmQuovi> window;
};

TEST_F(BoardCommandsTest, DuplicateWithRepriceStartsFromTheOldOwnerAndListsTheChangedPrice) {
    const QStringList before = smithLines();
    duplicate(true);
    EXPECT_EQ(window->state().sOpenMode, WorkState::kNew);
    EXPECT_EQ(box("txtName_1")->text(), "Smith");
    EXPECT_EQ(get<QComboBox>(window.get(), "cmbEstType")->currentText(), "Garage");
    EXPECT_EQ(box("txtEstName")->text(), "");
    box("txtName_1")->setText("Lee");
    press(window.get(), "cmdStartEst");
    EXPECT_EQ(window->state().estName, "LeeGarage");
    EXPECT_EQ(prompter.log().last(),
              "message: Quorvex | The prices of these lines changed:\\nItem 1: $12.50 -> $15.00 -> ok");
    EXPECT_EQ(rows(temp(), "select name,cost,linetotal from tplineitems order by autoid"),
              (QStringList{"Item 1 | 150000 | 450000", "Item 2 | 99000 | 297000"}));
    EXPECT_TRUE(get<QAction>(window.get(), "mnuSave")->isEnabled());
    EXPECT_EQ(smithLines(), before);
}

TEST_F(BoardCommandsTest, TheRegisterKnowsADuplicatesTotalFromItsStart) {
    duplicate(true);
    box("txtName_1")->setText("Lee");
    press(window.get(), "cmdStartEst");
    const QStringList totals = rows(mast(), "select esttotal from master order by id");
    ASSERT_EQ(totals.size(), 2);
    // Figured with the new prices, as Terms/Totals shows it.
    EXPECT_EQ(totals.at(1), QString::number(RegisterTotals(*ctx).figure(window->state().sEstConn).raw()));
    EXPECT_NE(totals.at(1), totals.at(0));
}

TEST_F(BoardCommandsTest, CancelAfterDuplicateLeavesNothingBehind) {
    duplicate(false);
    press(window.get(), "cmdCancel");
    EXPECT_TRUE(window->state().isIdle());
    EXPECT_EQ(rows(mast(), "select estname from master"), QStringList{"SmithGarage"});
    // A later New starts empty, and its Start copies nothing.
    get<QAction>(window.get(), "mnuNew")->trigger();
    EXPECT_EQ(box("txtName_1")->text(), "");
    for (int i = 0; i < 5; ++i)
        box(QStringLiteral("txtName_%1").arg(i).toLatin1().constData())->setText("Lee");
    get<QComboBox>(window.get(), "cmbEstType")->setEditText("Barn");
    press(window.get(), "cmdStartEst");
    EXPECT_EQ(window->state().estName, "LeeBarn");
    EXPECT_EQ(rows(temp(), "select count(*) from tplineitems"), QStringList{"0"});
}

} // namespace

} // namespace qxtest
