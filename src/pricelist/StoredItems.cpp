#include "pricelist/StoredItems.h"

#include "data/InputRules.h"

namespace qx {

namespace {

// Text without regard to case, for matching; plain ASCII text (the usual SKU and name) the quick way.
QString folded(const QString& text) {
    QString out(text.size(), Qt::Uninitialized);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80)
            return text.toCaseFolded();
        *to++ = u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u;
    }
    return out;
}

void insertFirst(QHash<QString, int>& keys, const QString& key, int index) {
    if (!keys.contains(key))
        keys.insert(key, index);
}

} // namespace

QString StoredItems::skuKey(const QString& sku) {
    return folded(sku);
}

QString StoredItems::itemKey(const QString& name, const QString& manufacturer) {
    return folded(name) + u'\x1f' + folded(manufacturer);
}

StoredItems StoredItems::read(DataAccess& data, const Conn& cost) {
    const ResultSet rows = data.Read(
        cost, QStringLiteral(
                  "select ID, sku, costname, unit, manufacturer, cat, amount from costitem order by ID"));
    StoredItems stored;
    stored.m_items.reserve(rows.size());
    for (const QVariantList& row : rows.rows) {
        const QVariant amount = row.at(6);
        stored.add({row.at(0).toInt(), trimBlanks(row.at(1).toString()), trimBlanks(row.at(2).toString()),
                    trimBlanks(row.at(3).toString()), trimBlanks(row.at(4).toString()),
                    trimBlanks(row.at(5).toString()),
                    amount.isNull() ? std::nullopt : std::optional(amount.toLongLong())});
    }
    return stored;
}

void StoredItems::add(StoredItem item) {
    const int index = int(m_items.size());
    m_byId.insert(item.id, index);
    if (!item.sku.isEmpty())
        insertFirst(m_bySku, skuKey(item.sku), index);
    insertFirst(m_byName, itemKey(item.name, item.manufacturer), index);
    m_items << std::move(item);
}

const StoredItem* StoredItems::byId(qint32 id, const QString& sku, const QString& name,
                                    const QString& manufacturer) const {
    const auto it = m_byId.constFind(id);
    if (it == m_byId.constEnd())
        return nullptr;
    const StoredItem& item = m_items[*it];
    const bool same = !sku.isEmpty() && !item.sku.isEmpty()
                          ? skuKey(sku) == skuKey(item.sku)
                          : itemKey(name, manufacturer) == itemKey(item.name, item.manufacturer);
    return same ? &item : nullptr;
}

const StoredItem* StoredItems::match(const QString& sku, const QString& name,
                                     const QString& manufacturer) const {
    if (!sku.isEmpty()) {
        if (const auto it = m_bySku.constFind(skuKey(sku)); it != m_bySku.constEnd())
            return &m_items[*it];
    }
    if (name.isEmpty())
        return nullptr;
    const auto it = m_byName.constFind(itemKey(name, manufacturer));
    if (it == m_byName.constEnd())
        return nullptr;
    const StoredItem& item = m_items[*it];
    // A row with a SKU of its own is another article than an item that carries a different SKU.
    return sku.isEmpty() || item.sku.isEmpty() ? &item : nullptr;
}

} // namespace qx
