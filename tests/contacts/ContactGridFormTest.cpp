#include "ContactsFixture.h"
#include "FormDriver.h"

#include "app/StartUp.h"
#include "app/frmQuovi.h"
#include "contacts/frmContactGrid.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>

using namespace qx;
using namespace qxtest;

namespace {

class ContactGridFormTest : public ContactsTest {
protected:
    void SetUp() override {
        ContactsTest::SetUp();
        StartUp::ensureSettings(ctx->settings, ctx->folder.root());
    }
    static QStringList column(QDialog& dialog, int col) {
        auto* grid = get<QTableView>(&dialog, "grdDataGrid");
        QStringList cells;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            cells << grid->model()->index(row, col).data().toString();
        return cells;
    }
    // F6, "Import from Kontavi", the contact on row `row` of the unfiltered grid, "Select".
    void importRow(frmQuovi& window, int row) {
        window.findChild<QAction*>("mnuNew")->trigger();
        const bool opened = onDialog(
            [&](QDialog& dialog) {
                auto* grid = get<QTableView>(&dialog, "grdDataGrid");
                grid->setCurrentIndex(grid->model()->index(row, 0));
                press(&dialog, "cmdSelect");
            },
            [&] { press(&window, "cmdImport"); });
        ASSERT_TRUE(opened);
    }
    QStringList ownerBoxes(const frmQuovi& window) {
        QStringList texts;
        for (int i = 0; i < 7; ++i)
            texts << get<QLineEdit>(&window, qPrintable(QString("txtName_%1").arg(i)))->text();
        return texts;
    }
};

TEST_F(ContactGridFormTest, OpensWithEveryContactAndTheFirstEntryOfEachList) {
    frmContactGrid dialog(ctx->data, conn);
    EXPECT_EQ(dialog.windowTitle(), "Contacts from Kontavi");
    EXPECT_EQ(column(dialog, 0), (QStringList{"5", "4", "9", "3", "8", "2", "1", "7", "6"}));
    EXPECT_EQ(column(dialog, 1).mid(1, 3),
              (QStringList{"", "Property Management Office Hillcrest", "Jorge Martinez"}));
    for (const char* list : {"cboFilter", "cboType", "cboCompanies"})
        EXPECT_EQ(get<QComboBox>(&dialog, list)->currentIndex(), 0) << list;
    auto* grid = get<QTableView>(&dialog, "grdDataGrid");
    QStringList captions;
    for (int i = 0; i < grid->model()->columnCount(); ++i)
        captions << grid->model()->headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(captions, (QStringList{"ID", "Name", "Company", "Address", "Work Ph", "Ext", "Home Ph"}));
    // The widths keep the proportions of the layout: Name 1500, Company and Address 1800, the phones 900.
    EXPECT_EQ(grid->columnWidth(2), grid->columnWidth(3));
    EXPECT_EQ(grid->columnWidth(4), grid->columnWidth(6));
    EXPECT_NEAR(double(grid->columnWidth(1)) / grid->columnWidth(4), 1500.0 / 900.0, 0.05);
    EXPECT_EQ(grid->currentIndex().row(), 0);
}

TEST_F(ContactGridFormTest, ATypeChosenAfterALetterShowsEveryContactOfThatType) {
    frmContactGrid dialog(ctx->data, conn);
    choose(get<QComboBox>(&dialog, "cboFilter"), "M");
    EXPECT_EQ(column(dialog, 1),
              (QStringList{"Jorge Martinez", "Ed Mc_Lean", "Anna miller", "Dale Miller", "Tom Moore"}));
    choose(get<QComboBox>(&dialog, "cboType"), "Lead");
    EXPECT_EQ(column(dialog, 1), (QStringList{"", "Jorge Martinez", "Anna miller"}));
    choose(get<QComboBox>(&dialog, "cboCompanies"), "Companies only");
    EXPECT_EQ(column(dialog, 1), (QStringList{"", "Property Management Office Hillcrest", "Karen Olsen"}));
}

TEST_F(ContactGridFormTest, SelectWithoutAContactDoesNothing) {
    frmContactGrid dialog(ctx->data, conn);
    dialog.show();
    choose(get<QComboBox>(&dialog, "cboFilter"), "Z");
    EXPECT_TRUE(column(dialog, 0).isEmpty());
    press(&dialog, "cmdSelect");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.chosen());
}

TEST_F(ContactGridFormTest, AFailureToFillTheGridIsReportedAndLeavesTheGridAsItWas) {
    frmContactGrid dialog(ctx->data, conn);
    ctx->pool.close(conn.path);
    ASSERT_TRUE(QFile::remove(conn.path));
    choose(get<QComboBox>(&dialog, "cboType"), "Lead");
    EXPECT_TRUE(prompter.lastText().startsWith("Error 14 (Could not find file"))
        << prompter.lastText().toStdString();
    EXPECT_TRUE(prompter.lastText().endsWith(") in procedure PopGrid of Form frmContactGrid"));
    EXPECT_EQ(column(dialog, 0), (QStringList{"5", "4", "9", "3", "8", "2", "1", "7", "6"}));
}

TEST_F(ContactGridFormTest, SelectFillsTheSevenOwnerBoxesAndStartStoresThem) {
    frmQuovi window(*ctx);
    window.show();
    importRow(window, 6);
    EXPECT_EQ(ownerBoxes(window), (QStringList{"Dale", "Miller", "418 Fir St", "Missoula, MT 59801",
                                               "406/555-0142", "406/555-0190", "12"}));
    get<QComboBox>(&window, "cmbEstType")->setEditText("Reroof");
    press(&window, "cmdStartEst");
    ASSERT_EQ(window.state().estName, "MillerReroof");
    EXPECT_EQ(
        rows(window.state().sEstConn,
             "select fname, lname, address, citystzip, homeph, workph, ext from main"),
        QStringList{"Dale | Miller | 418 Fir St | Missoula, MT 59801 | 406/555-0142 | 406/555-0190 | 12"});
}

TEST_F(ContactGridFormTest, AnImportedNameLongerThanItsBoxIsRefusedAtStartNotCut) {
    frmQuovi window(*ctx);
    window.show();
    importRow(window, 2);
    EXPECT_EQ(ownerBoxes(window).first(), kLongFirst);
    get<QComboBox>(&window, "cmbEstType")->setEditText("Reroof");
    press(&window, "cmdStartEst");
    EXPECT_EQ(prompter.lastText(), "This field cannot be any longer than 25 characters.");
    EXPECT_TRUE(window.state().estName.isEmpty());
    EXPECT_FALSE(QDir(ctx->folder.estimateFolder("HillcrestReroof")).exists());
    EXPECT_EQ(ownerBoxes(window).first(), kLongFirst);
}

} // namespace
