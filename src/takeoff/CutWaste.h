#pragma once

#include "takeoff/PlanGeometry.h"
#include "takeoff/WasteSettings.h"

#include <QString>
#include <optional>

namespace qx {

// The cut waste of a traced roof: the base percentage, plus the square feet lost along every foot of
// hip and valley and of rake, as a share of the roof area, rounded to a whole percent (half to even).
struct CutWaste {
    std::int32_t percent = 0;
    WasteSettings rates;
    double hipValleyFeet = 0;
    double rakeFeet = 0;
    std::int64_t roofArea = 0;

    bool operator==(const CutWaste&) const = default;
};

// The name of the "%" lineal item that carries it.
inline const QString kCutWasteName = QStringLiteral("Cut waste");

// The cut waste of a plan whose figures are done; nothing without figures or roof area, or when the
// percentage is beyond the whole-number range.
std::optional<CutWaste> cutWaste(const RoofFigures& figures, const WasteSettings& rates);

// The cut waste a traced roof writes as its "%" item, and whose working the roof detail prints: the cut
// waste when it comes to more than 0%, nothing otherwise.
std::optional<CutWaste> cutWasteItem(const RoofFigures& figures, const WasteSettings& rates);

// "15%"
QString cutWastePercentText(const CutWaste& waste);
// The working on one line: "Cut waste 15% = 5% + 1.5 sq ft x 90.0 ft of hips and valleys + 0.5 sq ft
// x 0.0 ft of rakes over 1342 sq ft".
QString cutWasteLine(const CutWaste& waste);

} // namespace qx
