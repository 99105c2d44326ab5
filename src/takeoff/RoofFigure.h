#pragma once

#include "data/DataAccess.h"
#include "takeoff/RoofAreas.h"
#include "takeoff/RoofTotals.h"

#include <QString>

namespace qx {

// The measure boxes of the "Total Area" view: width txtArea(0), height txtArea(1).
enum class MeasureBox { None, Width, Height };

// What the form does after a pitch was chosen: put the focus on `focus` (None: leave it), and when
// `refill` is set refill the pitch list (PopPitchCombo: set bIgnoreRoofEvents, fill it with
// pitchEntries(), select the empty entry, clear the flag), which takes the refused choice back.
struct PitchChoice {
    MeasureBox focus = MeasureBox::None;
    bool refill = false;

    bool operator==(const PitchChoice&) const = default;
};

// The outcome of "Figure": `stored` when the area row was written (the estimate changed); otherwise
// a message was shown and `focus` names the box to go back to (None: the pitch list).
struct FigureOutcome {
    bool stored = false;
    MeasureBox focus = MeasureBox::None;
    // The whole width and height the row keeps (when stored).
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The "Total Area" view: a roof's plan width and height and a pitch give one area row.
class RoofFigure {
public:
    RoofFigure(DataAccess& data, RoofAreas& areas, RoofTotals& totals);

    // The pitch list's click, with the texts of the pitch entry and the two measure boxes. The form
    // passes its bIgnoreRoofEvents flag, which it sets while it changes the list itself (refilling it,
    // or filling the view of an opened estimate): with the flag set, a missing width is passed over in
    // silence, and a missing height is still reported but the list is not refilled.
    PitchChoice choosePitch(const QString& pitch, const QString& width, const QString& height,
                            bool ignoreRoofEvents);

    // "Figure": the width and height become whole numbers (half to even, see readMeasure) and area =
    // height x width x the pitch factor, rounded half to even, so the row keeps the measures its area
    // was figured from. The Area box shows it (see RoofTotals). No pitch: "Please enter measurements and
    // select pitch."; an area the roof totals cannot take: "This area is too large to be stored. Please
    // check the measurements.".
    FigureOutcome Figure(const QString& pitch, const QString& width, const QString& height);

private:
    DataAccess& m_data;
    RoofAreas& m_areas;
    RoofTotals& m_totals;
};

} // namespace qx
