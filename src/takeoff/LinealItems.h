#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "takeoff/LinealTypes.h"
#include "takeoff/RoofRows.h"

#include <QStringList>
#include <optional>

namespace qx {

// The lineal items of the estimate being worked on (TempLineal of the working database).
class LinealItems {
public:
    LinealItems(AppContext& ctx, const WorkState& state);

    // Captions of the lineal list, in column order of PopLinealGrid.
    static const QStringList& gridCaptions();

    // A new item from the Lineal Items dialog, not stored yet (LinealID 0).
    bool add(const LinealItem& item);
    bool update(qint32 id, const LinealItem& item);
    // Working row `id` for the Lineal Items dialog to edit (name, type and length).
    std::optional<LinealItem> load(qint32 id);
    // Deletes working row `id`; when it was saved before, its row leaves the estimate file at once.
    bool remove(qint32 id);

    // The lineal list: columns "ID", "LinID", "Type", "Name", "Length", "Total".
    std::optional<ResultSet> PopLinealGrid();
    // Sum of the items' totals, 0 when there are none.
    std::optional<qint64> sumTotal();

private:
    const WorkState& m_state;
    RoofRows m_rows;
};

} // namespace qx
