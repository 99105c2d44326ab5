#include "pricelist/ImportPlanner.h"

#include "costs/CostItemEditor.h"
#include "data/InputRules.h"
#include "data/FormulaGuard.h"
#include "pricelist/PriceListTexts.h"

namespace qx {

namespace {

struct FieldLimit {
    QString ImportRow::*value;
    CostItemField column;
    const char* what;
};
const FieldLimit kLimits[] = {{&ImportRow::name, CostItemField::Name, "name"},
                              {&ImportRow::sku, CostItemField::Sku, "SKU"},
                              {&ImportRow::unit, CostItemField::Unit, "unit"},
                              {&ImportRow::manufacturer, CostItemField::Manufacturer, "manufacturer"},
                              {&ImportRow::category, CostItemField::Category, "category"}};

// An item ID as the export writes it: plain digits naming a key that can be stored.
std::optional<qint32> idOf(const QString& text) {
    if (text.isEmpty() || text.size() > 10 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const qint64 id = text.toLongLong();
    return id > 0 && id <= kMaxMeasure ? std::optional(qint32(id)) : std::nullopt;
}

// A value the item already has is not written again.
QString newValue(const QString& value, const QString& stored) {
    return value == stored ? QString() : value;
}

} // namespace

ImportPlanner::ImportPlanner(const StoredItems& stored, const CsvTable& table, const ColumnMapping& mapping,
                             const ImportOptions& options)
    : m_stored(stored)
    , m_table(table)
    , m_mapping(mapping)
    , m_options(options) {
    const int priceColumn = mapping.of(PriceField::Price);
    const NumberForm form = options.numbers.value_or(
        guessNumberForm(table.records, priceColumn).form.value_or(numberFormOf(QLocale())));
    m_numbers = readingLocale(form);
}

ImportPlanner::Cells ImportPlanner::cellsOf(const CsvTable::Record& record) const {
    Cells cells;
    for (int f = 0; f < kPriceFieldCount; ++f) {
        const int column = m_mapping.of(PriceField(f));
        if (column >= 0)
            cells.value[f] = unguardFormula(trimBlanks(record.fields.value(column)));
    }
    if (const auto id = idOf(cells.of(PriceField::Id)))
        cells.byId = m_stored.byId(*id, cells.of(PriceField::Sku), cells.of(PriceField::Name),
                                   cells.of(PriceField::Manufacturer));
    return cells;
}

ImportPlan ImportPlanner::plan() {
    QList<Cells> cells;
    cells.reserve(m_table.records.size());
    for (const CsvTable::Record& record : m_table.records) {
        cells << (record.problem.isEmpty() ? cellsOf(record) : Cells());
        const QString& sku = cells.back().of(PriceField::Sku);
        if (record.problem.isEmpty() && !cells.back().byId && !sku.isEmpty())
            ++m_skuCount[StoredItems::skuKey(sku)];
    }
    ImportPlan plan;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const CsvTable::Record& record = m_table.records[i];
        ImportRow row;
        row.row = record.row;
        const auto refusal = record.problem.isEmpty() ? planRow(cells[i], row) : record.problem;
        if (refusal) {
            plan.refused << refusedRowText(record.row, *refusal);
            continue;
        }
        ++(row.kind == ImportRow::Kind::New       ? plan.added
           : row.kind == ImportRow::Kind::Changed ? plan.changed
                                                  : plan.unchanged);
        plan.rows << std::move(row);
    }
    return plan;
}

std::optional<QString> ImportPlanner::planRow(const Cells& cells, ImportRow& row) {
    const QString& sku = cells.of(PriceField::Sku);
    const StoredItem* item = cells.byId;
    if (!item) {
        if (!sku.isEmpty() && m_skuCount.value(StoredItems::skuKey(sku)) > 1)
            return whySkuTwice(shortened(sku, 40));
        item = m_stored.match(sku, cells.of(PriceField::Name), cells.of(PriceField::Manufacturer));
    }
    return item ? planMatched(cells, *item, row) : planNew(cells, row);
}

std::optional<QString> ImportPlanner::planMatched(const Cells& cells, const StoredItem& item,
                                                  ImportRow& row) {
    if (m_matched.contains(item.id))
        return whyItemTwice();
    if (const auto problem = readPrice(cells, row.price))
        return problem;
    row.id = item.id;
    row.item = cells.of(PriceField::Name).isEmpty() ? item.name : cells.of(PriceField::Name);
    row.name = newValue(cells.of(PriceField::Name), item.name);
    row.sku = newValue(cells.of(PriceField::Sku), item.sku);
    row.unit = newValue(cells.of(PriceField::Unit), item.unit);
    row.manufacturer = newValue(cells.of(PriceField::Manufacturer), item.manufacturer);
    row.category = newValue(cells.of(PriceField::Category), item.category);
    if (const auto problem = lengthProblem(row))
        return problem;
    m_matched.insert(item.id);
    row.oldPrice = Money::fromRaw(item.amount.value_or(0));
    if (row.price && item.amount && row.price->raw() == *item.amount)
        row.price.reset();
    const bool changed = row.price || !row.name.isEmpty() || !row.sku.isEmpty() || !row.unit.isEmpty() ||
                         !row.manufacturer.isEmpty() || !row.category.isEmpty();
    row.kind = changed ? ImportRow::Kind::Changed : ImportRow::Kind::Unchanged;
    return std::nullopt;
}

std::optional<QString> ImportPlanner::planNew(const Cells& cells, ImportRow& row) {
    row.item = row.name = cells.of(PriceField::Name);
    if (isBlank(row.name))
        return kWhyNoName;
    if (const auto problem = readPrice(cells, row.price))
        return problem;
    if (!row.price)
        return kWhyPrice;
    row.sku = cells.of(PriceField::Sku);
    row.unit = cells.of(PriceField::Unit);
    row.manufacturer = cells.of(PriceField::Manufacturer);
    row.category = cells.of(PriceField::Category);
    if (const auto problem = lengthProblem(row))
        return problem;
    if (row.category.isEmpty())
        row.category = trimBlanks(m_options.category);
    const QString key =
        row.sku.isEmpty() ? StoredItems::itemKey(row.name, row.manufacturer) : StoredItems::skuKey(row.sku);
    if (m_newKeys.contains(key))
        return whyItemTwice();
    m_newKeys.insert(key);
    row.kind = ImportRow::Kind::New;
    return std::nullopt;
}

std::optional<QString> ImportPlanner::readPrice(const Cells& cells, std::optional<Money>& price) const {
    const QString& text = cells.of(PriceField::Price);
    if (text.isEmpty())
        return std::nullopt;
    const Amount amount = readAmount(text, kMustBeNumber, m_numbers);
    if (!amount.ok())
        return kWhyPrice;
    price = amount.value;
    return std::nullopt;
}

std::optional<QString> ImportPlanner::lengthProblem(const ImportRow& row) {
    for (const FieldLimit& limit : kLimits) {
        const int maxLength = CostItemEditor::maxLength(limit.column);
        if (checkLength(row.*limit.value, maxLength))
            return whyTooLong(QLatin1String(limit.what), maxLength);
    }
    return std::nullopt;
}

} // namespace qx
