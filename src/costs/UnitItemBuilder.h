#pragma once

#include "costs/CostEditing.h"
#include "data/DataAccess.h"
#include "data/Money.h"
#include "data/WorkingDb.h"

#include <QStringList>
#include <optional>

namespace qx {

// The header boxes of the unit item builder, as typed.
struct UnitHeader {
    QString name, category, unit, description;
};

enum class UnitField { Name, Category, Unit, Description };

struct UnitProblem {
    UnitField field;
    QString message;
};

// The unit item builder's model. The components of the unit item being built live in the scratch
// list (tempunit of the unit-item scratch database) until Save stores them; a component taken from
// the cost database keeps its unititems key there (mainID), a new one has 0. A component's line total
// is its quantity times its cost item's amount rounded to four decimals, as everywhere a unit item is
// priced.
class UnitItemBuilder {
public:
    UnitItemBuilder(DataAccess& data, WorkingDb& working, const Conn& cost);

    // A fresh, empty scratch list.
    bool CreateUnitDB();
    // The category list (the cost items' categories) and the unit list (the unit items' units).
    QStringList PopCatCombo();
    QStringList PopUnitCombo();

    // The stored header of unit item `unitId`.
    std::optional<UnitHeader> loadHeader(qint32 unitId);
    // Loads the stored components of unit item `unitId` whose cost item still exists.
    bool PopTempTable(qint32 unitId);
    // The scratch list for the "Included Items" grid, captioned.
    std::optional<ResultSet> PopItemGrid();
    static const QStringList& gridCaptions();
    // The sum of the line totals (0 when the list is empty).
    Money ComputeTotal();

    // Adds cost item `itemId` with `quantity` to the scratch list. Returns the refusal when the quantity
    // times the item's amount is more than a line can hold (lineTotalRangeMessage), and stores nothing
    // then; a failure is reported and gives nothing.
    std::optional<QString> addComponent(qint32 itemId, double quantity);
    // The quantity of scratch row `tempId`; a stored component's quantity is stored at once.
    std::optional<double> quantityOf(qint32 tempId);
    // Changes the quantity of scratch row `tempId`; refused as addComponent refuses.
    std::optional<QString> changeQuantity(qint32 tempId, double quantity);
    // Removes scratch row `tempId`; a stored component leaves the cost database at once.
    bool removeComponent(qint32 tempId);

    static int maxLength(UnitField field);
    static std::optional<QString> lengthProblem(UnitField field, const QString& text);
    // Name and unit are required; every box keeps to its column's size.
    static std::optional<UnitProblem> check(const UnitHeader& header);
    // Stores the header (a new unit item unless the editor mode is Edit) and every component of the
    // scratch list in one transaction; returns the unit item's key.
    std::optional<qint32> save(const CostEditing& editing, const UnitHeader& header);

private:
    DataAccess& m_data;
    WorkingDb& m_working;
    const Conn& m_cost;
    const Conn& m_unit;
};

} // namespace qx
