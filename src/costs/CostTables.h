#pragma once

#include "data/DataAccess.h"

namespace qx {

// The editors the Cost Tables window opens.
enum class CostEditor { CostItem, LaborRate, UnitItem };

// The Cost Tables window's model (its listing is the CostCatalogue's): which editor an Add or Edit opens, and
// deleting an entry.
class CostTables {
public:
    static constexpr int kLaborTab = 1;

    CostTables(DataAccess& data, const Conn& cost);

    // Add on the Labor tab names a labor rate, on the CostUnit tab builds a unit item.
    static CostEditor editorForAdd(int tab);
    // An Hourly labor item is a labor rate; every other cost item, other labor included, opens in the
    // cost item editor.
    static CostEditor editorForEdit(int tab, const QString& category);

    // Deletes entry `id` of tab `tab`: a unit item with its components, or a cost item with the burden
    // parts a labor rate keeps. Components of other unit items that use a deleted cost item stay; the
    // unit items' prices leave them out from now on.
    bool remove(int tab, qint32 id);

private:
    DataAccess& m_data;
    const Conn& m_cost;
};

} // namespace qx
