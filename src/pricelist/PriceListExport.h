#pragma once

#include "data/DataAccess.h"
#include "pricelist/CsvReader.h"

#include <QStringList>
#include <optional>

namespace qx {

// Writing the cost database as a price list: every cost item under the header
// "Type,Category,Manufacturer,SKU,Name,Unit,Description,Price,Price Date", in UTF-8, the price a plain
// number, the price date as stored (YYYY-MM-DD). No text is ever written that a spreadsheet would run
// as a formula.
class PriceListExport {
public:
    PriceListExport(DataAccess& data, const Conn& cost);

    static QString header();
    // The whole file's text; nothing when the cost database cannot be read (reported).
    std::optional<QString> text();
    // Writes the file in one step (an interrupted export leaves no half file); the number of items, or
    // nothing when reading or writing failed (reported).
    std::optional<int> write(const QString& path);

private:
    DataAccess& m_data;
    const Conn& m_cost;
    int m_items = 0;
};

} // namespace qx
