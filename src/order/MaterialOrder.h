#pragma once

#include "costs/CostCovers.h"
#include "data/AppContext.h"
#include "data/Money.h"
#include "data/WorkState.h"
#include "lines/LineItems.h"
#include "order/OrderMeasures.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace qx {

// One row of the material order: an estimate line whose cost item covers something.
struct OrderLine {
    qint32 lineId = 0; // the line's ID in the estimate grid
    QString item;      // the line's name
    QString manufacturer;
    QString sku;
    Covers covers = Covers::Nothing;
    // Ten-thousandths of a square foot or foot per unit; nothing when the stored coverage is no
    // usable number (a text, 0, a negative or an overlarge one).
    std::optional<std::int64_t> coverage;
    // The measure over the coverage, rounded up to a whole unit; nothing when the roof has no such
    // measure or the coverage is not usable. Set Quantities leaves such a line alone.
    std::optional<std::int64_t> order;
    QString unit;
    qint32 inEstimate = 0; // the line's quantity now
    Money cost;            // the line's unit price
    Money lineTotal;       // the line's total now
    qint32 secOrder = 0;   // the order of the line's section in the grid
};

// The order of whole units a measure needs: measure / coverage rounded up; nothing when the measure is
// none (0 or less) or the coverage is not usable.
std::optional<std::int64_t> unitsToOrder(double measure, std::optional<std::int64_t> coverage);

// The material order of the open estimate (frmOrder): which lines the roof's measures cover, how many
// units of each to order, setting the lines' quantities to them, and the order as a CSV file and as a
// sheet for the supplier. Messages go through the program's Prompter.
class MaterialOrder {
public:
    MaterialOrder(AppContext& ctx, WorkState& state, LineItems& lines);

    // "Material Order..." is offered while an estimate or a roof is open.
    static bool available(const WorkState& state);

    // Reads the roof's measures and the lines in grid order (section, then line). False when the
    // reading failed (reported, procedure Form_Load of form frmOrder).
    bool open(const RoofBoxes& boxes);
    const QList<OrderLine>& lines() const { return m_lines; }
    const OrderMeasures& measures() const { return m_measures; }

    // dgOrder: "Item", "Covers", "Measure", "Per Unit", "Order", "Unit", "In Estimate".
    static const QStringList& captions();
    QList<QStringList> gridRows() const;

    // The listed lines without an order.
    int linesWithoutOrder() const;
    // Why the orders cannot become the lines' quantities: no line has an order, an order beyond a whole
    // number, a line total beyond what a line holds, or an estimate total beyond what it holds. Nothing
    // when they can.
    std::optional<QString> quantityRefusal() const;
    // "Set Quantities": each listed line with an order gets it as its quantity and its total follows by
    // the money rule; the grid and the totals are rebuilt, all in one transaction, and the estimate is
    // changed. Lines without an order keep theirs, and a message says how many. A refusal is shown and
    // changes nothing; a failure is reported and changes nothing. True when set.
    bool setQuantities();

    // The CSV file: "Item,Manufacturer,SKU,Quantity,Unit", then a row per order line (a blank quantity
    // where the line has no order); texts guarded and quoted as every CSV the program writes, lines
    // ending in CR LF.
    QString csv() const;
    // "Save as CSV": writes csv() as UTF-8 to `path` whole or not at all; a failure is told.
    bool saveCsv(const QString& path);

    // The order sheet for the supplier: the company block, the estimate's name and address, the date,
    // then item, manufacturer, SKU, quantity and unit of each row; no prices.
    QString sheet(const QDate& date) const;

private:
    AppContext& m_ctx;
    WorkState& m_state;
    LineItems& m_estimate;
    OrderMeasures m_measures;
    QList<OrderLine> m_lines;
};

} // namespace qx
