#include "backup/ArchiveManifest.h"

#include "backup/ZipArchive.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace qx {

namespace {

// Version 2 added the content hash, the earlier backup holding an unchanged file, and its stamp.
constexpr int kFormatVersion = 2;
constexpr int kFirstReadableVersion = 1;

QJsonObject toJsonObject(const ManifestEntry& file) {
    QJsonObject object{{QStringLiteral("name"), file.name}, {QStringLiteral("size"), file.size}};
    if (!file.sha256.isEmpty())
        object.insert(QStringLiteral("sha256"), file.sha256);
    if (!file.heldIn.isEmpty())
        object.insert(QStringLiteral("in"), file.heldIn);
    if (!file.stamp.isEmpty())
        object.insert(QStringLiteral("stamp"), file.stamp);
    if (!file.source.isEmpty())
        object.insert(QStringLiteral("source"), file.source);
    return object;
}

ManifestEntry entryOf(const QJsonObject& file) {
    return {file.value(QStringLiteral("name")).toString(),
            qint64(file.value(QStringLiteral("size")).toDouble(-1)),
            file.value(QStringLiteral("sha256")).toString(),
            file.value(QStringLiteral("in")).toString(),
            file.value(QStringLiteral("stamp")).toString(),
            file.value(QStringLiteral("source")).toString()};
}

// Another archive's file name: one plain name beside this archive.
bool isPlainFileName(const QString& name) {
    return ZipReader::isSafeEntryName(name) && !name.contains(u'/');
}

QString formatName(ArchiveKind kind) {
    return kind == ArchiveKind::Backup ? QStringLiteral("Quorvex backup")
                                       : QStringLiteral("Quorvex estimate");
}

} // namespace

QByteArray ArchiveManifest::toJson() const {
    QJsonArray list;
    for (const ManifestEntry& file : files)
        list.append(toJsonObject(file));
    QJsonObject root{{QStringLiteral("format"), formatName(kind)},
                     {QStringLiteral("version"), kFormatVersion},
                     {QStringLiteral("created"), created.toString(Qt::ISODate)},
                     {QStringLiteral("files"), list}};
    if (!details.isEmpty())
        root.insert(QStringLiteral("details"), details);
    return QJsonDocument(root).toJson();
}

ArchiveManifest ArchiveManifest::verified(ZipReader& zip, ArchiveKind kind, const QString& notOurs,
                                          const QString& damaged) {
    if (!zip.has(kManifestEntry))
        throw ArchiveRefused(notOurs);
    auto refuseDamaged = [&](const QString& detail) {
        throw ArchiveRefused(damaged + QLatin1Char('\n') + detail);
    };
    QByteArray text;
    try {
        text = zip.read(kManifestEntry);
    } catch (const Failure& failure) {
        refuseDamaged(failure.description());
    }
    const QJsonDocument document = QJsonDocument::fromJson(text);
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != formatName(kind))
        throw ArchiveRefused(notOurs);
    const int version = root.value(QStringLiteral("version")).toInt();
    if (version < kFirstReadableVersion || version > kFormatVersion)
        refuseDamaged(QStringLiteral("It was written in a format this version of Quorvex cannot read."));

    ArchiveManifest manifest;
    manifest.kind = kind;
    manifest.created = QDateTime::fromString(root.value(QStringLiteral("created")).toString(), Qt::ISODate);
    manifest.details = root.value(QStringLiteral("details")).toObject();
    QSet<QString> named;
    QSet<QString> listed; // the files this archive holds itself
    for (const QJsonValue& value : root.value(QStringLiteral("files")).toArray()) {
        const ManifestEntry entry = entryOf(value.toObject());
        if (!ZipReader::isSafeEntryName(entry.name) || entry.name == kManifestEntry ||
            named.contains(entry.name) || (!entry.heldIn.isEmpty() && !isPlainFileName(entry.heldIn)))
            refuseDamaged(
                QStringLiteral("It lists a file under a name that cannot be used: %1").arg(entry.name));
        if (entry.size < 0 || (entry.heldIn.isEmpty() && zip.sizeOf(entry.name) != entry.size))
            refuseDamaged(QStringLiteral("The file %1 is missing or incomplete.").arg(entry.name));
        named.insert(entry.name);
        if (entry.heldIn.isEmpty())
            listed.insert(entry.name);
        manifest.files.append(entry);
    }
    for (const QString& name : zip.entries()) {
        if (name != kManifestEntry && !listed.contains(name))
            refuseDamaged(QStringLiteral("It holds a file its list does not name: %1").arg(name));
    }
    return manifest;
}

} // namespace qx
