#include "backup/EarlierBackup.h"

#include "backup/BackupPruning.h"
#include "backup/ZipArchive.h"

#include <QFileInfo>

namespace qx {

std::optional<ArchiveManifest> EarlierBackup::manifestOf(const QString& archive) {
    try {
        ZipReader zip(archive);
        return ArchiveManifest::verified(zip, ArchiveKind::Backup, QString(), QString());
    } catch (const ArchiveRefused&) {
    } catch (const Failure&) {
    }
    return std::nullopt;
}

std::optional<EarlierBackup> EarlierBackup::newestIn(const QString& backupFolder) {
    const QStringList names = backupsIn(backupFolder);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        const std::optional<ArchiveManifest> manifest = manifestOf(backupFolder + QLatin1Char('/') + *name);
        if (!manifest)
            continue;
        EarlierBackup earlier;
        earlier.m_count = manifest->files.size();
        QHash<QString, bool> present;
        for (ManifestEntry file : manifest->files) {
            if (file.heldIn.isEmpty())
                file.heldIn = *name;
            auto known = present.find(file.heldIn);
            if (known == present.end())
                known = present.insert(file.heldIn,
                                       QFileInfo::exists(backupFolder + QLatin1Char('/') + file.heldIn));
            if (*known && !file.sha256.isEmpty())
                earlier.m_files.insert(file.name, file);
        }
        return earlier;
    }
    return std::nullopt;
}

const ManifestEntry* EarlierBackup::sameStamp(const QString& name, const QString& stamp) const {
    const auto file = m_files.constFind(name);
    return file != m_files.cend() && !stamp.isEmpty() && file->stamp == stamp ? &*file : nullptr;
}

const ManifestEntry* EarlierBackup::sameSource(const QString& name, const QString& source) const {
    const auto file = m_files.constFind(name);
    return file != m_files.cend() && !file->source.isEmpty() && file->source == source ? &*file : nullptr;
}

} // namespace qx
