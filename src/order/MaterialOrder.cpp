#include "order/MaterialOrder.h"

#include "costs/ItemTags.h"
#include "data/DateText.h"
#include "docs/CompanyBlock.h"
#include "lines/PendingLine.h"
#include "order/OrderTexts.h"
#include "data/CsvWriter.h"

#include <QHash>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace qx {

namespace {

TrapSite orderSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Form, QStringLiteral("frmOrder")};
}

// What a covering cost item adds to its lines.
struct CoverItem {
    Covers covers;
    std::optional<std::int64_t> coverage;
    QString manufacturer;
    QString sku;
};

// A stored coverage as ten-thousandths, when it is a whole number in the coverage box's range: a text
// or a fraction stored by another tool is no coverage the order can use.
std::optional<std::int64_t> usableCoverage(const QVariant& stored) {
    constexpr std::int64_t kMaxCoverage = std::int64_t(kMaxMeasure) * 10'000;
    const int type = stored.typeId();
    if (type != QMetaType::LongLong && type != QMetaType::Int)
        return std::nullopt;
    const std::int64_t value = stored.toLongLong();
    return value > 0 && value <= kMaxCoverage ? std::optional(value) : std::nullopt;
}

QHash<qint32, CoverItem> coverItems(AppContext& ctx) {
    QHash<qint32, CoverItem> items;
    const ResultSet rows = ctx.data.Read(
        ctx.conns.sCostConn,
        QStringLiteral("select ID,covers,coverage,manufacturer,sku from costitem where covers<>'Nothing'"));
    for (const QVariantList& r : rows.rows) {
        const auto covers = coversNamed(r.at(1).toString());
        if (covers && *covers != Covers::Nothing)
            items.insert(qint32(r.at(0).toLongLong()),
                         {*covers, usableCoverage(r.at(2)), r.at(3).toString(), r.at(4).toString()});
    }
    return items;
}

QString orderText(const OrderLine& line) {
    return line.order ? QString::number(*line.order) : QString();
}

} // namespace

std::optional<std::int64_t> unitsToOrder(double measure, std::optional<std::int64_t> coverage) {
    if (!(measure > 0) || !std::isfinite(measure) || !coverage || *coverage <= 0)
        return std::nullopt;
    const std::int64_t needed = std::llround(measure * 10'000.0);
    return (needed + *coverage - 1) / *coverage;
}

MaterialOrder::MaterialOrder(AppContext& ctx, WorkState& state, LineItems& lines)
    : m_ctx(ctx)
    , m_state(state)
    , m_estimate(lines) {}

bool MaterialOrder::available(const WorkState& state) {
    return state.sOpenMode == WorkState::kNew || state.sOpenMode == WorkState::kOpen ||
           state.sOpenMode == WorkState::kFigure;
}

bool MaterialOrder::open(const RoofBoxes& boxes) {
    m_lines.clear();
    return m_ctx.data.Trap(orderSite("Form_Load"), [&] {
        m_measures = OrderMeasures::read(m_ctx, boxes);
        const QHash<qint32, CoverItem> items = coverItems(m_ctx);
        if (items.isEmpty())
            return;
        // Unit items are no cost items, whatever their keys. The lines come in the grid's order (section,
        // then line), sorted here: SQLite's sorter would cost more than reading them.
        const ResultSet rows = m_ctx.data.Read(
            m_ctx.conns.sTempConn,
            QStringLiteral("select autoid,itemid,name,qty,unit,cost,linetotal,secorder from tplineitems "
                           "where itemtable<>?"),
            {ItemTag::kUnitItem});
        m_lines.reserve(rows.size());
        for (const QVariantList& r : rows.rows) {
            const auto item = items.constFind(qint32(r.at(1).toLongLong()));
            if (item == items.cend())
                continue;
            m_lines.append({qint32(r.at(0).toLongLong()), r.at(2).toString(), item->manufacturer, item->sku,
                            item->covers, item->coverage,
                            unitsToOrder(m_measures.of(item->covers), item->coverage), r.at(4).toString(),
                            qint32(r.at(3).toLongLong()), Money::fromRaw(r.at(5).toLongLong()),
                            Money::fromRaw(r.at(6).toLongLong()), qint32(r.at(7).toLongLong())});
        }
        std::sort(m_lines.begin(), m_lines.end(), [](const OrderLine& a, const OrderLine& b) {
            return std::tie(a.secOrder, a.lineId) < std::tie(b.secOrder, b.lineId);
        });
    });
}

const QStringList& MaterialOrder::captions() {
    static const QStringList captions = {QStringLiteral("Item"),       QStringLiteral("Covers"),
                                         QStringLiteral("Measure"),    QStringLiteral("Per Unit"),
                                         QStringLiteral("Order"),      QStringLiteral("Unit"),
                                         QStringLiteral("In Estimate")};
    return captions;
}

QList<QStringList> MaterialOrder::gridRows() const {
    QList<QStringList> rows;
    rows.reserve(m_lines.size());
    for (const OrderLine& line : m_lines)
        rows << QStringList{line.item,
                            coversName(line.covers),
                            m_measures.text(line.covers),
                            line.coverage ? Coverage{*line.coverage, {}}.plain() : kCoverageUnusable,
                            line.order      ? QString::number(*line.order)
                            : line.coverage ? kOrderNoMeasure
                                            : kOrderNoCoverage,
                            line.unit,
                            QString::number(line.inEstimate)};
    return rows;
}

int MaterialOrder::linesWithoutOrder() const {
    return int(
        std::count_if(m_lines.begin(), m_lines.end(), [](const OrderLine& line) { return !line.order; }));
}

std::optional<QString> MaterialOrder::quantityRefusal() const {
    if (linesWithoutOrder() == m_lines.size())
        return kMsgNoOrder;
    Money others = m_estimate.totals().lineTotal();
    Money listed;
    for (const OrderLine& line : m_lines) {
        if (!line.order)
            continue;
        if (*line.order > kMaxMeasure)
            return kMsgOrderTooLarge.arg(line.item).arg(kMaxMeasure);
        const auto total = lineTotalWithin(qint32(*line.order), line.cost);
        if (!total)
            return lineTotalRangeMessage();
        others -= line.lineTotal;
        listed += *total;
    }
    return m_estimate.totals().totalRefusal(others + listed);
}

bool MaterialOrder::setQuantities() {
    if (m_lines.isEmpty())
        return false;
    if (const auto refusal = quantityRefusal()) {
        m_ctx.prompter.inform(kOrderTitle, *refusal, Prompter::Icon::Warning);
        return false;
    }
    const bool set = m_ctx.data.Trap(orderSite("cmdSetQty_Click"), [&] {
        SqlFile& temp = m_ctx.data.local(m_ctx.conns.sTempConn);
        Transaction transaction(temp);
        for (const OrderLine& line : m_lines) {
            if (line.order)
                temp.exec(QStringLiteral("update tplineitems set qty=?, linetotal=? where autoid=?"),
                          {qint32(*line.order), qlonglong(lineTotalOf(qint32(*line.order), line.cost).raw()),
                           line.lineId});
        }
        m_estimate.grid().RePopGrid();
        transaction.commit();
    });
    if (!set)
        return false;
    m_estimate.totals().FigureEstAdmin();
    for (OrderLine& line : m_lines) {
        if (!line.order)
            continue;
        line.inEstimate = qint32(*line.order);
        line.lineTotal = lineTotalOf(line.inEstimate, line.cost);
    }
    m_state.bChanged = true;
    if (const int skipped = linesWithoutOrder())
        m_ctx.prompter.inform(kOrderTitle, linesLeftAlone(skipped));
    return true;
}

QString MaterialOrder::csv() const {
    QString text = csvLine({kCsvHeader});
    for (const OrderLine& line : m_lines)
        text += csvLine({csvTextCell(line.item), csvTextCell(line.manufacturer), csvTextCell(line.sku),
                         orderText(line), csvTextCell(line.unit)});
    return text;
}

bool MaterialOrder::saveCsv(const QString& path) {
    QSaveFile file(path);
    const QByteArray bytes = csv().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_ctx.prompter.inform(kOrderTitle, kMsgCsvNotSaved.arg(path, file.errorString()),
                              Prompter::Icon::Warning);
        return false;
    }
    return true;
}

QString MaterialOrder::sheet(const QDate& date) const {
    QString name, address;
    m_ctx.data.Trap(orderSite("cmdOrderPrint_Click"), [&] {
        const ResultSet estimate = m_ctx.data.Read(
            m_ctx.conns.sMastConn, QStringLiteral("select estname,estaddress from master where id=?"),
            {m_state.lEstID});
        if (!estimate.isEmpty()) {
            name = estimate.at(0, 0).toString();
            address = estimate.at(0, 1).toString();
        }
    });
    const auto esc = [](const QString& text) { return text.toHtmlEscaped(); };
    QString html = QStringLiteral("<p>") +
                   esc(CompanyBlock::read(m_ctx.settings).text.trimmed())
                       .replace(QStringLiteral("\r\n"), QStringLiteral("<br>")) +
                   QStringLiteral("</p><h2>%1</h2><p>%2<br>%3<br>%4</p>")
                       .arg(esc(kOrderTitle), esc(name), esc(address), esc(shortDateText(date)));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\"><tr>");
    for (const QString& head : kCsvHeader.split(u','))
        html += QStringLiteral("<th>%1</th>").arg(esc(head));
    html += QStringLiteral("</tr>");
    for (const OrderLine& line : m_lines)
        html +=
            QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td align=\"right\">%4</td><td>%5</td></tr>")
                .arg(esc(line.item), esc(line.manufacturer), esc(line.sku), orderText(line), esc(line.unit));
    return html + QStringLiteral("</table>");
}

} // namespace qx
