#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "takeoff/AreaShapes.h"
#include "takeoff/RoofRows.h"

#include <QStringList>
#include <optional>

namespace qx {

// The one row the "Figure" command of the "Total Area" view keeps: pitch, width, height and area.
struct FigureRow {
    std::int32_t pitch = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t total = 0;
};

// The area rows of the estimate being worked on (TempAreas of the working database).
class RoofAreas {
public:
    RoofAreas(AppContext& ctx, const WorkState& state);

    // Captions of the areas list, in column order of PopAreaGrid.
    static const QStringList& gridCaptions();

    // A new area from the Areas dialog (pitch 0) or a traced facet: not stored yet (AreaID 0).
    bool add(const AreaMeasures& area);
    // Replaces working row `id` with the dialog's area; the pitch becomes the area's (0).
    bool update(qint32 id, const AreaMeasures& area);
    // Working row `id` for the Areas dialog to edit (shape and measures).
    std::optional<AreaMeasures> load(qint32 id);
    // Deletes working row `id`; when it was saved before, its row leaves the estimate file at once.
    bool remove(qint32 id);
    // The view switch: deletes every working area and, when an estimate file is open, the stored
    // areas they came from, so that the cleared total does not come back when the estimate is opened.
    bool clearAll();

    // The IDs and totals of the working rows of one shape.
    std::optional<ResultSet> rowsOfShape(std::int32_t shape, const TrapSite& site);

    // The areas list: columns "ID", "AreaID", "Shape", "Pitch", "Width 1", "Width 2", "Height",
    // "Plan area", "Total". A shape shows as its number (0, 1 or 2) with its measures; a traced facet
    // as "Facet N" (N its place among the facets, as the plan numbered them when it was applied) with
    // its pitch, plan area and roof area.
    std::optional<ResultSet> PopAreaGrid();
    // Sum of the areas' totals, 0 when there are none.
    std::optional<qint64> sumTotal();

    // "Figure": the first figure inserts the row, every later one updates the row with the highest ID.
    bool storeFigure(const FigureRow& row);
    // The figured row of an opened estimate: exactly one area row, with a pitch, and no traced facet.
    std::optional<FigureRow> figuredRow(const TrapSite& site);

private:
    AppContext& m_ctx;
    const WorkState& m_state;
    RoofRows m_rows;
};

} // namespace qx
