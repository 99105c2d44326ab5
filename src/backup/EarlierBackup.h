#pragma once

#include "backup/ArchiveManifest.h"

#include <QHash>
#include <optional>

namespace qx {

// What an earlier backup of a backup folder knows of each file: its stamp, its content hash and the
// archive that holds it (that backup itself, or the one it names). Only files whose holding archive is
// still in the folder and whose hash is known can be named by a later backup instead of held again.
class EarlierBackup {
public:
    // The newest backup of the folder that can be read; nothing when there is none.
    static std::optional<EarlierBackup> newestIn(const QString& backupFolder);
    // The manifest of a backup archive, or nothing when it cannot be read as one.
    static std::optional<ArchiveManifest> manifestOf(const QString& archive);

    // The file as this backup saw it, when `stamp` (not empty) is the one it saw.
    const ManifestEntry* sameStamp(const QString& name, const QString& stamp) const;
    // The file as this backup saw it, when the file it was taken from had the hash `source`.
    const ManifestEntry* sameSource(const QString& name, const QString& source) const;
    // How many files this backup restores.
    qsizetype fileCount() const { return m_count; }

private:
    QHash<QString, ManifestEntry> m_files; // held in: the archive's file name, never empty
    qsizetype m_count = 0;
};

} // namespace qx
