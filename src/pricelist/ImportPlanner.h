#pragma once

#include "pricelist/PriceListImport.h"
#include "pricelist/StoredItems.h"

#include <QHash>
#include <QLocale>
#include <QSet>

namespace qx {

// Works out what each row of a price list does to the cost database (PriceListImport::preview).
class ImportPlanner {
public:
    ImportPlanner(const StoredItems& stored, const CsvTable& table, const ColumnMapping& mapping,
                  const ImportOptions& options);

    ImportPlan plan();

private:
    // A row's mapped cells, trimmed and unguarded, with the item its ID names (when the row is that item).
    struct Cells {
        QString value[kPriceFieldCount];
        const StoredItem* byId = nullptr;

        const QString& of(PriceField field) const { return value[int(field)]; }
    };
    Cells cellsOf(const CsvTable::Record& record) const;
    // Why a row is refused, or nothing when `row` was filled in.
    std::optional<QString> planRow(const Cells& cells, ImportRow& row);
    std::optional<QString> planMatched(const Cells& cells, const StoredItem& item, ImportRow& row);
    std::optional<QString> planNew(const Cells& cells, ImportRow& row);
    // The price cell read in the file's number form; nothing for a blank cell.
    std::optional<QString> readPrice(const Cells& cells, std::optional<Money>& price) const;
    static std::optional<QString> lengthProblem(const ImportRow& row);

    const StoredItems& m_stored;
    const CsvTable& m_table;
    const ColumnMapping& m_mapping;
    const ImportOptions& m_options;
    QLocale m_numbers;
    QHash<QString, int> m_skuCount; // rows not matched by their ID, by SKU
    QSet<qint32> m_matched;
    QSet<QString> m_newKeys;
};

} // namespace qx
