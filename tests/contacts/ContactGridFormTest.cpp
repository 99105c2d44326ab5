#include "FormDriver.h"
#include "TestFolders.h"

#include "StandIn.h"
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

const QVariant null;
const QString kLongFirst = "Property Management Office"; // 26 characters, the box holds 25

const QList<kontavi::ContactRow> kRows{
    {"Dale", "Miller", "", "418 Fir St", "Missoula", "MT", "59801", "406/555-0142", "406/555-0190", "12",
     "Cust"},
    {"Anna", "Baker", "", "1207 Cherry Ln", "Missoula", "MT", "59802", "406/555-0177", null, null, "Lead"},
    {"Jorge", "Martinez", null, "55 Grant Creek Rd", "Missoula", "MT", "59808", "406/555-0113", "", "",
     "Lead"},
    {kLongFirst, "Hillcrest", "Hillcrest Owners", "1 Hillcrest Loop", "Missoula", "MT", "59803",
     "406/555-0111", "406/555-0104", "", "Contact"},
};

class ContactGridFormTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        StartUp::ensureSettings(ctx->settings, ctx->folder.root());
        const QString folder = programDir.path() + "/Kontavi";
        ASSERT_TRUE(QDir().mkpath(folder + "/data"));
        kontavi::writeContactsFile(folder + "/data/contacts.mdb", kRows);
        ctx->settings.write(kKontaviApp, "Common", "Path", folder);
        conn = *kontaviContactsConn(ctx->settings);
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
    Conn conn;
};

TEST_F(ContactGridFormTest, OpensWithEveryContactAndTheFirstEntryOfEachList) {
    frmContactGrid dialog(ctx->data, conn);
    EXPECT_EQ(dialog.windowTitle(), "Contacts from Kontavi");
    EXPECT_EQ(column(dialog, 1), (QStringList{"Anna Baker", "Property Management Office Hillcrest",
                                              "Jorge Martinez", "Dale Miller"}));
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
    EXPECT_EQ(column(dialog, 1), (QStringList{"Jorge Martinez", "Dale Miller"}));
    choose(get<QComboBox>(&dialog, "cboType"), "Lead");
    EXPECT_EQ(column(dialog, 1), (QStringList{"Anna Baker", "Jorge Martinez"}));
    choose(get<QComboBox>(&dialog, "cboCompanies"), "Companies only");
    EXPECT_EQ(column(dialog, 1), (QStringList{"Property Management Office Hillcrest"}));
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
    EXPECT_EQ(column(dialog, 0), (QStringList{"2", "4", "3", "1"}));
}

TEST_F(ContactGridFormTest, SelectFillsTheSevenOwnerBoxesAndStartStoresThem) {
    frmQuovi window(*ctx);
    window.show();
    importRow(window, 3);
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
    importRow(window, 1);
    EXPECT_EQ(ownerBoxes(window).first(), kLongFirst);
    get<QComboBox>(&window, "cmbEstType")->setEditText("Reroof");
    press(&window, "cmdStartEst");
    EXPECT_EQ(prompter.lastText(), "This field cannot be any longer than 25 characters.");
    EXPECT_TRUE(window.state().estName.isEmpty());
    EXPECT_FALSE(QDir(ctx->folder.estimateFolder("HillcrestReroof")).exists());
    EXPECT_EQ(ownerBoxes(window).first(), kLongFirst);
}

} // namespace
