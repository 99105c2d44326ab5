#include "takeoff/PlanRows.h"

#include "data/WholeNumber.h"
#include "takeoff/PitchFactors.h"
#include "takeoff/PlanTexts.h"

namespace qx {

namespace {

QString feet(double length) {
    return QString::number(length, 'f', 1);
}

// An item of `type` for a length in feet; nothing when it comes to 0 feet.
std::optional<LinealItem> lengthItem(std::int32_t type, const QString& name, double length) {
    const auto whole = toWhole(length);
    if (!whole || *whole == 0)
        return std::nullopt;
    const auto total = GetTotal(type, *whole, 0);
    if (!total)
        return std::nullopt;
    return LinealItem{type, name, *whole, *total};
}

} // namespace

std::int64_t PlanRows::total() const {
    std::int64_t sum = 0;
    for (const AreaMeasures& area : areas)
        sum += area.total;
    for (const auto& item : {cap, starter})
        sum += item ? item->total : 0;
    return sum;
}

std::variant<PlanRows, QString> planRows(const RoofPlan& plan, const WasteSettings& rates) {
    if (plan.facets.isEmpty())
        return kMsgNoFacets;
    const RoofFigures figures = plan.figures();
    if (!figures.ok())
        return figures.problem;
    PlanRows rows;
    for (const FacetFigure& facet : figures.facets) {
        const auto planArea = toWhole(facet.planArea);
        if (!planArea || facet.roofArea > kMaxMeasure)
            return kMsgPlanTooLarge;
        rows.areas << AreaMeasures{
            kShapePlan, *planArea, 0, 0, std::int32_t(facet.roofArea), plan.facets[facet.number - 1].pitch};
    }
    const double capLength = figures.length(EdgeClass::Ridge) + figures.length(EdgeClass::Hip);
    const double eaveLength = figures.length(EdgeClass::Eave);
    if (capLength > kMaxMeasure || eaveLength > kMaxMeasure)
        return kMsgPlanTooLarge;
    rows.cap = lengthItem(kLinealCap, kPlanCapName, capLength);
    rows.starter = lengthItem(kLinealStarter, kPlanStarterName, eaveLength);
    rows.waste = cutWasteItem(figures, rates);
    if (rows.total() > kMaxMeasure)
        return kMsgPlanTooLarge;
    return rows;
}

const QStringList& planTotalsCaptions() {
    static const QStringList captions = {QStringLiteral("Measure"), QStringLiteral("Total")};
    return captions;
}

QList<QStringList> planTotalsRows(const RoofFigures& figures, const WasteSettings& rates) {
    const bool shown = figures.ok();
    QList<QStringList> rows;
    rows << QStringList{kRowRoofArea, shown ? wholeText(figures.roofArea) : QString()};
    for (int i = 0; i < kEdgeClassCount; ++i)
        rows << QStringList{edgeClassName(EdgeClass(i)),
                            shown ? feet(figures.lengths[size_t(i)]) : QString()};
    const auto waste = cutWaste(figures, rates);
    rows << QStringList{kCutWasteName, waste ? cutWastePercentText(*waste) : QString()};
    return rows;
}

const QStringList& edgeGridCaptions() {
    static const QStringList captions = {QStringLiteral("Edge"), QStringLiteral("Facets"),
                                         QStringLiteral("Length"), QStringLiteral("Class")};
    return captions;
}

QList<QStringList> edgeGridRows(const RoofFigures& figures) {
    QList<QStringList> rows;
    for (const EdgeFigure& edge : figures.edges) {
        QStringList facets;
        for (int number : edge.facets)
            facets << QString::number(number);
        QString cls = edgeClassName(edge.cls);
        if (edge.cls != edge.found)
            cls += QStringLiteral(" *");
        rows << QStringList{QStringLiteral("%1-%2").arg(edge.key.a).arg(edge.key.b),
                            facets.join(QStringLiteral(", ")), feet(edge.trueLength), cls};
    }
    return rows;
}

QStringList facetPitchEntries() {
    QStringList entries = pitchEntries();
    entries.first() = QStringLiteral("0");
    return entries;
}

} // namespace qx
