#pragma once

#include "costs/CostEditing.h"
#include "costs/CostTables.h"
#include "data/AppContext.h"

#include <QDialog>
#include <functional>

namespace qx {

class UiCostListing;

// The price list commands of the Cost Tables window. Price lists stand above the cost database, so
// whoever opens the window hands them in. Import gets the cost type new items take and the window to
// stand over, and says whether anything was imported.
struct PriceListCommands {
    std::function<bool(const QString& costType, QWidget* parent)> importList;
    std::function<void()> exportList;
};

// The Cost Tables window: the whole cost database by kind of cost, with Add, Edit and Delete. Each
// command opens the editor for its tab and refreshes every grid when the editor has closed.
class frmUnitItem : public QDialog {
    Q_OBJECT
public:
    explicit frmUnitItem(AppContext& ctx, PriceListCommands priceLists, QWidget* parent = nullptr);

    // Opens the cost item editor in the present editor mode, then refreshes the grids: how a labor
    // rate's "Enter Non-Employee Labor Item" goes on.
    void SwitchLaborForm();

    // Shows the window until it is closed; a cost database that could not be read when the window was
    // made (reported then) keeps it closed.
    int exec() override;

private:
    void addItem();
    void editItem();
    void deleteItem();
    // "Import Price List...": new items take the current tab's cost type.
    void importCsv();
    void openEditor(CostEditor editor);
    void RefreshGrid();

    AppContext& m_ctx;
    PriceListCommands m_priceLists;
    CostEditing m_editing;
    CostTables m_tables;
    UiCostListing* m_listing;
    bool m_loaded = false;
};

} // namespace qx
