#include "revisions/RevisionRecord.h"

#include "data/DateText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qx {

namespace {

const QString kNumber = QStringLiteral("number");
const QString kMade = QStringLiteral("made");
const QString kTotal = QStringLiteral("total");
const QString kLines = QStringLiteral("lineTotal");
const QString kAdmin = QStringLiteral("adminTotal");
const QString kSubtotals = QStringLiteral("subtotals");
const QString kLineCount = QStringLiteral("lineCount");
const QString kFiles = QStringLiteral("files");
const QString kName = QStringLiteral("name");
const QString kSha = QStringLiteral("sha256");

// Amounts are written as plain decimals ("3040.96"), never in a locale's format.
std::optional<Money> amountIn(const QJsonObject& object, const QString& key) {
    if (!object.value(key).isString())
        return std::nullopt;
    return Money::parsePlain(object.value(key).toString());
}

} // namespace

QByteArray RevisionRecord::toJson() const {
    QJsonObject subtotals;
    for (int i = 0; i < kCategoryCount; ++i)
        subtotals.insert(categoryTags()[size_t(i)], figures.subtotals[size_t(i)].toPlain());
    QJsonArray frozen;
    for (const FrozenFile& file : files)
        frozen.append(QJsonObject{{kName, file.name}, {kSha, file.sha256}});
    const QJsonObject root{{kNumber, number},
                           {kMade, made.toString(Qt::ISODate)},
                           {kTotal, figures.total.toPlain()},
                           {kLines, figures.lines.toPlain()},
                           {kAdmin, figures.admin.toPlain()},
                           {kSubtotals, subtotals},
                           {kLineCount, figures.lineCount},
                           {kFiles, frozen}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<RevisionRecord> RevisionRecord::fromJson(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    RevisionRecord record;
    record.number = root.value(kNumber).toInt(0);
    record.made = QDateTime::fromString(root.value(kMade).toString(), Qt::ISODate);
    const auto total = amountIn(root, kTotal);
    const auto lines = amountIn(root, kLines);
    const auto admin = amountIn(root, kAdmin);
    if (record.number < 1 || !record.made.isValid() || !total || !lines || !admin)
        return std::nullopt;
    record.figures.total = *total;
    record.figures.lines = *lines;
    record.figures.admin = *admin;
    record.figures.lineCount = root.value(kLineCount).toInt(0);
    const QJsonObject subtotals = root.value(kSubtotals).toObject();
    for (int i = 0; i < kCategoryCount; ++i)
        record.figures.subtotals[size_t(i)] =
            amountIn(subtotals, categoryTags()[size_t(i)]).value_or(Money());
    for (const QJsonValue& value : root.value(kFiles).toArray()) {
        const QJsonObject file = value.toObject();
        record.files.append({file.value(kName).toString(), file.value(kSha).toString()});
    }
    return record;
}

QString RevisionRecord::folderName() const {
    return QStringLiteral("R%1 %2").arg(number).arg(storedDate(made.date()));
}

} // namespace qx
