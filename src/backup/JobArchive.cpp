#include "backup/JobArchive.h"

#include "backup/ZipArchive.h"
#include "data/DatabaseCopy.h"
#include "data/DateText.h"
#include "data/InputRules.h"
#include "data/StoredPath.h"
#include "estimate/Register.h"
#include "estimate/RegisterTotals.h"
#include "estimate/SaveEstimate.h"
#include "revisions/RevisionDigests.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

namespace qx {

namespace {

const QString kFolderEntry = QStringLiteral("estimate/");
const QStringList kStatuses{QStringLiteral("Working"), QStringLiteral("Pending"), QStringLiteral("Accepted"),
                            QStringLiteral("Rejected")};
constexpr int kNameMax = 50;
constexpr int kAddressMax = 100;
constexpr int kTypeMax = 25;

const QString kDigestsKey = QStringLiteral("revisionDigests");

QJsonObject rowToJson(const JobRow& row) {
    QJsonObject digests;
    for (auto it = row.revisionDigests.cbegin(); it != row.revisionDigests.cend(); ++it)
        digests.insert(QString::number(it.key()), it.value());
    return {{QStringLiteral("name"), row.name},
            {QStringLiteral("address"), row.address},
            {QStringLiteral("type"), row.type},
            {QStringLiteral("status"), row.status},
            {QStringLiteral("date"), row.date},
            {QStringLiteral("length"), row.length},
            {kDigestsKey, digests}};
}

// The record digests an archive carries; nothing when one of them cannot be read. An archive written
// before they were carried has none.
std::optional<RevisionDigests::ByNumber> digestsIn(const QJsonValue& value) {
    RevisionDigests::ByNumber digests;
    if (value.isUndefined())
        return digests;
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool whole = false;
        const int number = it.key().toInt(&whole);
        if (!whole || number < 1 || QString::number(number) != it.key() ||
            !RevisionDigests::isDigest(it.value().toString()))
            return std::nullopt;
        digests.insert(number, it.value().toString());
    }
    return digests;
}

// Every file of an estimate's folder, relative to it.
QStringList folderFiles(const QString& folder) {
    QStringList files;
    const QDir dir(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << dir.relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

QString JobArchive::notAJobMessage(const QString& path) {
    return QStringLiteral("The file %1 is not a Quorvex estimate archive.")
        .arg(QDir::toNativeSeparators(path));
}

QString JobArchive::damagedMessage(const QString& path) {
    return QStringLiteral("The estimate archive %1 is damaged and cannot be imported.")
        .arg(QDir::toNativeSeparators(path));
}

void JobArchive::exportEstimate(AppContext& ctx, qint32 id, const QString& path) {
    const ResultSet reg = ctx.data.Read(
        ctx.conns.sMastConn,
        QStringLiteral(
            "select estname,estaddress,esttype,eststatus,estdate,estlength,estpath from master where id=?"),
        {id});
    if (reg.isEmpty() || reg.at(0, 6).toString().isEmpty())
        throw Failure(3021, QStringLiteral("No estimate with the ID %1 is in the register.").arg(id));
    const QVariantList& r = reg.rows.at(0);
    // The revisions' record digests go with their files: the imported estimate's revisions are then
    // checked against what the register kept when they were sent, never against what they hold now.
    const JobRow row{r.at(0).toString(),
                     r.at(1).toString(),
                     r.at(2).toString(),
                     r.at(3).toString(),
                     r.at(4).toString(),
                     r.at(5).toInt(),
                     RevisionDigests(ctx.data.file(ctx.conns.sMastConn)).of(id)};
    // Only an estimate's own folder directly inside estimates/ goes into the archive, whatever the
    // register's path holds.
    const std::optional<Conn> stored = storedEstimateConn(ctx.folder, r.at(6).toString());
    if (!stored || !QFileInfo(stored->path).isFile())
        throw Failure(kErrPathNotFound,
                      QStringLiteral("The file of the estimate %1 cannot be found.").arg(r.at(0).toString()));
    const QString file = stored->path;
    const QString folder = QFileInfo(file).absolutePath();

    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    QTemporaryDir staging;
    if (!staging.isValid())
        throw Failure(kErrFileAccess, QStringLiteral("Could not make a temporary folder."));
    try {
        ArchiveManifest manifest;
        manifest.kind = ArchiveKind::Job;
        manifest.created = QDateTime::currentDateTime();
        manifest.details = rowToJson(row);
        std::optional<ZipWriter> zip(std::in_place, partial);
        for (const QString& relative : folderFiles(folder)) {
            const QString source = folder + QLatin1Char('/') + relative;
            QString packed = source;
            // The estimate's own file goes in as one consistent state, and under its stored name.
            QString entry = kFolderEntry + relative;
            if (QFileInfo(source) == QFileInfo(file)) {
                packed = staging.filePath(QStringLiteral("estimate.mdb"));
                copyDatabase(source, kEstimatePassword, packed);
                entry = kFolderEntry + row.name + QStringLiteral(".mdb");
            }
            zip->addFile(entry, packed);
            manifest.files.append({entry, QFileInfo(packed).size(), {}, {}, {}, {}});
        }
        zip->addBytes(ArchiveManifest::kManifestEntry, manifest.toJson());
        zip->finish();
    } catch (const Failure&) {
        QFile::remove(partial);
        throw;
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw Failure(kErrFileAccess, QStringLiteral("Could not write '%1'.").arg(path));
    }
}

JobArchive::JobArchive(const QString& path)
    : m_path(path) {
    try {
        m_zip = std::make_unique<ZipReader>(path);
    } catch (const Failure&) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.read(4) != QByteArray("PK\x03\x04", 4))
            throw ArchiveRefused(notAJobMessage(path));
        refuseDamaged(QStringLiteral("It is not a complete zip archive."));
    }
    m_manifest =
        ArchiveManifest::verified(*m_zip, ArchiveKind::Job, notAJobMessage(path), damagedMessage(path));
    checkRow();
}

JobArchive::~JobArchive() = default;

void JobArchive::refuseDamaged(const QString& detail) const {
    throw ArchiveRefused(damagedMessage(m_path) + QLatin1Char('\n') + detail);
}

QString JobArchive::databaseEntry() const {
    return kFolderEntry + m_row.name + QStringLiteral(".mdb");
}

void JobArchive::checkRow() {
    const QJsonObject& d = m_manifest.details;
    m_row = {d.value(QStringLiteral("name")).toString(),
             d.value(QStringLiteral("address")).toString(),
             d.value(QStringLiteral("type")).toString(),
             d.value(QStringLiteral("status")).toString(),
             d.value(QStringLiteral("date")).toString(),
             d.value(QStringLiteral("length")).toInt(-1),
             {}};
    // The row goes into the register as it stands: it must pass the rules a typed one passes.
    if (m_row.name.isEmpty() || fileNameOf(m_row.name) != m_row.name || charCount(m_row.name) > kNameMax)
        refuseDamaged(QStringLiteral("Its estimate name cannot be used."));
    if (charCount(m_row.address) > kAddressMax || charCount(m_row.type) > kTypeMax)
        refuseDamaged(QStringLiteral("Its address or type is too long."));
    if (!kStatuses.contains(m_row.status) || !dateFromStored(m_row.date).isValid() || m_row.length < 0 ||
        d.value(QStringLiteral("length")).toDouble() != m_row.length)
        refuseDamaged(QStringLiteral("Its status, date or length cannot be read."));
    const std::optional<RevisionDigests::ByNumber> digests = digestsIn(d.value(kDigestsKey));
    if (!digests)
        refuseDamaged(QStringLiteral("Its sent revisions' digests cannot be read."));
    m_row.revisionDigests = *digests;
    bool hasFile = false;
    for (const ManifestEntry& file : m_manifest.files) {
        if (!file.name.startsWith(kFolderEntry) || !file.heldIn.isEmpty())
            refuseDamaged(QStringLiteral("It holds a file outside the estimate's folder: %1").arg(file.name));
        hasFile = hasFile || file.name == databaseEntry();
    }
    if (!hasFile)
        refuseDamaged(QStringLiteral("It holds no estimate file."));
}

QString JobArchive::freeName(AppContext& ctx) const {
    Register reg(ctx.data, ctx.conns.sMastConn);
    auto isFree = [&](const QString& name) {
        return !reg.nameTaken(name, 0) && !QFileInfo::exists(ctx.folder.estimateFolder(name));
    };
    if (isFree(m_row.name))
        return m_row.name;
    for (int n = 2;; ++n) {
        const QString suffix = QString::number(n);
        const QString name = m_row.name.left(kNameMax - int(suffix.size())) + suffix;
        if (isFree(name))
            return name;
    }
}

qint32 JobArchive::importAs(AppContext& ctx, const QString& name) {
    if (!QDir().mkpath(ctx.folder.estimatesDir()))
        throw Failure(kErrPathNotFound,
                      QStringLiteral("Path not found: '%1'.").arg(ctx.folder.estimatesDir()));
    const QString target = ctx.folder.estimateFolder(name);
    {
        // Unpacked beside the other estimates, so that it moves into place by renaming.
        QTemporaryDir staging(ctx.folder.estimatesDir() + QStringLiteral("/.quorvex-import-XXXXXX"));
        if (!staging.isValid())
            throw Failure(kErrFileAccess,
                          QStringLiteral("Could not write in '%1'.").arg(ctx.folder.estimatesDir()));
        const QString unpacked = staging.filePath(QStringLiteral("estimate"));
        for (const ManifestEntry& file : m_manifest.files) {
            QString relative = file.name.mid(kFolderEntry.size());
            if (file.name == databaseEntry())
                relative = name + QStringLiteral(".mdb");
            const QString path = unpacked + QLatin1Char('/') + relative;
            if (!QDir().mkpath(QFileInfo(path).absolutePath()))
                throw Failure(kErrPathNotFound, QStringLiteral("Path not found: '%1'.").arg(path));
            try {
                m_zip->extract(file.name, path);
            } catch (const Failure& failure) {
                throw ArchiveRefused(damagedMessage(m_path) + QLatin1Char('\n') + failure.description());
            }
        }
        const QString database = unpacked + QLatin1Char('/') + name + QStringLiteral(".mdb");
        QString verdict;
        try {
            verdict = integrityCheck(database, kEstimatePassword);
        } catch (const Failure& failure) {
            verdict = failure.description();
        }
        if (verdict != QLatin1String("ok"))
            refuseDamaged(QStringLiteral("Its estimate file cannot be read: %1").arg(verdict));
        if (QFileInfo::exists(target) || !QFile::rename(unpacked, target))
            throw Failure(kErrFileAccess,
                          QStringLiteral("Could not move '%1' to '%2'.").arg(unpacked, target));
    }
    qint32 id = 0;
    try {
        Database& reg = ctx.data.file(ctx.conns.sMastConn);
        Transaction transaction(reg);
        reg.exec(QStringLiteral(
                     "insert into master(estname,estaddress,estdate,esttype,eststatus,estlength,estpath)"
                     "values(?,?,?,?,?,?,?)"),
                 {name, m_row.address, m_row.date, m_row.type, m_row.status, m_row.length,
                  ProgramFolder::storedEstimatePath(name)});
        id = qint32(reg.lastInsertId());
        RevisionDigests(reg).keep(id, m_row.revisionDigests);
        transaction.commit();
    } catch (const Failure&) {
        ctx.pool.close(ctx.folder.estimateFile(name));
        removeEstimateFolder(ctx.folder, name);
        throw;
    }
    try {
        RegisterTotals(ctx).refresh(id, ctx.folder.estimateConn(ProgramFolder::storedEstimatePath(name)));
    } catch (const Failure&) {
        // The estimate is in; only its total stays unknown, and the sales picture says so.
    }
    return id;
}

} // namespace qx
