// Shipped databases, templates and the estimates folder damaged or gone behind the program's back:
// each is reported with the program's error message when it is used, the program goes on, and no
// other file changes.
#include "FaultFixture.h"

#include <QDir>
#include <QFile>

using namespace qx;

namespace {

using DamagedFiles = qxtest::FaultTest;

enum class Harm { Missing, NotADatabase, CutShort };

void harm(const QString& path, Harm how) {
    QFile file(path);
    if (how == Harm::Missing) {
        ASSERT_TRUE(file.remove());
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    if (how == Harm::NotADatabase) {
        ASSERT_TRUE(file.write("not a database") > 0);
    }
    ASSERT_TRUE(file.resize(how == Harm::CutShort ? file.size() / 2 : 14));
}

TEST_F(DamagedFiles, AShippedDatabaseMissingOrDamagedIsReportedWhereItIsUsed) {
    // "Prices" reports a damaged cost database once and stays closed.
    const QStringList costScript{"click mnuPrices", "click mnuFigure", "visible SSTab1"};
    const QStringList mastScript{"key F6", "key F7", "close", "click mnuFigure", "visible SSTab1"};
    struct Case {
        const char* name;
        QString path;
        Harm how;
        QStringList script;
        QString expected;
    };
    const QString costGone = "Error 14 (Could not find file 'PROGRAM/data/cost.mdb'.)";
    const QString notADb = "Error 26 (file is encrypted or is not a database)";
    const QString malformed = "Error 11 (database disk image is malformed)";
    const QString mastGone = "Error 14 (Could not find file 'PROGRAM/data/MastEst.mdb'.)";
    auto costMessages = [](const QString& error) {
        return QString("message: Quorvex | %1 in procedure PopGrid of Form frmUnitItem -> ok\n"
                       "SSTab1 visible: 1\n")
            .arg(error);
    };
    auto mastMessages = [](const QString& error) {
        QString text;
        for (const char* site : {"PopEstTypeCbo of Module modEst", "CreateEstID of Form frmQuovi",
                                 "Form_Load of Form frmOpenEst"})
            text += QString("message: Quorvex | %1 in procedure %2 -> ok\n").arg(error, site);
        return text + "SSTab1 visible: 1\n";
    };
    const Case cases[] = {
        {"cost.mdb missing", ctx->folder.costFile(), Harm::Missing, costScript, costMessages(costGone)},
        {"cost.mdb not a database", ctx->folder.costFile(), Harm::NotADatabase, costScript,
         costMessages(notADb)},
        {"cost.mdb cut short", ctx->folder.costFile(), Harm::CutShort, costScript, costMessages(malformed)},
        {"MastEst.mdb missing", ctx->folder.mastFile(), Harm::Missing, mastScript, mastMessages(mastGone)},
        {"MastEst.mdb not a database", ctx->folder.mastFile(), Harm::NotADatabase, mastScript,
         mastMessages(notADb)},
        {"MastEst.mdb cut short", ctx->folder.mastFile(), Harm::CutShort, mastScript,
         mastMessages(malformed)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::copy(c.path, c.path + ".good");
        harm(c.path, c.how);
        const auto before = files();

        const Run run = drive(c.script);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, c.expected);
        // The damaged file is left for the user to restore: never replaced, emptied or made anew.
        EXPECT_EQ(files(), before);

        QFile::remove(c.path);
        ASSERT_TRUE(QFile::rename(c.path + ".good", c.path));
    }
}

TEST_F(DamagedFiles, AMissingBlankFormTemplateIsReportedAndNothingIsPrinted) {
    ASSERT_TRUE(QFile::remove(ctx->folder.templatesDir() + "/lead.rtf"));
    const auto before = files();
    const Run run =
        drive({"click mnuReportForms", "select cmbForms Lead Form", "click cmdPrint", "click mnuReportForms",
               "select cmbForms Roof Form", "printto /dev/null", "click cmdPrint"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "message: Quorvex | Error 53 (File not found: 'PROGRAM/Templates/lead.rtf') in procedure "
              "PrintBlankForm of Form frmPrintForms -> ok\n"
              "dialog: Print -> /dev/null\n");
    EXPECT_EQ(files(), before);
}

TEST_F(DamagedFiles, AnEstimatesFolderThatIsAFileStopsStartAndLeavesNothingBehind) {
    ASSERT_TRUE(QDir(ctx->folder.estimatesDir()).removeRecursively());
    QFile blocker(ctx->folder.estimatesDir());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("a file, not a folder");
    blocker.close();
    auto before = files();

    const Run run =
        drive({"key F6", "type txtName_0 John", "type txtName_1 Smith", "type txtName_2 12 Elm St",
               "type txtName_3 Anytown, MT 54321", "type txtName_4 406/555-1234", "type cmbEstType Garage",
               "click cmdStartEst", "enabled cmdStartEst", "sql mast select estname, estpath from master",
               "click cmdCancel", "sql mast select count(*) from master"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "message: Quorvex | The estimate SmithGarage could not be created.\\nThe folder "
                          "PROGRAM/estimates/SmithGarage could not be made. -> ok\n"
                          "cmdStartEst enabled: 1\n"
                          "NULL | NULL\n"
                          "0\n");
    // Besides the register, whose only row came and went with the reservation, nothing changed.
    auto after = files();
    after.erase(ctx->folder.mastFile());
    before.erase(ctx->folder.mastFile());
    EXPECT_EQ(after, before);
}

} // namespace
