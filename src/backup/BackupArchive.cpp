#include "backup/BackupArchive.h"

#include "backup/DatabaseCopy.h"
#include "backup/ZipArchive.h"
#include "data/ProgramFolder.h"
#include "data/SqlFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace qx {

namespace {

const QString kRegisterEntry = QStringLiteral("data/MastEst.mdb");
const QString kCostEntry = QStringLiteral("data/cost.mdb");

// A zip archive starts with a local file header; anything else is no archive of the program at all.
bool looksLikeZip(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x03\x04", 4);
}

bool isArchivedFolder(const QString& entry) {
    return entry.startsWith(QLatin1String("data/")) || entry.startsWith(QLatin1String("estimates/"));
}

} // namespace

QString BackupArchive::notABackupMessage(const QString& path) {
    return QStringLiteral("The file %1 is not a Quorvex backup.").arg(QDir::toNativeSeparators(path));
}

QString BackupArchive::damagedMessage(const QString& path) {
    return QStringLiteral("The backup %1 is damaged and cannot be restored.")
        .arg(QDir::toNativeSeparators(path));
}

BackupArchive::BackupArchive(const QString& path)
    : m_path(path) {
    try {
        m_zip = std::make_unique<ZipReader>(path);
    } catch (const Failure& failure) {
        if (!looksLikeZip(path))
            throw ArchiveRefused(notABackupMessage(path));
        refuseDamaged(failure.description());
    }
    m_manifest =
        ArchiveManifest::verified(*m_zip, ArchiveKind::Backup, notABackupMessage(path), damagedMessage(path));
    QStringList listed;
    for (const ManifestEntry& file : m_manifest.files) {
        if (!isArchivedFolder(file.name))
            refuseDamaged(QStringLiteral("It holds a file outside data and estimates: %1").arg(file.name));
        listed << file.name;
    }
    for (const QString& needed : {kRegisterEntry, kCostEntry}) {
        if (!listed.contains(needed))
            refuseDamaged(QStringLiteral("It holds no %1.").arg(needed));
    }
}

BackupArchive::~BackupArchive() = default;

void BackupArchive::refuseDamaged(const QString& detail) const {
    throw ArchiveRefused(damagedMessage(m_path) + QLatin1Char('\n') + detail);
}

BackupPreview BackupArchive::preview() {
    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw Failure(kErrFileAccess, QStringLiteral("Could not make a temporary folder."));
    BackupPreview preview;
    preview.created = m_manifest.created;
    const QString registerFile = scratch.filePath(QStringLiteral("MastEst.mdb"));
    const QString costFile = scratch.filePath(QStringLiteral("cost.mdb"));
    try {
        m_zip->extract(kRegisterEntry, registerFile);
        m_zip->extract(kCostEntry, costFile);
        auto reg =
            SqlFile::open(registerFile, kMastPassword, SqlFile::Durability::Safe, SqlFile::Access::ReadOnly);
        const ResultSet rows = reg->query(QStringLiteral(
            "select estname,eststatus,estdate from master where estpath is not null order by estname"));
        for (const QVariantList& row : rows.rows)
            preview.estimates.append({row.at(0).toString(), row.at(1).toString(), row.at(2).toString()});
        auto cost =
            SqlFile::open(costFile, kCostPassword, SqlFile::Durability::Safe, SqlFile::Access::ReadOnly);
        preview.costItems = cost->scalar(QStringLiteral("select count(*) from costitem")).toLongLong();
    } catch (const Failure& failure) {
        refuseDamaged(failure.description());
    }
    return preview;
}

bool BackupArchive::extractTo(const QString& folder, const ProgressStep& progress) {
    const int total = int(m_manifest.files.size());
    for (int i = 0; i < total; ++i) {
        const QString& entry = m_manifest.files.at(i).name;
        if (progress && !progress(entry, i, total))
            return false;
        const QString target = folder + QLatin1Char('/') + entry;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()))
            throw Failure(kErrPathNotFound, QStringLiteral("Path not found: '%1'.").arg(target));
        try {
            m_zip->extract(entry, target);
        } catch (const Failure& failure) {
            refuseDamaged(failure.description());
        }
        if (entry.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive) && !databaseKey(target))
            refuseDamaged(QStringLiteral("The database %1 cannot be read.").arg(entry));
    }
    return true;
}

} // namespace qx
