#include "backup/BackupArchive.h"

#include "backup/ZipArchive.h"
#include "data/DatabaseCopy.h"
#include "data/FileHash.h"
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
    for (qsizetype i = 0; i < m_manifest.files.size(); ++i) {
        const ManifestEntry& file = m_manifest.files.at(i);
        if (!isArchivedFolder(file.name))
            refuseDamaged(QStringLiteral("It holds a file outside data and estimates: %1").arg(file.name));
        m_index.insert(file.name, i);
    }
    for (const QString& needed : {kRegisterEntry, kCostEntry}) {
        if (!m_index.contains(needed))
            refuseDamaged(QStringLiteral("It holds no %1.").arg(needed));
    }
    openHolders();
}

void BackupArchive::openHolders() {
    const QDir folder = QFileInfo(m_path).dir();
    std::map<QString, QHash<QString, ManifestEntry>> heldThere;
    for (const ManifestEntry& file : m_manifest.files) {
        if (file.heldIn.isEmpty())
            continue;
        const QString holder = file.heldIn;
        if (!ProgramBackup::isArchiveName(holder) || holder == QFileInfo(m_path).fileName() ||
            file.sha256.isEmpty())
            refuseDamaged(
                QStringLiteral("It lists a file under a name that cannot be used: %1").arg(file.name));
        auto missing = [&] {
            refuseDamaged(QStringLiteral("It needs the backup %1, which holds %2, and that backup is missing "
                                         "or damaged.")
                              .arg(holder, file.name));
        };
        if (!m_holders.count(holder)) {
            try {
                auto zip = std::make_unique<ZipReader>(folder.filePath(holder));
                auto& files = heldThere[holder];
                for (const ManifestEntry& there :
                     ArchiveManifest::verified(*zip, ArchiveKind::Backup, QString(), QString()).files) {
                    if (there.heldIn.isEmpty())
                        files.insert(there.name, there);
                }
                m_holders.emplace(holder, std::move(zip));
            } catch (const ArchiveRefused&) {
                missing();
            } catch (const Failure&) {
                missing();
            }
        }
        const auto there = heldThere[holder].constFind(file.name);
        if (there == heldThere[holder].cend() || there->sha256 != file.sha256 || there->size != file.size)
            missing();
    }
}

const ManifestEntry& BackupArchive::entry(const QString& name) const {
    return m_manifest.files.at(m_index.value(name));
}

QString BackupArchive::holderOf(const ManifestEntry& file) const {
    return file.heldIn.isEmpty() ? QFileInfo(m_path).fileName() : file.heldIn;
}

void BackupArchive::extract(const ManifestEntry& file, const QString& target) {
    ZipReader& zip = file.heldIn.isEmpty() ? *m_zip : *m_holders.at(file.heldIn);
    try {
        zip.extract(file.name, target);
    } catch (const Failure& failure) {
        refuseDamaged(failure.description());
    }
    if (!file.sha256.isEmpty() && sha256Of(target) != file.sha256)
        refuseDamaged(QStringLiteral("The file %1 is not the one it was backed up as.").arg(file.name));
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
    extract(entry(kRegisterEntry), registerFile);
    extract(entry(kCostEntry), costFile);
    preview.dataHeldIn = holderOf(entry(kRegisterEntry));
    try {
        auto reg =
            SqlFile::open(registerFile, kMastPassword, SqlFile::Durability::Safe, SqlFile::Access::ReadOnly);
        const ResultSet rows =
            reg->query(QStringLiteral("select estname,eststatus,estdate,estpath from master "
                                      "where estpath is not null order by estname"));
        for (const QVariantList& row : rows.rows) {
            const QString stored = QStringLiteral("estimates/") + row.at(3).toString().replace(u'\\', u'/');
            const QString heldIn = m_index.contains(stored) ? holderOf(entry(stored)) : QString();
            preview.estimates.append(
                {row.at(0).toString(), row.at(1).toString(), row.at(2).toString(), heldIn});
        }
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
        const ManifestEntry& file = m_manifest.files.at(i);
        const QString& entry = file.name;
        if (progress && !progress(entry, i, total))
            return false;
        const QString target = folder + QLatin1Char('/') + entry;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()))
            throw Failure(kErrPathNotFound, QStringLiteral("Path not found: '%1'.").arg(target));
        extract(file, target);
        if (entry.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive) && !databaseKey(target))
            refuseDamaged(QStringLiteral("The database %1 cannot be read.").arg(entry));
    }
    return true;
}

} // namespace qx
