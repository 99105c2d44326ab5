#pragma once

#include "data/WholeNumber.h"
#include "takeoff/LinealItems.h"
#include "takeoff/RoofAreas.h"

#include <QString>
#include <cstdint>

namespace qx {

// The three total boxes of the roof panel: Area txtRoof(0), Lineal txtRoof(1), Total txtRoof(2).
// The roof detail report prints them as "Total area:", "Total other:" and "Total roof:".
struct RoofBoxes {
    std::int64_t area = 0;
    std::int64_t lineal = 0;
    std::int64_t total = 0;

    // As the boxes show them: whole numbers without separators.
    QString areaText() const { return wholeText(area); }
    QString linealText() const { return wholeText(lineal); }
    QString totalText() const { return wholeText(total); }

    bool operator==(const RoofBoxes&) const = default;
};

// Keeps the three totals. A total whose read fails (reported in procedure TotalArea or TotalOther of
// Form frmQuovi) keeps what it showed before.
class RoofTotals {
public:
    RoofTotals(RoofAreas& areas, LinealItems& lineals);

    const RoofBoxes& boxes() const { return m_boxes; }

    // Area = the sum of the working areas, then RoofTotal.
    void TotalArea();
    // Lineal = the sum of the working lineal items, then RoofTotal.
    void TotalOther();
    // Total = Area + Lineal (in 64 bits: a sum of whole-number totals may pass the 32-bit range).
    void RoofTotal();
    // The Area box shows a figured area ("Figure", or an estimate opened in the "Total Area" view),
    // then RoofTotal.
    void showArea(std::int64_t area);
    // All three boxes back to 0, as when the main window starts.
    void reset() { m_boxes = {}; }

private:
    RoofAreas& m_areas;
    LinealItems& m_lineals;
    RoofBoxes m_boxes;
};

} // namespace qx
