#include "backup/ArchiveManifest.h"

#include "backup/ZipArchive.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace qx {

namespace {

constexpr int kFormatVersion = 1;

QString formatName(ArchiveKind kind) {
    return kind == ArchiveKind::Backup ? QStringLiteral("Quorvex backup")
                                       : QStringLiteral("Quorvex estimate");
}

} // namespace

QByteArray ArchiveManifest::toJson() const {
    QJsonArray list;
    for (const ManifestEntry& file : files)
        list.append(QJsonObject{{QStringLiteral("name"), file.name}, {QStringLiteral("size"), file.size}});
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
    if (root.value(QStringLiteral("version")).toInt() != kFormatVersion)
        refuseDamaged(QStringLiteral("It was written in a format this version of Quorvex cannot read."));

    ArchiveManifest manifest;
    manifest.kind = kind;
    manifest.created = QDateTime::fromString(root.value(QStringLiteral("created")).toString(), Qt::ISODate);
    manifest.details = root.value(QStringLiteral("details")).toObject();
    QSet<QString> listed;
    for (const QJsonValue& value : root.value(QStringLiteral("files")).toArray()) {
        const QJsonObject file = value.toObject();
        const ManifestEntry entry{file.value(QStringLiteral("name")).toString(),
                                  qint64(file.value(QStringLiteral("size")).toDouble(-1))};
        if (!ZipReader::isSafeEntryName(entry.name) || entry.name == kManifestEntry ||
            listed.contains(entry.name))
            refuseDamaged(
                QStringLiteral("It lists a file under a name that cannot be used: %1").arg(entry.name));
        if (zip.sizeOf(entry.name) != entry.size || entry.size < 0)
            refuseDamaged(QStringLiteral("The file %1 is missing or incomplete.").arg(entry.name));
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
