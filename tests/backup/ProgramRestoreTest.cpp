#include "BackupFixture.h"

#include "backup/BackupArchive.h"
#include "backup/ProgramBackup.h"
#include "backup/ProgramRestore.h"
#include "backup/ZipArchive.h"
#include "data/DatabaseCopy.h"
#include "data/DateText.h"
#include "data/StoredPath.h"

#include <QDir>
#include <QFile>

using namespace qx;

namespace qxtest {

namespace {

class RestoreTest : public BackupTest {
protected:
    // Every file below data/ and estimates/ with its contents' size, and the register's rows.
    QStringList programState() {
        QStringList all = ProgramBackup::filesToArchive(ctx->folder);
        all << rows(mast(), "select id,estname,eststatus,estpath from master order by id");
        return all;
    }
    QString restore(const QString& archive) {
        return ProgramRestore::restore(ctx->folder, ctx->pool, archive, backupDir.path(), at(12, 0));
    }
};

TEST_F(RestoreTest, RestoreBringsBackTheArchivedDataAndKeepsWhatItReplaced) {
    saveEstimate("Smith", "Garage", {1250, 990});
    saveEstimate("Jones", "Tear Off", {4599});
    const QStringList archived = everything(ctx->folder.estimateConn("SmithGarage\\SmithGarage.mdb"));
    const QString archive = ProgramBackup::write(ctx->folder, backupDir.path(), at(9, 0));
    const QStringList before = programState();

    BackupArchive opened(archive);
    const BackupPreview preview = opened.preview();
    ASSERT_EQ(preview.estimates.size(), 2);
    EXPECT_EQ(preview.estimates.at(0).name, "JonesTearOff");
    EXPECT_EQ(preview.estimates.at(1).name, "SmithGarage");
    EXPECT_EQ(preview.estimates.at(1).status, "Pending");
    EXPECT_EQ(preview.estimates.at(1).date, storedDate(QDate::currentDate()));
    EXPECT_EQ(preview.costItems, ctx->data.ReadScalar(cost(), "select count(*) from costitem").toLongLong());
    EXPECT_GT(preview.costItems, 0);
    EXPECT_EQ(preview.created, at(9, 0));

    // Later work: Smith's lines change, Jones goes, a third estimate comes.
    ctx->data.file(ctx->folder.estimateConn("SmithGarage\\SmithGarage.mdb")).exec("delete from lineitems");
    ctx->data.file(mast()).exec("delete from master where estname='JonesTearOff'");
    QDir(ctx->folder.estimateFolder("JonesTearOff")).removeRecursively();
    saveEstimate("Brown", "Reroof", {100});
    const QStringList later = programState();

    const QString safety = restore(archive);
    ASSERT_FALSE(safety.isEmpty());
    EXPECT_EQ(QFileInfo(safety).fileName(), "Quorvex-backup-2026-03-14-1200.zip");
    EXPECT_EQ(programState(), before);
    EXPECT_EQ(everything(ctx->folder.estimateConn("SmithGarage\\SmithGarage.mdb")), archived);
    QStringList top =
        QDir(ctx->folder.root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    top.sort();
    EXPECT_EQ(top, (QStringList{"Templates", "data", "estimates", "help"}));

    // The data the restore replaced is in the backup it made first.
    EXPECT_EQ(restore(safety), QFileInfo(archive).absolutePath() + "/Quorvex-backup-2026-03-14-1200-2.zip");
    EXPECT_EQ(programState(), later);
}

TEST_F(RestoreTest, RestoreIntoAnEmptyProgramFolderGivesEveryEstimateOpenable) {
    saveEstimate("Smith", "Garage", {1250});
    saveEstimate("Jones", "Tear Off", {4599});
    const QString archive = ProgramBackup::write(ctx->folder, backupDir.path(), at(9, 0));

    QTemporaryDir empty;
    ConnectionPool pool;
    const ProgramFolder fresh(empty.path());
    ASSERT_FALSE(ProgramRestore::restore(fresh, pool, archive, backupDir.path(), at(9, 30)).isEmpty());
    const ResultSet reg =
        ctx->data.Read(fresh.connections().sMastConn, "select estpath from master order by estname");
    ASSERT_EQ(reg.size(), 2);
    for (const QVariantList& row : reg.rows) {
        const Conn est = fresh.estimateConn(row.at(0).toString());
        EXPECT_EQ(integrityCheck(est.path, est.password), "ok");
        EXPECT_EQ(ctx->data.ReadScalar(est, "select count(*) from lineitems").toInt(), 1);
    }
}

// A file written as a backup, then spoilt in one way.
struct Spoilt {
    const char* what;
    std::function<void(const QString& archive, const QString& target)> make;
    bool damaged; // else: not a backup at all
};

TEST_F(RestoreTest, ForeignAndDamagedFilesAreRefusedAndChangeNothing) {
    saveEstimate("Smith", "Garage", {1250});
    const QString good = ProgramBackup::write(ctx->folder, backupDir.path(), at(9, 0));
    auto bytesOf = [](const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    };
    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    };
    const std::vector<Spoilt> cases{
        {"truncated",
         [&](const QString& a, const QString& t) { write(t, bytesOf(a).left(bytesOf(a).size() / 2)); }, true},
        {"end cut off", [&](const QString& a, const QString& t) { write(t, bytesOf(a).chopped(30)); }, true},
        {"a byte changed inside a database",
         [&](const QString& a, const QString& t) {
             QByteArray bytes = bytesOf(a);
             bytes[bytes.size() / 3] = char(bytes[bytes.size() / 3] ^ 0x5a);
             write(t, bytes);
         },
         true},
        {"a text file", [&](const QString&, const QString& t) { write(t, "just some notes\n"); }, false},
        {"empty", [&](const QString&, const QString& t) { write(t, ""); }, false},
        {"a zip of something else",
         [&](const QString&, const QString& t) {
             ZipWriter zip(t);
             zip.addBytes("data/cost.mdb", "not a database");
             zip.finish();
         },
         false},
        {"a zip whose list names a missing file",
         [&](const QString& a, const QString& t) {
             ZipReader from(a);
             ZipWriter zip(t);
             for (const QString& entry : from.entries()) {
                 if (!entry.startsWith("estimates/"))
                     zip.addBytes(entry, from.read(entry));
             }
             zip.finish();
         },
         true},
        {"a zip that climbs out of its folder",
         [&](const QString& a, const QString& t) {
             ZipReader from(a);
             ZipWriter zip(t);
             QByteArray manifest = from.read("quorvex-manifest.json");
             manifest.replace("estimates/SmithGarage/SmithGarage.mdb", "estimates/../../SmithGarage.mdb");
             for (const QString& entry : from.entries()) {
                 const QString name =
                     entry.startsWith("estimates/") ? "estimates/../../SmithGarage.mdb" : entry;
                 zip.addBytes(name, entry == "quorvex-manifest.json" ? manifest : from.read(entry));
             }
             zip.finish();
         },
         true},
    };
    const QStringList before = programState();
    for (const Spoilt& spoilt : cases) {
        SCOPED_TRACE(spoilt.what);
        const QString path = backupDir.filePath(QStringLiteral("spoilt-%1.zip").arg(&spoilt - cases.data()));
        spoilt.make(good, path);
        const QString expected =
            spoilt.damaged ? BackupArchive::damagedMessage(path) : BackupArchive::notABackupMessage(path);
        try {
            restore(path);
            ADD_FAILURE() << "restored";
        } catch (const ArchiveRefused& refused) {
            EXPECT_TRUE(refused.message().startsWith(expected)) << refused.message().toStdString();
        }
        EXPECT_EQ(programState(), before);
    }
    // No backup of the current data was made for an archive that was refused.
    EXPECT_EQ(QDir(backupDir.path()).entryList({"Quorvex-backup-*"}),
              QStringList{QFileInfo(good).fileName()});
}

} // namespace

} // namespace qxtest
