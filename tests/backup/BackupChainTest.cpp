#include "BackupFixture.h"

#include "backup/BackupArchive.h"
#include "backup/BackupFolderRule.h"
#include "backup/BackupPruning.h"
#include "backup/ProgramBackup.h"
#include "backup/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

using namespace qx;

namespace qxtest {

namespace {

class BackupChainTest : public BackupTest {
protected:
    // Every row of the register, the cost database and each estimate of a program folder.
    QStringList snapshot(const ProgramFolder& folder, const QStringList& estimates) {
        QStringList all =
            everything(folder.connections().sMastConn) + everything(folder.connections().sCostConn);
        for (const QString& name : estimates)
            all << name << everything(folder.estimateConn(ProgramFolder::storedEstimatePath(name)));
        return all;
    }
    QStringList restoredSnapshot(const QString& archive, const QStringList& estimates) {
        QTemporaryDir unpacked;
        BackupArchive backup(archive);
        EXPECT_TRUE(backup.extractTo(unpacked.path()));
        return snapshot(ProgramFolder(unpacked.path()), estimates);
    }
    void change(const QString& estimate, const QString& summary) {
        ctx->data.file(ctx->folder.estimateConn(ProgramFolder::storedEstimatePath(estimate)))
            .exec("update main set estsummary=?", {summary});
    }
    QStringList heldFiles(const QString& archive) {
        QStringList names = ZipReader(archive).entries();
        names.removeAll(ArchiveManifest::kManifestEntry);
        names.sort();
        return names;
    }
};

TEST_F(BackupChainTest, EveryKeptBackupOfAChainRestoresItsOwnDataAfterPruning) {
    saveEstimate("Smith", "Garage", {1250, 990});
    saveEstimate("Jones", "Tear Off", {4599});
    QStringList estimates{"SmithGarage", "JonesTearOff"};
    const QString whole = ProgramBackup::write(ctx->folder, backupDir.path(), at(9, 0));
    const QStringList atWhole = snapshot(ctx->folder, estimates);

    change("JonesTearOff", "First change");
    const QString firstChange = ProgramBackup::writeChanges(ctx->folder, backupDir.path(), at(9, 5));
    EXPECT_EQ(heldFiles(firstChange), QStringList{"estimates/JonesTearOff/JonesTearOff.mdb"});
    const QStringList atFirstChange = snapshot(ctx->folder, estimates);
    const BackupPreview preview = BackupArchive(firstChange).preview();
    QStringList shown;
    for (const ArchivedEstimate& estimate : preview.estimates)
        shown << estimate.name + " in " + estimate.heldIn;
    EXPECT_EQ(shown, (QStringList{"JonesTearOff in " + QFileInfo(firstChange).fileName(),
                                  "SmithGarage in " + QFileInfo(whole).fileName()}));
    EXPECT_EQ(preview.dataHeldIn, QFileInfo(whole).fileName());
    EXPECT_NE(atFirstChange, atWhole);

    // Nothing changed: no archive.
    EXPECT_TRUE(ProgramBackup::writeChanges(ctx->folder, backupDir.path(), at(9, 10)).isEmpty());
    EXPECT_EQ(backupsIn(backupDir.path()).size(), 2);

    saveEstimate("Brown", "Reroof", {100, 200});
    const QString secondChange = ProgramBackup::writeChanges(ctx->folder, backupDir.path(), at(9, 15));
    EXPECT_FALSE(heldFiles(secondChange).contains("estimates/SmithGarage/SmithGarage.mdb"));
    EXPECT_FALSE(heldFiles(secondChange).contains("estimates/JonesTearOff/JonesTearOff.mdb"));
    const QStringList withBrown = estimates + QStringList{"BrownReroof"};
    const QStringList atSecondChange = snapshot(ctx->folder, withBrown);

    // Keeping one: the other two hold what it names unchanged.
    EXPECT_TRUE(pruneBackups(backupDir.path(), 1).isEmpty());
    EXPECT_EQ(restoredSnapshot(whole, estimates), atWhole);
    EXPECT_EQ(restoredSnapshot(firstChange, estimates), atFirstChange);
    EXPECT_EQ(restoredSnapshot(secondChange, withBrown), atSecondChange);

    // After a whole backup and one more change, the older chain is needed no more.
    const QString nextWhole = ProgramBackup::write(ctx->folder, backupDir.path(), at(10, 0));
    change("SmithGarage", "Second change");
    const QString last = ProgramBackup::writeChanges(ctx->folder, backupDir.path(), at(10, 5));
    const QStringList atLast = snapshot(ctx->folder, withBrown);
    EXPECT_EQ(pruneBackups(backupDir.path(), 1),
              (QStringList{QFileInfo(whole).fileName(), QFileInfo(firstChange).fileName(),
                           QFileInfo(secondChange).fileName()}));
    EXPECT_EQ(restoredSnapshot(nextWhole, withBrown), atSecondChange);
    EXPECT_EQ(restoredSnapshot(last, withBrown), atLast);
}

TEST_F(BackupChainTest, FilesThatSettledBeforeABackupAreKnownByTheirStampAndRestore) {
    saveEstimate("Smith", "Garage", {1250});
    saveEstimate("Jones", "Tear Off", {4599});
    const QStringList estimates{"SmithGarage", "JonesTearOff"};
    ctx->pool.closeAll();
    QThread::msleep(2100);
    ProgramBackup::write(ctx->folder, backupDir.path(), at(9, 0));
    change("JonesTearOff", "Changed");
    const QString changes = ProgramBackup::writeChanges(ctx->folder, backupDir.path(), at(9, 5));
    EXPECT_EQ(heldFiles(changes), QStringList{"estimates/JonesTearOff/JonesTearOff.mdb"});
    EXPECT_EQ(restoredSnapshot(changes, estimates), snapshot(ctx->folder, estimates));
}

TEST_F(BackupChainTest, ABackupWhoseHolderIsGoneOrReplacedIsRefused) {
    saveEstimate("Smith", "Garage", {1250});
    const QString whole = ProgramBackup::write(ctx->folder, backupDir.path(), at(9, 0));
    change("SmithGarage", "Changed");
    const QString changes = ProgramBackup::writeChanges(ctx->folder, backupDir.path(), at(9, 5));
    const QString holds = QFileInfo(whole).fileName();

    // Another whole backup under the holder's name: the same files, other bytes.
    const QString other = ProgramBackup::write(ctx->folder, backupDir.path(), at(9, 10));
    ASSERT_TRUE(QFile::rename(whole, whole + ".kept"));
    ASSERT_TRUE(QFile::copy(other, whole));
    for (const bool replaced : {true, false}) {
        if (!replaced)
            QFile::remove(whole);
        try {
            BackupArchive archive(changes);
            ADD_FAILURE() << "opened with its holder " << (replaced ? "replaced" : "gone");
        } catch (const ArchiveRefused& refused) {
            EXPECT_TRUE(refused.message().startsWith(BackupArchive::damagedMessage(changes)));
            EXPECT_TRUE(refused.message().contains("It needs the backup " + holds))
                << refused.message().toStdString();
        }
    }
}

// A backup written before content hashes were kept: the same files under a manifest of version 1.
QString asFirstVersion(const QString& archive, const QString& target) {
    ZipReader in(archive);
    QJsonObject manifest = QJsonDocument::fromJson(in.read(ArchiveManifest::kManifestEntry)).object();
    QJsonArray files;
    QTemporaryDir scratch;
    ZipWriter out(target);
    for (const QJsonValue& value : manifest.value("files").toArray()) {
        const QString name = value.toObject().value("name").toString();
        files.append(QJsonObject{{"name", name}, {"size", value.toObject().value("size")}});
        const QString file = scratch.filePath(QString::number(files.size()));
        in.extract(name, file);
        out.addFile(name, file);
    }
    manifest.insert("version", 1);
    manifest.insert("files", files);
    out.addBytes(ArchiveManifest::kManifestEntry, QJsonDocument(manifest).toJson());
    out.finish();
    return target;
}

TEST_F(BackupChainTest, AnArchiveOfTheFirstFormatRestoresAndIsFollowedByAWholeBackup) {
    saveEstimate("Smith", "Garage", {1250});
    QTemporaryDir elsewhere;
    const QString written = ProgramBackup::write(ctx->folder, elsewhere.path(), at(8, 0));
    const QString old = asFirstVersion(written, backupDir.filePath("Quorvex-backup-2025-01-01-0800.zip"));
    EXPECT_EQ(restoredSnapshot(old, {"SmithGarage"}), snapshot(ctx->folder, {"SmithGarage"}));

    // Its files carry no hash, so none can be named: the next backup holds them all.
    const QString next = ProgramBackup::writeChanges(ctx->folder, backupDir.path(), at(9, 0));
    EXPECT_EQ(heldFiles(next), heldFiles(old));
    EXPECT_EQ(pruneBackups(backupDir.path(), 1), QStringList{QFileInfo(old).fileName()});
}

TEST_F(BackupChainTest, ABackupFolderInsideDataOrEstimatesIsRefused) {
    const QString root = ctx->folder.root();
    ASSERT_TRUE(QFile::link(ctx->folder.estimatesDir(), root + "/link-to-estimates"));
    ASSERT_TRUE(QDir().mkpath(root + "/elsewhere"));
    struct Case {
        QString folder;
        bool refused;
    };
    const std::vector<Case> cases{
        {ctx->folder.dataDir(), true},
        {ctx->folder.estimatesDir() + "/", true},
        {ctx->folder.estimatesDir() + "/SmithGarage/backups", true},
        {root + "/elsewhere/../data/new/backups", true},
        {root + "/link-to-estimates/backups", true},
        {root + "/link-to-estimates/../data", true},
        {root + "/data-copies", false},
        {root + "/elsewhere/backups", false},
        {root, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder.toStdString());
        const std::optional<QString> refusal = backupFolderRefusal(ctx->folder, c.folder);
        EXPECT_EQ(refusal.has_value(), c.refused);
        if (!c.refused)
            continue;
        EXPECT_TRUE(refusal->startsWith("The backup folder cannot be inside ")) << refusal->toStdString();
        try {
            ProgramBackup::writeChanges(ctx->folder, c.folder, at(9, 0));
            ADD_FAILURE() << "written";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.description(), *refusal);
        }
    }
    EXPECT_FALSE(QFileInfo::exists(root + "/data/new"));
    EXPECT_EQ(QDir(ctx->folder.estimatesDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{});
}

} // namespace

} // namespace qxtest
