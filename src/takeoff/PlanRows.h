#pragma once

#include "takeoff/AreaShapes.h"
#include "takeoff/CutWaste.h"
#include "takeoff/LinealTypes.h"
#include "takeoff/RoofPlan.h"

#include <QList>
#include <QStringList>
#include <optional>
#include <variant>

namespace qx {

// What applying a traced roof puts into the estimate: one area row per facet (shape "Plan", Pitch its
// pitch, Width1 its plan area, Total its roof area, whole numbers), a "Ridge and hip cap" Cap item with
// the ridge and hip length and an "Eave starter" Starter item with the eave length (whole feet, half to
// even; totals by the lineal rules). An item whose length comes to 0 is left out. The roof's cut waste
// becomes a "%" item "Cut waste" (cutWasteItem), whose total the Area box gives when it goes in.
struct PlanRows {
    QList<AreaMeasures> areas;
    std::optional<LinealItem> cap;
    std::optional<LinealItem> starter;
    std::optional<CutWaste> waste;

    // All their totals together but the cut waste's, which the roof totals must be able to take.
    std::int64_t total() const;
};

// The rows of a plan; the message that refuses it when its facets do not fit together, it has no
// scale or no facet, or a facet is too large for an area row.
std::variant<PlanRows, QString> planRows(const RoofPlan& plan, const WasteSettings& rates = {});

// The totals list dgPlanTotals: "Measure", "Total"; rows "Roof area" (whole square feet) and the
// edge classes in order (feet, one decimal), then "Cut waste" ("15%"). A plan whose figures wait shows
// the measures without figures.
const QStringList& planTotalsCaptions();
QList<QStringList> planTotalsRows(const RoofFigures& figures, const WasteSettings& rates = {});

// The edge list dgEdges: "Edge" (its corners, "3-5"), "Facets" ("1, 2"), "Length" (true length, feet,
// one decimal) and "Class" (with " *" when chosen by hand).
const QStringList& edgeGridCaptions();
QList<QStringList> edgeGridRows(const RoofFigures& figures);

// The pitch list of a facet: "0" (flat), then "1" to "18".
QStringList facetPitchEntries();

} // namespace qx
