#include "pricelist/ColumnMapping.h"

#include "data/InputRules.h"

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

} // namespace qx
