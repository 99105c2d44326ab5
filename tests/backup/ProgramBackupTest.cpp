#include "BackupFixture.h"

#include "backup/BackupArchive.h"
#include "backup/BackupPruning.h"
#include "backup/ProgramBackup.h"
#include "backup/ZipArchive.h"
#include "data/DatabaseCopy.h"

#include <QDir>
#include <QFile>

using namespace qx;

namespace qxtest {

namespace {

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST_F(BackupTest, ArchiveOfThreeEstimatesWhileOneIsOpenHoldsEveryCommittedRow) {
    saveEstimate("Smith", "Garage", {1250, 990});
    saveEstimate("Jones", "Tear Off", {4599});
    startEstimate("Brown", "Reroof", {100, 200, 300});
    ASSERT_EQ(SaveEstimate(*ctx, state, *lines).saveWithoutQuestion("Open one", "Terms"), SaveOutcome::Saved);
    const Conn open = state.sEstConn;

    // The open estimate is in the middle of a change nobody committed: the backup holds its saved state.
    const QStringList committed = everything(open);
    Database& file = ctx->data.file(open);
    Transaction unfinished(file);
    file.exec("delete from lineitems");
    file.exec("update main set estsummary='half done'");
    const QString archive = ProgramBackup::write(ctx->folder, backupDir.path(), at(9, 5));
    ASSERT_EQ(QFileInfo(archive).fileName(), "Quorvex-backup-2026-03-14-0905.zip");
    EXPECT_EQ(filesIn(backupDir.path()), QStringList{"Quorvex-backup-2026-03-14-0905.zip"});

    QTemporaryDir unpacked;
    BackupArchive backup(archive);
    ASSERT_TRUE(backup.extractTo(unpacked.path()));
    const ProgramFolder restored(unpacked.path());
    EXPECT_FALSE(QFileInfo::exists(restored.lockFile()));
    struct Db {
        Conn source;
        Conn copy;
    };
    std::vector<Db> databases{{mast(), restored.connections().sMastConn},
                              {cost(), restored.connections().sCostConn}};
    for (const char* name : {"SmithGarage", "JonesTearOff", "BrownReroof"}) {
        const QString stored = ProgramFolder::storedEstimatePath(name);
        databases.push_back({ctx->folder.estimateConn(stored), restored.estimateConn(stored)});
    }
    for (const Db& db : databases) {
        SCOPED_TRACE(db.copy.path.toStdString());
        EXPECT_EQ(integrityCheck(db.copy.path, db.copy.password), "ok");
        const QStringList copied = everything(db.copy);
        EXPECT_EQ(copied, db.source == open ? committed : everything(db.source));
        EXPECT_GT(copied.size(), 4);
    }
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList{"3"});
}

TEST_F(BackupTest, CancelledOrFailedBackupLeavesNothingBehind) {
    saveEstimate("Smith", "Garage", {1250});
    int calls = 0;
    const QString cancelled =
        ProgramBackup::write(ctx->folder, backupDir.path(), at(10, 0),
                             [&](const QString&, int done, int) { return ++calls < 3 || done < 0; });
    EXPECT_TRUE(cancelled.isEmpty());
    EXPECT_GE(calls, 3);
    EXPECT_TRUE(filesIn(backupDir.path()).isEmpty());

    // A backup folder that cannot be made (a file stands in its way) fails without a trace.
    const QString blocked = backupDir.filePath("blocked");
    QFile(blocked).open(QIODevice::WriteOnly);
    EXPECT_THROW(ProgramBackup::write(ctx->folder, blocked + "/inside", at(10, 0)), Failure);
    EXPECT_EQ(filesIn(backupDir.path()), QStringList{"blocked"});
}

TEST_F(BackupTest, SeveralBackupsInOneMinuteGetTheirOwnNames) {
    const QString first = ProgramBackup::write(ctx->folder, backupDir.path(), at(23, 59));
    const QString second = ProgramBackup::write(ctx->folder, backupDir.path(), at(23, 59));
    EXPECT_EQ(QFileInfo(first).fileName(), "Quorvex-backup-2026-03-14-2359.zip");
    EXPECT_EQ(QFileInfo(second).fileName(), "Quorvex-backup-2026-03-14-2359-2.zip");
    EXPECT_TRUE(ProgramBackup::isArchiveName("Quorvex-backup-2026-03-14-2359-2.zip"));
    EXPECT_FALSE(ProgramBackup::isArchiveName("Quorvex-backup-2026-03-14-2359-0.zip"));
    EXPECT_FALSE(ProgramBackup::isArchiveName("Quorvex-backup-2026-03-14.zip"));
    EXPECT_FALSE(ProgramBackup::isArchiveName("Quorvex-backup-2026-03-14-2359.zip.partial"));
}

TEST_F(BackupTest, PruningKeepsTheNewestBackupsAndNothingElse) {
    const QStringList names{
        "Quorvex-backup-2026-03-14-0900.zip",        "Quorvex-backup-2026-03-14-0900-2.zip",
        "Quorvex-backup-2026-03-14-0900-10.zip",     "Quorvex-backup-2025-12-31-2359.zip",
        "Quorvex-backup-2026-03-15-0800.zip",        "notes.zip",
        "Quorvex-backup-2026-03-14-0900.zip.partial"};
    for (const QString& name : names)
        QFile(backupDir.filePath(name)).open(QIODevice::WriteOnly);
    EXPECT_EQ(backupsIn(backupDir.path()),
              (QStringList{"Quorvex-backup-2025-12-31-2359.zip", "Quorvex-backup-2026-03-14-0900.zip",
                           "Quorvex-backup-2026-03-14-0900-2.zip", "Quorvex-backup-2026-03-14-0900-10.zip",
                           "Quorvex-backup-2026-03-15-0800.zip"}));
    EXPECT_TRUE(pruneBackups(backupDir.path(), 0).isEmpty());
    EXPECT_EQ(pruneBackups(backupDir.path(), 2),
              (QStringList{"Quorvex-backup-2025-12-31-2359.zip", "Quorvex-backup-2026-03-14-0900.zip",
                           "Quorvex-backup-2026-03-14-0900-2.zip"}));
    EXPECT_EQ(filesIn(backupDir.path()), (QStringList{"notes.zip", "Quorvex-backup-2026-03-14-0900-10.zip",
                                                      "Quorvex-backup-2026-03-14-0900.zip.partial",
                                                      "Quorvex-backup-2026-03-15-0800.zip"}));
    EXPECT_TRUE(pruneBackups(backupDir.path(), 10).isEmpty());
}

} // namespace

} // namespace qxtest
