#pragma once

#include "data/DataAccess.h"
#include "takeoff/RoofAreas.h"
#include "takeoff/RoofTotals.h"

#include <QString>

namespace qx {

// The measure boxes of the "Total Area" view: width txtArea(0), height txtArea(1).
enum class MeasureBox { None, Width, Height };

// What the form does after a pitch was chosen: put the focus on `focus` (None: leave it), set the box
// `reset` (the one its rule refused) to kNumberReset, and when `refill` is set refill the pitch list
// (PopPitchCombo: set bIgnoreRoofEvents, fill it with pitchEntries(), select the empty entry, clear the
// flag), which takes the refused choice back.
struct PitchChoice {
    MeasureBox focus = MeasureBox::None;
    bool refill = false;
    MeasureBox reset = MeasureBox::None;

    bool operator==(const PitchChoice&) const = default;
};

// The outcome of "Figure": `stored` when the area row was written (the estimate changed); otherwise
// a message was shown and `focus` names the box to go back to (None: the pitch list), and `reset` the
// box its rule refused, to be set to kNumberReset.
struct FigureOutcome {
    bool stored = false;
    MeasureBox focus = MeasureBox::None;
    MeasureBox reset = MeasureBox::None;
    // The whole width and height the row keeps (when stored).
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The "Total Area" view: a roof's plan width and height and a pitch give one area row.
class RoofFigure {
public:
    RoofFigure(DataAccess& data, RoofAreas& areas, RoofTotals& totals);

    // The rule of the two measure boxes (checkMeasure), which every action that uses them checks first:
    // the first box (width, then height) it refuses, after its message ("This field must be a number."
    // for a text that is no number) was shown; None when both hold measures.
    MeasureBox checkMeasures(const QString& width, const QString& height);

    // The pitch list's click, with the texts of the pitch entry and the two measure boxes. The form
    // passes its bIgnoreRoofEvents flag, which it sets while it changes the list itself (refilling it,
    // or filling the view of an opened estimate): with the flag set, a missing width is passed over in
    // silence, and a missing height is still reported but the list is not refilled. A user's choice
    // checks the measures first; a box it refuses refuses the choice as a 0 would.
    PitchChoice choosePitch(const QString& pitch, const QString& width, const QString& height,
                            bool ignoreRoofEvents);

    // "Figure": the measures checked first (see checkMeasures); then the width and height become whole
    // numbers (half to even, see readMeasure) and area = height x width x the pitch factor, rounded half
    // to even, so the row keeps the measures its area was figured from. The Area box shows it (see
    // RoofTotals). No pitch: "Please enter measurements and select pitch."; an area the roof totals
    // cannot take: "This area is too large to be stored. Please check the measurements.".
    FigureOutcome Figure(const QString& pitch, const QString& width, const QString& height);

private:
    DataAccess& m_data;
    RoofAreas& m_areas;
    RoofTotals& m_totals;
};

} // namespace qx
