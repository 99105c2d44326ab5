#pragma once

#include "data/DataAccess.h"

#include <QHash>
#include <QList>
#include <optional>

namespace qx {

// A cost item as a price list row is matched against: its texts without blanks at their ends, as the
// editor stores them, so that an item stored before that rule matches its own exported row.
struct StoredItem {
    qint32 id = 0;
    QString sku, name, unit, manufacturer, category;
    std::optional<qint64> amount; // nothing when none is stored
};

// The cost database's items with the keys rows are matched by; the first item of a key wins.
class StoredItems {
public:
    // Reads every cost item. Throws Failure.
    static StoredItems read(DataAccess& data, const Conn& cost);

    // The item whose ID the row names, when the row is that item: the same SKU where both have one,
    // else the same name and manufacturer. A supplier's file with an "ID" column of its own numbering
    // then matches nothing by it.
    const StoredItem* byId(qint32 id, const QString& sku, const QString& name,
                           const QString& manufacturer) const;
    // The item of a row's SKU, else of its name and manufacturer (a row whose SKU is unknown matches an
    // item only when that item has no SKU; a row without a name only by its SKU).
    const StoredItem* match(const QString& sku, const QString& name, const QString& manufacturer) const;

    // The keys rows are matched by, in any letter case.
    static QString skuKey(const QString& sku);
    static QString itemKey(const QString& name, const QString& manufacturer);

private:
    void add(StoredItem item);

    QList<StoredItem> m_items;
    QHash<qint32, int> m_byId;
    QHash<QString, int> m_bySku;
    QHash<QString, int> m_byName;
};

} // namespace qx
