#include "pricelist/PriceListImport.h"

#include "costs/CostItemEditor.h"
#include "costs/CostTexts.h"
#include "data/DateText.h"
#include "data/InputRules.h"
#include "pricelist/ImportPlanner.h"
#include "pricelist/PriceListTexts.h"

namespace qx {

namespace {

const TrapSite kPreviewSite{QStringLiteral("ImportPreview"), TrapSite::Form, QStringLiteral("frmImport")};
const TrapSite kApplySite{QStringLiteral("cmdImportApply_Click"), TrapSite::Form,
                          QStringLiteral("frmImport")};

// Rows written between two progress reports.
constexpr int kProgressStep = 500;
// The preview shows the start of a long cell: laying out thousands of characters would stall it.
constexpr int kPreviewCellChars = 100;

} // namespace

QString ImportPlan::summary() const {
    return importSummary(added, changed, unchanged, int(refused.size()));
}

PriceListImport::PriceListImport(DataAccess& data, const Conn& cost)
    : m_data(data)
    , m_cost(cost) {}

std::optional<ImportPlan> PriceListImport::preview(const CsvTable& table, const ColumnMapping& mapping,
                                                   const ImportOptions& options) {
    std::optional<StoredItems> stored;
    m_data.Trap(kPreviewSite, [&] { stored = StoredItems::read(m_data, m_cost); });
    if (!stored)
        return std::nullopt;
    return ImportPlanner(*stored, table, mapping, options).plan();
}

std::optional<QString> PriceListImport::categoryProblem(const QString& category) {
    return checkRequired(category, CostItemEditor::maxLength(CostItemField::Category), kMsgCategoryBlank);
}

namespace {

QVariant orNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant amountOf(const ImportRow& row) {
    return row.price ? QVariant(qlonglong(row.price->raw())) : QVariant();
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
                     orNull(row.unit), amountOf(row), date});
            } else if (row.kind == ImportRow::Kind::Changed) {
                // A blank value keeps the stored one; the price date moves only with the amount.
                file.exec(
                    QStringLiteral("update costitem set costname=coalesce(?,costname), sku=coalesce(?,sku), "
                                   "unit=coalesce(?,unit), manufacturer=coalesce(?,manufacturer), "
                                   "cat=coalesce(?,cat), pricedate=case when ? is null or amount is ? "
                                   "then pricedate else ? end, amount=coalesce(?,amount) where ID=?"),
                    {orNull(row.name), orNull(row.sku), orNull(row.unit), orNull(row.manufacturer),
                     orNull(row.category), amountOf(row), amountOf(row), date, amountOf(row), row.id});
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
            row << shortened(table.records[i].fields.value(c), kPreviewCellChars);
        rows.rows << row;
    }
    rows.columns = captions;
    return rows;
}

QList<PriceChange> PriceListImport::changes(const ImportPlan& plan) {
    QList<PriceChange> list;
    for (const ImportRow& row : plan.rows) {
        if (row.kind == ImportRow::Kind::New)
            list.append({row.item, QString(), row.price.value_or(Money()).toCurrency(), QString()});
        else if (row.kind == ImportRow::Kind::Changed)
            list.append({row.item, row.oldPrice.toCurrency(), row.price.value_or(row.oldPrice).toCurrency(),
                         percentChange(row.oldPrice, row.price.value_or(row.oldPrice))});
    }
    return list;
}

} // namespace qx
