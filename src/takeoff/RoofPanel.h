#pragma once

#include "data/AppContext.h"
#include "data/InputRules.h"
#include "data/WorkState.h"
#include "takeoff/LinealItems.h"
#include "takeoff/PlanRows.h"
#include "takeoff/RoofAreas.h"
#include "takeoff/RoofFigure.h"
#include "takeoff/RoofTotals.h"

#include <optional>

namespace qx {

// The two views of the roof panel; the value is the index of the option button optStyle.
enum class RoofView { IndividualAreas = 0, TotalArea = 1 };

// What the roof panel shows after a user action.
struct RoofShow {
    // The estimate was edited: WorkState::bChanged is set; the main window calls SaveStatus(true).
    bool changed = false;
    // Rows to refill the areas list dgAreas / the lineal list dgLineal with (lAreaRows, lLinealRows =
    // their size()); none: the list stays as it is.
    std::optional<ResultSet> areaGrid;
    std::optional<ResultSet> linealGrid;
    // The three total boxes, always current.
    RoofBoxes boxes;
};

// The outcome of "Figure": the box to put the focus back on after a refusal (None: stay), the box to
// set to kNumberReset (its rule refused it), and the panel.
struct FigureShow {
    MeasureBox focus = MeasureBox::None;
    MeasureBox reset = MeasureBox::None;
    RoofShow show;
    // After a stored figure: the width and height as stored, for the measure boxes to show.
    std::optional<std::pair<QString, QString>> measures;
};

// The outcome of a click on a view option.
struct ViewSwitch {
    enum Outcome {
        Ignored, // bIgnoreRoofEvents was set: nothing to do
        Kept,    // the user kept the present total, or a measure box was refused: set
                 // bIgnoreRoofEvents, select the other option again, clear the flag; the view stays
                 // as it was
        Switched // show frTotal (TotalArea, focus on the width box) or frInd (IndividualAreas)
    };
    Outcome outcome = Ignored;
    // The areas were cleared: set the width and height boxes to "0" and select the empty pitch entry.
    bool clearInputs = false;
    // Kept because this measure box was refused: set it to kNumberReset and give it the focus.
    MeasureBox reset = MeasureBox::None;
    RoofShow show;
};

// The roof panel's view of an opened estimate (and the measure boxes of the "Total Area" view).
struct OpenedRoof {
    RoofView view = RoofView::IndividualAreas;
    // For TotalArea: fill these with bIgnoreRoofEvents set.
    QString pitch;
    QString width = QStringLiteral("0");
    QString height = QStringLiteral("0");
    RoofShow show;
};

// The model of the roof panel of the main window: one call per user action, each returning what the
// panel must show. Questions and messages go through the program's Prompter. Edit and Delete act on
// the ID of the list's current row; with an empty list the form passes 0 and nothing happens.
class RoofPanel {
public:
    RoofPanel(AppContext& ctx, WorkState& state);

    const RoofBoxes& boxes() const { return m_totals.boxes(); }
    // The number in the Area box, which a "%" lineal item is figured from.
    double areaNumber() const { return double(boxes().area); }
    // The largest total a new area or lineal item may have so that the Area, Lineal and Total boxes all
    // stay within the whole-number range; `replacedTotal` is the total of the row an Edit replaces.
    std::int64_t room(std::int64_t replacedTotal = 0) const {
        return kMaxMeasure - boxes().total + replacedTotal;
    }

    // New, Open, Figure and Close start the panel afresh: boxes "0" (the form also shows the
    // "Individual Areas" view, measure boxes "0" and no pitch).
    RoofShow reset();
    // After the estimate's rows were copied into the working database: the view the stored rows ask
    // for (one area row with a pitch: "Total Area"), both lists and the three totals.
    OpenedRoof showOpened();

    // "Total Area" view (see RoofFigure).
    PitchChoice choosePitch(const QString& pitch, const QString& width, const QString& height,
                            bool ignoreRoofEvents);
    FigureShow Figure(const QString& pitch, const QString& width, const QString& height);

    // optStyle click (either option), with the texts of the two measure boxes. Checks the measures
    // first (see RoofFigure::checkMeasures), so the question never follows their message. When the
    // Area box is not 0, asks "Changing this view clears the present roof area total.  Do you wish to
    // continue?"; Yes deletes the working areas and the stored rows they came from.
    ViewSwitch switchView(bool ignoreRoofEvents, const QString& width, const QString& height);

    // Areas list. loadArea fills the Areas dialog for Edit; the others take the dialog's result.
    std::optional<AreaMeasures> loadArea(qint32 id) { return m_areas.load(id); }
    RoofShow addArea(const AreaMeasures& area);
    RoofShow editArea(qint32 id, const AreaMeasures& area);
    // Asks "Are you sure you want to delete this area?" ("Confirm delete.", No by default).
    RoofShow deleteArea(qint32 id);

    // Lineal list, the same way. The Lineal Items dialog's "Okay" is okayLinealItem(..., areaNumber()).
    std::optional<LinealItem> loadLineal(qint32 id) { return m_lineals.load(id); }
    RoofShow addLineal(const LinealItem& item);
    RoofShow editLineal(qint32 id, const LinealItem& item);
    // Asks "Are you sure you want to delete this item?" ("Confirm delete.", No by default).
    RoofShow deleteLineal(qint32 id);

    // "Apply" of the roof plan window: the rows and items the plan made before go (stored ones leave
    // the estimate file at once, as a deleted row does), the new ones come in and are noted as the
    // plan's; rows and items made by hand stay. Refused with "This roof is too large to be stored.
    // Please check the scale." when the roof totals could not take them. Both lists and the totals
    // then; nothing when refused or failed (reported).
    std::optional<RoofShow> applyPlan(const PlanRows& rows);

    RoofAreas& areas() { return m_areas; }
    LinealItems& lineals() { return m_lineals; }
    RoofTotals& totals() { return m_totals; }

private:
    RoofShow afterAreas(bool changed);
    RoofShow afterLineals(bool changed);
    RoofShow current(bool changed);
    bool confirmDelete(const QString& question);

    AppContext& m_ctx;
    WorkState& m_state;
    RoofAreas m_areas;
    LinealItems m_lineals;
    RoofTotals m_totals;
    RoofFigure m_figure;
};

} // namespace qx
