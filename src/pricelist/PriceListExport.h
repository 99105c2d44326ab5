#pragma once

#include "data/DataAccess.h"
#include "data/Money.h"
#include "pricelist/CsvReader.h"

#include <QStringList>
#include <optional>

namespace qx {

// Writing the cost database as a price list: every cost item under the header
// "ID,Type,Category,Manufacturer,SKU,Name,Unit,Description,Price,Price Date", in UTF-8, the price in
// one form whatever the locale (priceText), the price date as stored (YYYY-MM-DD). No text is ever
// written that a spreadsheet would run as a formula, and nothing the import would refuse: an item the
// file cannot carry, or a file beyond the import's limits, makes the export write nothing and say why.
class PriceListExport {
public:
    PriceListExport(DataAccess& data, const Conn& cost);

    static QString header();
    // A price without grouping, "." before the decimals, and two or four decimals ("44.50", "55.6740"),
    // so that no exported price reads as a thousands group ("55.674") in any number form.
    static QString priceText(Money amount);
    // The whole file's text; nothing when the cost database cannot be read (reported) or an item
    // cannot be carried (problem()).
    std::optional<QString> text();
    // Writes the file in one step (an interrupted export leaves no half file); the number of items, or
    // nothing when reading or writing failed (reported) or the file would be refused (problem()).
    std::optional<int> write(const QString& path);
    // Why the last text() or write() wrote nothing although the database could be read; else empty.
    const QString& problem() const { return m_problem; }

private:
    DataAccess& m_data;
    const Conn& m_cost;
    int m_items = 0;
    QString m_problem;
};

} // namespace qx
