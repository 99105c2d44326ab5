#include "BackupFixture.h"

#include "backup/BackupArchive.h"
#include "backup/JobArchive.h"
#include "backup/JobCommands.h"
#include "backup/ProgramBackup.h"
#include "backup/ZipArchive.h"
#include "data/DateText.h"
#include "data/ProgramLayout.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

using namespace qx;

namespace qxtest {

namespace {

class JobArchiveTest : public BackupTest {
protected:
    void SetUp() override {
        BackupTest::SetUp();
        saveEstimate("Smith", "Garage", {1250, 990});
        ctx->data.file(mast()).exec(
            "update master set estdate='2025-11-02', estlength=45, eststatus='Accepted'");
        smithId = ctx->data.ReadScalar(mast(), "select id from master").toInt();
        exported = backupDir.filePath("Smith.qxjob");
        prompter.queueFile(backupDir.filePath("Smith"));
        ASSERT_EQ(JobCommands(*ctx).exportEstimate(smithId), exported);
    }
    QStringList registerRows() {
        return rows(mast(),
                    "select estname,estaddress,estdate,esttype,eststatus,estlength,estpath from master "
                    "order by id");
    }
    qint32 importFile(const QString& path) {
        prompter.queueFile(path);
        return JobCommands(*ctx).importEstimate();
    }
    // The exported file written again with its manifest's register row changed.
    QString withRow(const QString& key, const QJsonValue& value) {
        const QString path = backupDir.filePath("changed.qxjob");
        QFile::remove(path);
        ZipReader from(exported);
        ZipWriter zip(path);
        for (const QString& entry : from.entries()) {
            QByteArray bytes = from.read(entry);
            if (entry == ArchiveManifest::kManifestEntry) {
                QJsonObject root = QJsonDocument::fromJson(bytes).object();
                QJsonObject details = root.value("details").toObject();
                details.insert(key, value);
                root.insert("details", details);
                bytes = QJsonDocument(root).toJson();
            }
            zip.addBytes(entry, bytes);
        }
        zip.finish();
        return path;
    }

    qint32 smithId = 0;
    QString exported;
};

TEST_F(JobArchiveTest, AnImportUnderAUsedNameAsksAndKeepsStatusAndDates) {
    EXPECT_EQ(prompter.log().last(),
              "message: Quorvex | The estimate SmithGarage was exported to\\n" + exported + " -> ok");
    const QStringList before = registerRows();
    const QStringList lines =
        rows(ctx->folder.estimateConn("SmithGarage\\SmithGarage.mdb"), "select * from lineitems order by id");

    // No: nothing is added.
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_EQ(importFile(exported), 0);
    EXPECT_EQ(prompter.log().last(), "message: Quorvex | There is already an estimate named SmithGarage.\\n"
                                     "Import this one as SmithGarage2? -> no");
    EXPECT_EQ(registerRows(), before);
    EXPECT_FALSE(QFileInfo::exists(ctx->folder.estimateFolder("SmithGarage2")));

    prompter.queueAnswer(Prompter::Answer::Yes);
    const qint32 id = importFile(exported);
    ASSERT_GT(id, smithId);
    EXPECT_EQ(prompter.log().last(), "message: Quorvex | The estimate SmithGarage2 was imported. -> ok");
    EXPECT_EQ(registerRows(),
              before + QStringList{"SmithGarage2 | 4 Bay Rd | 2025-11-02 | Garage | Accepted | 45 | "
                                   "SmithGarage2\\SmithGarage2.mdb"});
    EXPECT_EQ(rows(ctx->folder.estimateConn("SmithGarage2\\SmithGarage2.mdb"),
                   "select * from lineitems order by id"),
              lines);
    EXPECT_EQ(
        QDir(ctx->folder.estimatesDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList{"SmithGarage", "SmithGarage2"}));

    // A leftover folder of the next name counts as used too.
    QDir().mkpath(ctx->folder.estimateFolder("SmithGarage3"));
    prompter.queueAnswer(Prompter::Answer::Yes);
    importFile(exported);
    EXPECT_TRUE(prompter.log().last().contains("SmithGarage4 was imported"));
}

TEST_F(JobArchiveTest, AnImportedEstimateComesWithItsTotal) {
    prompter.queueAnswer(Prompter::Answer::Yes);
    const qint32 id = importFile(exported);
    ASSERT_GT(id, smithId);
    const QStringList totals = rows(mast(), "select esttotal from master order by id");
    ASSERT_EQ(totals.size(), 2);
    EXPECT_NE(totals.at(1), "NULL");
    EXPECT_EQ(totals.at(1), totals.at(0));
}

TEST_F(JobArchiveTest, AnImportIntoAnotherProgramFolderKeepsItsName) {
    QTemporaryDir other;
    layOutProgramFolder(ProgramFolder(other.path()));
    ScriptedPrompter quiet;
    AppContext elsewhere(other.path(), quiet, configDir.path());
    quiet.queueFile(exported);
    ASSERT_GT(JobCommands(elsewhere).importEstimate(), 0);
    EXPECT_EQ(quiet.log().last(), "message: Quorvex | The estimate SmithGarage was imported. -> ok");
    EXPECT_EQ(rows(elsewhere.conns.sMastConn, "select estname,eststatus,estdate from master"),
              QStringList{"SmithGarage | Accepted | 2025-11-02"});
}

struct BadRow {
    const char* key;
    QJsonValue value;
};

TEST_F(JobArchiveTest, ForeignDamagedAndHostileFilesAreRefusedAndAddNothing) {
    const QStringList before = registerRows();
    const QStringList folders = QDir(ctx->folder.estimatesDir()).entryList(QDir::AllEntries | QDir::Hidden);
    auto expectRefused = [&](const QString& path, const QString& message) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(importFile(path), 0);
        EXPECT_TRUE(prompter.log().last().startsWith("message: Quorvex | " + message))
            << prompter.log().last().toStdString();
        EXPECT_EQ(registerRows(), before);
        EXPECT_EQ(QDir(ctx->folder.estimatesDir()).entryList(QDir::AllEntries | QDir::Hidden), folders);
    };
    QFile whole(exported);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    const QString truncated = backupDir.filePath("truncated.qxjob");
    QFile cut(truncated);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() * 2 / 3));
    cut.close();
    expectRefused(truncated, JobArchive::damagedMessage(truncated));
    expectRefused(ctx->folder.mastFile(), JobArchive::notAJobMessage(ctx->folder.mastFile()));
    const QString backup = ProgramBackup::write(ctx->folder, backupDir.path(), at(9, 0));
    expectRefused(backup, JobArchive::notAJobMessage(backup));

    const std::vector<BadRow> rowsRefused{
        {"name", "../../data"},
        {"name", ""},
        {"name", "Smith/Garage"},
        {"name", QString(51, 'a')},
        {"name", ".hidden"},
        {"name", QString::fromUtf8("Smith\u202eGarage")},
        {"status", "Bogus"},
        {"status", "'; drop table master;--"},
        {"date", "11/2/2025"},
        {"date", "2025-13-40"},
        {"length", -1},
        {"length", 2.5},
        {"length", "30"},
        {"type", QString(26, 'T')},
        {"address", QString(10000, 'x')},
        {"revisionDigests", "R1"},
        {"revisionDigests", QJsonObject{{"0", QString(64, 'a')}}},
        {"revisionDigests", QJsonObject{{"01", QString(64, 'a')}}},
        {"revisionDigests", QJsonObject{{"1", QString(63, 'a')}}},
        {"revisionDigests", QJsonObject{{"1", QString(64, 'A')}}},
    };
    for (const BadRow& bad : rowsRefused) {
        SCOPED_TRACE(bad.key);
        const QString changed = withRow(bad.key, bad.value);
        expectRefused(changed, JobArchive::damagedMessage(changed));
    }
    // A row that passes the rules, hostile as it looks, is taken as it stands.
    const QString quoted = withRow("address", QString::fromUtf8("1 O'Neil \"Way\"; drop table master;-- 🏠"));
    ASSERT_GT(importFile(quoted), 0);
    EXPECT_EQ(rows(mast(), "select estaddress from master order by id desc limit 1"),
              QStringList{QString::fromUtf8("1 O'Neil \"Way\"; drop table master;-- 🏠")});
}

TEST_F(JobArchiveTest, ACancelledExportWritesNothing) {
    prompter.queueFile(QString());
    EXPECT_EQ(JobCommands(*ctx).exportEstimate(smithId), QString());
    EXPECT_EQ(QDir(backupDir.path()).entryList(QDir::Files), QStringList{"Smith.qxjob"});
}

TEST_F(JobArchiveTest, AnEstimateWhoseFileIsGoneOrOutsideItsFolderIsNotExported) {
    for (const char* path : {"..\\data\\MastEst.mdb", "SmithGarage\\Missing.mdb", ""}) {
        SCOPED_TRACE(path);
        ctx->data.file(mast()).exec("update master set estpath=?", {QString(path)});
        prompter.queueFile(backupDir.filePath("Elsewhere.qxjob"));
        EXPECT_EQ(JobCommands(*ctx).exportEstimate(smithId), QString());
        EXPECT_TRUE(prompter.log().last().contains("in procedure cmdExport_Click of Form frmManageStatus"))
            << prompter.log().last().toStdString();
        EXPECT_FALSE(QFileInfo::exists(backupDir.filePath("Elsewhere.qxjob")));
    }
}

} // namespace

} // namespace qxtest
