#pragma once

#include "backup/ArchiveManifest.h"
#include "backup/ProgramBackup.h"

#include <QHash>
#include <map>
#include <memory>

namespace qx {

class ZipReader;

// One estimate as a backup's register lists it.
struct ArchivedEstimate {
    QString name;
    QString status;
    QString date;   // as stored: YYYY-MM-DD
    QString heldIn; // the file name of the backup that holds its file
};

// What the restore preview shows of a backup.
struct BackupPreview {
    QDateTime created;
    QList<ArchivedEstimate> estimates; // sorted by name
    qint64 costItems = 0;
    QString dataHeldIn; // the file name of the backup that holds the register
};

// A backup archive opened for restoring. Opening checks that it is one of the program's backups and
// that it is whole: a manifest of the backup kind, every file it lists present with its size, and the
// estimate register and cost database among them. A file it names as held by an earlier backup must be
// in that backup, beside this one, under the same content hash. Anything else is refused
// (ArchiveRefused).
class BackupArchive {
public:
    explicit BackupArchive(const QString& path);
    ~BackupArchive();
    BackupArchive(const BackupArchive&) = delete;
    BackupArchive& operator=(const BackupArchive&) = delete;

    const QString& path() const { return m_path; }
    const ArchiveManifest& manifest() const { return m_manifest; }

    // Reads the archived register and cost database: the estimates and the number of cost items.
    // Refused when either cannot be read.
    BackupPreview preview();
    // Writes every archived file below `folder` (data/..., estimates/...), gathered from the backups that
    // hold them, each checked against its checksum and content hash; the databases must open. False when
    // `progress` cancelled. Throws ArchiveRefused for a damaged file, Failure when the folder cannot be
    // written.
    bool extractTo(const QString& folder, const ProgressStep& progress = {});

    // "The file X is not a Quorvex backup." and "The backup X is damaged and cannot be restored."
    static QString notABackupMessage(const QString& path);
    static QString damagedMessage(const QString& path);

private:
    [[noreturn]] void refuseDamaged(const QString& detail) const;
    void openHolders();
    const ManifestEntry& entry(const QString& name) const;
    // The file name of the backup holding a file.
    QString holderOf(const ManifestEntry& file) const;
    void extract(const ManifestEntry& file, const QString& target);

    QString m_path;
    std::unique_ptr<ZipReader> m_zip;
    ArchiveManifest m_manifest;
    QHash<QString, qsizetype> m_index;                       // file name -> place in the manifest
    std::map<QString, std::unique_ptr<ZipReader>> m_holders; // earlier backups by file name
};

} // namespace qx
