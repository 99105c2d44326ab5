#include "pricelist/ColumnMapping.h"

#include "data/InputRules.h"
#include "pricelist/PriceListTexts.h"

namespace qx {

QString fieldHeader(PriceField field) {
    static const QString kHeaders[kPriceFieldCount] = {
        QStringLiteral("Name"), QStringLiteral("SKU"),          QStringLiteral("Price"),
        QStringLiteral("Unit"), QStringLiteral("Manufacturer"), QStringLiteral("Category")};
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

QString columnCaption(const QStringList& header, int column) {
    // A header of thousands of characters would make the mapping boxes wider than the screen.
    constexpr int kLongest = 40;
    const QString text = trimBlanks(header.value(column));
    if (text.isEmpty())
        return QStringLiteral("Column %1").arg(column + 1);
    return text.size() > kLongest ? text.left(kLongest - 1) + QChar(0x2026) : text;
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
