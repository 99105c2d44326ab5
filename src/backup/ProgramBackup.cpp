#include "backup/ProgramBackup.h"

#include "backup/ArchiveManifest.h"
#include "backup/BackupFolderRule.h"
#include "backup/EarlierBackup.h"
#include "backup/ZipArchive.h"
#include "data/DatabaseCopy.h"
#include "data/FileHash.h"
#include "revisions/RevisionStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <optional>

namespace qx {

namespace {

const QString kPrefix = QStringLiteral("Quorvex-backup-");
const QString kSuffix = QStringLiteral(".zip");

bool isDatabaseName(const QString& name) {
    return name.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive);
}

bool isLeftOut(const ProgramFolder& folder, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return path == folder.lockFile() || name.startsWith(QFileInfo(folder.lockFile()).fileName()) ||
           name.endsWith(QLatin1String("-journal")) || name.endsWith(QLatin1String("-wal")) ||
           name.endsWith(QLatin1String("-shm"));
}

// Copies a database into `staged` with the first of its candidate passwords that opens it; the path
// of what is to be archived (the source itself when no password of the program opens it: it is no
// database of the program's and goes in as it is), or nothing when `keepGoing` stopped the copy.
std::optional<QString> copyThroughBackupApi(const QString& source, const QString& staged,
                                            const KeepGoing& keepGoing) {
    for (const QString& key : candidateKeys(source)) {
        try {
            if (!copyDatabase(source, key, staged, keepGoing))
                return std::nullopt;
            return staged;
        } catch (const Failure& failure) {
            if (failure.number() != kNotADatabase)
                throw;
        }
    }
    return source;
}

// How long ago a file must have changed for its stamp to be trusted: a change within the same tick of
// the file system's clock, after the stamp was read, would otherwise go unseen.
constexpr qint64 kSettledMs = 2000;

// The size and times of last change of a file's content and of its entry (which no program can set back,
// so a file put in its place is seen too), or empty for a file changed too recently to tell a later
// change in the same tick (it is then compared by content next time).
QString stampOf(const QString& path) {
    const QFileInfo info(path);
    const QDateTime written = info.lastModified();
    const QDateTime changed = info.metadataChangeTime();
    const QDateTime now = QDateTime::currentDateTime();
    if (written.msecsTo(now) < kSettledMs || changed.msecsTo(now) < kSettledMs)
        return {};
    return QStringLiteral("%1:%2:%3")
        .arg(info.size())
        .arg(written.toMSecsSinceEpoch())
        .arg(changed.toMSecsSinceEpoch());
}

QString uniqueArchivePath(const QString& backupFolder, const QDateTime& now) {
    const QString base = ProgramBackup::archiveName(now);
    QString path = backupFolder + QLatin1Char('/') + base;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo::exists(path + QStringLiteral(".partial")); ++n)
        path = backupFolder + QLatin1Char('/') + base.chopped(kSuffix.size()) + QStringLiteral("-%1").arg(n) +
               kSuffix;
    return path;
}

} // namespace

QString ProgramBackup::archiveName(const QDateTime& when) {
    return kPrefix + when.toString(QStringLiteral("yyyy-MM-dd-HHmm")) + kSuffix;
}

bool ProgramBackup::isArchiveName(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^Quorvex-backup-\\d{4}-\\d{2}-\\d{2}-\\d{4}(-[1-9]\\d*)?\\.zip$"));
    return pattern.match(fileName).hasMatch();
}

QStringList ProgramBackup::filesToArchive(const ProgramFolder& folder) {
    QStringList files;
    for (const QString& top : {folder.dataDir(), folder.estimatesDir()}) {
        QDirIterator it(top, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!isLeftOut(folder, path))
                files << QDir(folder.root()).relativeFilePath(path);
        }
    }
    files.sort();
    return files;
}

QString ProgramBackup::write(const ProgramFolder& folder, const QString& backupFolder, const QDateTime& now,
                             const ProgressStep& progress) {
    return writeArchive(folder, backupFolder, now, progress, nullptr);
}

QString ProgramBackup::writeChanges(const ProgramFolder& folder, const QString& backupFolder,
                                    const QDateTime& now, const ProgressStep& progress) {
    const std::optional<EarlierBackup> earlier = EarlierBackup::newestIn(backupFolder);
    return writeArchive(folder, backupFolder, now, progress, earlier ? &*earlier : nullptr);
}

QString ProgramBackup::writeArchive(const ProgramFolder& folder, const QString& backupFolder,
                                    const QDateTime& now, const ProgressStep& progress,
                                    const EarlierBackup* earlier) {
    if (const auto refusal = backupFolderRefusal(folder, backupFolder))
        throw Failure(kErrPathNotFound, *refusal);
    if (!QDir().mkpath(backupFolder))
        throw Failure(kErrPathNotFound, QStringLiteral("Path not found: '%1'.").arg(backupFolder));
    const QString archive = uniqueArchivePath(backupFolder, now);
    const QString partial = archive + QStringLiteral(".partial");
    QTemporaryDir staging(backupFolder + QStringLiteral("/.quorvex-staging-XXXXXX"));
    if (!staging.isValid())
        throw Failure(kErrFileAccess, QStringLiteral("Could not write in '%1'.").arg(backupFolder));

    const QStringList files = filesToArchive(folder);
    ArchiveManifest manifest;
    manifest.kind = ArchiveKind::Backup;
    manifest.created = now;
    int held = 0; // files this archive holds itself
    bool cancelled = false;
    {
        std::optional<ZipWriter> zip;
        try {
            zip.emplace(partial);
            const KeepGoing keepGoing = [&] {
                return !progress || progress(QString(), -1, int(files.size()));
            };
            for (int i = 0; i < files.size() && !cancelled; ++i) {
                const QString& relative = files.at(i);
                if (progress && !progress(relative, i, int(files.size()))) {
                    cancelled = true;
                    break;
                }
                const QString source = folder.root() + QLatin1Char('/') + relative;
                const QString stamp = stampOf(source);
                // Unchanged by its stamp, read no further; else by the bytes of its file.
                const ManifestEntry* same = earlier ? earlier->sameStamp(relative, stamp) : nullptr;
                QString sourceHash;
                if (!same) {
                    sourceHash = sha256Of(source);
                    same = earlier ? earlier->sameSource(relative, sourceHash) : nullptr;
                }
                if (same) {
                    ManifestEntry entry = *same;
                    entry.stamp = stamp;
                    manifest.files.append(entry);
                    continue;
                }
                QString packed = source;
                // A sent revision's estimate file is never written again: it goes in byte for byte, so
                // that its recorded digest still holds once restored.
                if (isDatabaseName(relative) && !RevisionStore::isFrozenFile(source)) {
                    const auto copied =
                        copyThroughBackupApi(source, staging.filePath(QString::number(i)), keepGoing);
                    if (!copied) {
                        cancelled = true;
                        break;
                    }
                    packed = *copied;
                }
                zip->addFile(relative, packed);
                ++held;
                manifest.files.append(
                    {relative, QFileInfo(packed).size(), sha256Of(packed), QString(), stamp, sourceHash});
                if (packed != source)
                    QFile::remove(packed);
            }
            if (!cancelled) {
                zip->addBytes(ArchiveManifest::kManifestEntry, manifest.toJson());
                zip->finish();
            }
        } catch (const Failure&) {
            zip.reset();
            QFile::remove(partial);
            throw;
        }
    }
    // Nothing changed since the earlier backup: it still restores today's data.
    const bool unchanged = earlier && held == 0 && files.size() == earlier->fileCount();
    if (cancelled || unchanged) {
        QFile::remove(partial);
        return {};
    }
    if (!QFile::rename(partial, archive)) {
        QFile::remove(partial);
        throw Failure(kErrFileAccess, QStringLiteral("Could not write '%1'.").arg(archive));
    }
    return archive;
}

} // namespace qx
