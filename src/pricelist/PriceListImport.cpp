#include "pricelist/PriceListImport.h"

#include "costs/CostItemEditor.h"
#include "data/DateText.h"
#include "data/InputRules.h"
#include "pricelist/FormulaGuard.h"
#include "pricelist/PriceListTexts.h"

#include <QHash>
#include <QSet>

namespace qx {

namespace {

const TrapSite kPreviewSite{QStringLiteral("ImportPreview"), TrapSite::Form, QStringLiteral("frmImport")};
const TrapSite kApplySite{QStringLiteral("cmdImportApply_Click"), TrapSite::Form,
                          QStringLiteral("frmImport")};

// Rows written between two progress reports.
constexpr int kProgressStep = 500;

struct StoredItem {
    qint32 id = 0;
    QString sku, name, unit, manufacturer, category;
    qint64 amount = 0;
};

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

QString skuKey(const QString& sku) {
    return folded(sku);
}

QString itemKey(const QString& name, const QString& manufacturer) {
    return folded(name) + u'\x1f' + folded(manufacturer);
}

// The cost database's items with the keys rows are matched by; the first item of a key wins.
struct StoredItems {
    QList<StoredItem> items;
    QHash<QString, int> bySku;
    QHash<QString, int> byName;

    explicit StoredItems(const ResultSet& rows) {
        items.reserve(rows.size());
        for (const QVariantList& row : rows.rows) {
            items.append({row.at(0).toInt(), row.at(1).toString(), row.at(2).toString(), row.at(3).toString(),
                          row.at(4).toString(), row.at(5).toString(), row.at(6).toLongLong()});
            const StoredItem& item = items.back();
            const int index = int(items.size()) - 1;
            if (!item.sku.isEmpty())
                bySku.insert(skuKey(item.sku), index);
            byName.insert(itemKey(item.name, item.manufacturer), index);
        }
        // insert() replaced earlier items of a key: put the first back.
        for (int i = int(items.size()) - 1; i >= 0; --i) {
            if (!items[i].sku.isEmpty())
                bySku[skuKey(items[i].sku)] = i;
            byName[itemKey(items[i].name, items[i].manufacturer)] = i;
        }
    }

    const StoredItem* match(const QString& sku, const QString& name, const QString& manufacturer) const {
        if (!sku.isEmpty()) {
            if (const auto it = bySku.constFind(skuKey(sku)); it != bySku.constEnd())
                return &items[*it];
        }
        const auto it = byName.constFind(itemKey(name, manufacturer));
        if (it == byName.constEnd())
            return nullptr;
        const StoredItem& item = items[*it];
        // A row with a SKU of its own is another article than an item that carries a different SKU.
        return sku.isEmpty() || item.sku.isEmpty() ? &item : nullptr;
    }
};

QString cell(const QStringList& fields, int column) {
    return column < 0 ? QString() : unguardFormula(trimBlanks(fields.value(column)));
}

// A mapped value differs from the stored one (a blank cell keeps the stored value).
bool differs(const QString& value, const QString& stored) {
    return !value.isEmpty() && value != stored;
}

struct FieldLimit {
    PriceField field;
    CostItemField column;
    const char* what;
};
constexpr FieldLimit kLimits[] = {{PriceField::Name, CostItemField::Name, "name"},
                                  {PriceField::Sku, CostItemField::Sku, "SKU"},
                                  {PriceField::Unit, CostItemField::Unit, "unit"},
                                  {PriceField::Manufacturer, CostItemField::Manufacturer, "manufacturer"},
                                  {PriceField::Category, CostItemField::Category, "category"}};

} // namespace

QString ImportPlan::summary() const {
    return importSummary(added, changed, unchanged, int(refused.size()));
}

PriceListImport::PriceListImport(DataAccess& data, const Conn& cost)
    : m_data(data)
    , m_cost(cost) {}

std::optional<ImportPlan> PriceListImport::preview(const CsvTable& table, const ColumnMapping& mapping) {
    std::optional<StoredItems> stored;
    m_data.Trap(kPreviewSite, [&] {
        stored.emplace(m_data.Read(
            m_cost,
            QStringLiteral(
                "select ID, sku, costname, unit, manufacturer, cat, amount from costitem order by ID")));
    });
    if (!stored)
        return std::nullopt;

    QHash<QString, int> skuCount;
    for (const CsvTable::Record& record : table.records) {
        const QString sku = cell(record.fields, mapping.of(PriceField::Sku));
        if (!sku.isEmpty())
            ++skuCount[skuKey(sku)];
    }

    ImportPlan plan;
    QSet<qint32> matched;
    QSet<QString> newKeys;
    for (const CsvTable::Record& record : table.records) {
        ImportRow row;
        row.row = record.row;
        QString values[kPriceFieldCount];
        for (int f = 0; f < kPriceFieldCount; ++f)
            values[f] = cell(record.fields, mapping.of(PriceField(f)));
        row.name = values[int(PriceField::Name)];
        row.sku = values[int(PriceField::Sku)];
        row.unit = values[int(PriceField::Unit)];
        row.manufacturer = values[int(PriceField::Manufacturer)];
        row.category = values[int(PriceField::Category)];
        const QString priceText = values[int(PriceField::Price)];
        auto refuse = [&](const QString& why) { plan.refused << refusedRowText(record.row, why); };

        if (isBlank(row.name)) {
            refuse(kWhyNoName);
            continue;
        }
        const Amount price = readAmount(priceText);
        if (!price.ok()) {
            refuse(kWhyPrice);
            continue;
        }
        row.price = price.value;
        bool tooLong = false;
        for (const FieldLimit& limit : kLimits) {
            const int maxLength = CostItemEditor::maxLength(limit.column);
            if (checkLength(values[int(limit.field)], maxLength)) {
                refuse(whyTooLong(QLatin1String(limit.what), maxLength));
                tooLong = true;
                break;
            }
        }
        if (tooLong)
            continue;
        if (!row.sku.isEmpty() && skuCount.value(skuKey(row.sku)) > 1) {
            refuse(whySkuTwice(row.sku));
            continue;
        }

        const StoredItem* item = stored->match(row.sku, row.name, row.manufacturer);
        if (!item) {
            const QString key = row.sku.isEmpty() ? itemKey(row.name, row.manufacturer) : skuKey(row.sku);
            if (newKeys.contains(key)) {
                refuse(whyItemTwice());
                continue;
            }
            newKeys.insert(key);
            row.kind = ImportRow::Kind::New;
            ++plan.added;
            plan.rows << row;
            continue;
        }
        if (matched.contains(item->id)) {
            refuse(whyItemTwice());
            continue;
        }
        matched.insert(item->id);
        row.id = item->id;
        row.oldPrice = Money::fromRaw(item->amount);
        const bool changed = row.price != row.oldPrice || differs(row.name, item->name) ||
                             differs(row.sku, item->sku) || differs(row.unit, item->unit) ||
                             differs(row.manufacturer, item->manufacturer) ||
                             differs(row.category, item->category);
        row.kind = changed ? ImportRow::Kind::Changed : ImportRow::Kind::Unchanged;
        ++(changed ? plan.changed : plan.unchanged);
        plan.rows << row;
    }
    return plan;
}

namespace {

QVariant orNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace

PriceListImport::Outcome PriceListImport::apply(const ImportPlan& plan, const QString& costType,
                                                const QDate& today, const Progress& progress) {
    bool cancelled = false;
    const QString date = storedDate(today);
    const bool written = m_data.Trap(kApplySite, [&] {
        Database& file = m_data.file(m_cost);
        Transaction transaction(file);
        const int total = int(plan.rows.size());
        for (int i = 0; i < total; ++i) {
            if (progress && i % kProgressStep == 0 && !progress(i, total)) {
                cancelled = true;
                return;
            }
            const ImportRow& row = plan.rows[i];
            if (row.kind == ImportRow::Kind::New) {
                file.exec(
                    QStringLiteral("insert into costitem(costtype,cat,manufacturer,sku,costname,unit,amount,"
                                   "pricedate) values(?,?,?,?,?,?,?,?)"),
                    {costType, orNull(row.category), orNull(row.manufacturer), orNull(row.sku), row.name,
                     orNull(row.unit), qlonglong(row.price.raw()), date});
            } else if (row.kind == ImportRow::Kind::Changed) {
                // A blank cell keeps the stored value; the price date moves only with the amount.
                file.exec(
                    QStringLiteral("update costitem set costname=coalesce(?,costname), sku=coalesce(?,sku), "
                                   "unit=coalesce(?,unit), manufacturer=coalesce(?,manufacturer), "
                                   "cat=coalesce(?,cat), pricedate=case when amount=? then pricedate "
                                   "else ? end, amount=? where ID=?"),
                    {orNull(row.name), orNull(row.sku), orNull(row.unit), orNull(row.manufacturer),
                     orNull(row.category), qlonglong(row.price.raw()), date, qlonglong(row.price.raw()),
                     row.id});
            }
        }
        if (progress && !progress(total, total)) {
            cancelled = true;
            return;
        }
        transaction.commit();
    });
    if (!written)
        return Outcome::Failed;
    return cancelled ? Outcome::Cancelled : Outcome::Done;
}

QString PriceListImport::percentChange(Money oldPrice, Money newPrice) {
    if (oldPrice.isZero())
        return {};
    // Hundredths of a percent, rounded half away from zero.
    const __int128 scaled = __int128(newPrice.raw() - oldPrice.raw()) * 10000;
    const __int128 divisor = oldPrice.raw();
    __int128 hundredths = scaled / divisor;
    const __int128 rest = scaled % divisor;
    const __int128 absRest = rest < 0 ? -rest : rest;
    const __int128 absDivisor = divisor < 0 ? -divisor : divisor;
    if (absRest * 2 >= absDivisor)
        hundredths += (scaled < 0) != (divisor < 0) ? -1 : 1;
    const qint64 value = qint64(hundredths);
    const qint64 magnitude = value < 0 ? -value : value;
    const QString sign = value > 0 ? QStringLiteral("+") : value < 0 ? QStringLiteral("-") : QString();
    return QStringLiteral("%1%2.%3%").arg(sign).arg(magnitude / 100).arg(magnitude % 100, 2, 10, QChar(u'0'));
}

ResultSet PriceListImport::previewRows(const CsvTable& table, int count, QStringList& captions) {
    ResultSet rows;
    qsizetype columns = table.header.size();
    for (int i = 0; i < count && i < table.records.size(); ++i)
        columns = std::max(columns, table.records[i].fields.size());
    captions.clear();
    for (int c = 0; c < columns; ++c)
        captions << columnCaption(table.header, c);
    for (int i = 0; i < count && i < table.records.size(); ++i) {
        QVariantList row;
        for (int c = 0; c < columns; ++c)
            row << table.records[i].fields.value(c);
        rows.rows << row;
    }
    rows.columns = captions;
    return rows;
}

QList<PriceChange> PriceListImport::changes(const ImportPlan& plan) {
    QList<PriceChange> list;
    for (const ImportRow& row : plan.rows) {
        if (row.kind == ImportRow::Kind::New)
            list.append({row.name, QString(), row.price.toCurrency(), QString()});
        else if (row.kind == ImportRow::Kind::Changed)
            list.append({row.name, row.oldPrice.toCurrency(), row.price.toCurrency(),
                         percentChange(row.oldPrice, row.price)});
    }
    return list;
}

} // namespace qx
