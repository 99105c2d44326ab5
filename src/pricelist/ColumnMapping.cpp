#include "pricelist/ColumnMapping.h"

#include "data/InputRules.h"
#include "pricelist/PriceListTexts.h"

namespace qx {

QString fieldHeader(PriceField field) {
    static const QString kHeaders[kPriceFieldCount] = {
        QStringLiteral("Name"), QStringLiteral("SKU"),          QStringLiteral("Price"),
        QStringLiteral("Unit"), QStringLiteral("Manufacturer"), QStringLiteral("Category"),
        QStringLiteral("ID")};
    return kHeaders[int(field)];
}

ColumnMapping ColumnMapping::byHeader(const QStringList& header) {
    ColumnMapping mapping;
    for (int f = 0; f < kPriceFieldCount; ++f) {
        const QString wanted = fieldHeader(PriceField(f));
        for (int c = 0; c < header.size(); ++c) {
            if (trimBlanks(header[c]).compare(wanted, Qt::CaseInsensitive) == 0) {
                mapping.column[size_t(f)] = c;
                break;
            }
        }
    }
    return mapping;
}

QString shortened(const QString& text, int longest) {
    if (text.size() <= longest)
        return text;
    // An emoji is two UTF-16 units: cut before it, not through it.
    const int kept = text[longest - 2].isHighSurrogate() ? longest - 2 : longest - 1;
    return text.left(kept) + QChar(0x2026);
}

QString columnCaption(const QStringList& header, int column) {
    const QString text = trimBlanks(header.value(column));
    if (text.isEmpty())
        return QStringLiteral("Column %1").arg(column + 1);
    return shortened(text, 40);
}

QStringList columnChoices(const QStringList& header) {
    QStringList choices{kNoColumn};
    for (int c = 0; c < header.size(); ++c)
        choices << columnCaption(header, c);
    return choices;
}

std::optional<QString> mappingProblem(const ColumnMapping& mapping) {
    if (mapping.of(PriceField::Name) < 0 || mapping.of(PriceField::Price) < 0)
        return kWhyNoNameColumn;
    return std::nullopt;
}

} // namespace qx
