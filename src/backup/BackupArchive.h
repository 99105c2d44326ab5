#pragma once

#include "backup/ArchiveManifest.h"
#include "backup/ProgramBackup.h"

#include <memory>

namespace qx {

class ZipReader;

// One estimate as a backup's register lists it.
struct ArchivedEstimate {
    QString name;
    QString status;
    QString date; // as stored: YYYY-MM-DD
};

// What the restore preview shows of a backup.
struct BackupPreview {
    QDateTime created;
    QList<ArchivedEstimate> estimates; // sorted by name
    qint64 costItems = 0;
};

// A backup archive opened for restoring. Opening checks that it is one of the program's backups and
// that it is whole: a manifest of the backup kind, every file it lists present with its size, and the
// estimate register and cost database among them. Anything else is refused (ArchiveRefused).
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
    // Writes every archived file below `folder` (data/..., estimates/...), each checked against its
    // checksum; the databases must open. False when `progress` cancelled. Throws ArchiveRefused for
    // a damaged file, Failure when the folder cannot be written.
    bool extractTo(const QString& folder, const ProgressStep& progress = {});

    // "The file X is not a Quorvex backup." and "The backup X is damaged and cannot be restored."
    static QString notABackupMessage(const QString& path);
    static QString damagedMessage(const QString& path);

private:
    [[noreturn]] void refuseDamaged(const QString& detail) const;

    QString m_path;
    std::unique_ptr<ZipReader> m_zip;
    ArchiveManifest m_manifest;
};

} // namespace qx
