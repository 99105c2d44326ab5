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

    // "Figure": area = height x width x the pitch factor, the typed measures with their fractions,
    // rounded half to even; the Area box shows it (see RoofTotals), the row keeps the width and height
    // as whole numbers. No pitch: "Please enter measurements and select pitch.".
    FigureOutcome Figure(const QString& pitch, const QString& width, const QString& height);

private:
    DataAccess& m_data;
    RoofAreas& m_areas;
    RoofTotals& m_totals;
};

} // namespace qx
