#pragma once

#include "lines/LineItems.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;

namespace qx {

class ResultTableModel;

// The "Line Items" tab: the estimate grid by section and the line commands "&Add Item", "Edit Line",
// "Delete Line" and "Change Order", and "Material Order..." while an estimate or a roof is open.
class UiLinesPanel : public QWidget {
    Q_OBJECT
public:
    UiLinesPanel(AppContext& ctx, WorkState& state, LineItems& lines, QWidget* parent = nullptr);

    QTableView* grid() const { return m_grid; }
    ResultTableModel* model() const { return m_model; }
    // PopEstiGrid: shows the grid table as it stands, and how many lines use old prices.
    void PopEstiGrid();
    // "Material Order...": the order stands above the lines, so the window that owns both hands it in.
    // `available` says whether the command may be used now; `show` shows the order over `parent` and
    // says whether it changed the lines' quantities.
    struct MaterialOrderCommand {
        std::function<bool()> available;
        std::function<bool(QWidget* parent)> show;
    };
    void setMaterialOrder(MaterialOrderCommand command) { m_materialOrder = std::move(command); }

signals:
    // A command changed the estimate's lines or section order: the estimate counts as changed and the
    // totals are figured again.
    void linesChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addItem();
    void materialOrder();
    void editLine();
    void deleteLine();
    void changeOrder();
    // Shows the picker for a new line (0) or for line `lineId`; true when the user confirmed it.
    bool pick(qint32 lineId);

    AppContext& m_ctx;
    WorkState& m_state;
    LineItems& m_lines;
    QTableView* m_grid;
    ResultTableModel* m_model;
    QPushButton* m_order;
    MaterialOrderCommand m_materialOrder;
    QLabel* m_priceAge;
};

} // namespace qx
