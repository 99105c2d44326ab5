#pragma once

#include "lines/LineItems.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace qx {

class ResultTableModel;

// The "Line Items" tab: the estimate grid by section and the line commands "&Add Item", "Edit Line",
// "Delete Line" and "Change Order".
class UiLinesPanel : public QWidget {
    Q_OBJECT
public:
    UiLinesPanel(AppContext& ctx, WorkState& state, LineItems& lines, QWidget* parent = nullptr);

    QTableView* grid() const { return m_grid; }
    ResultTableModel* model() const { return m_model; }
    // PopEstiGrid: shows the grid table as it stands, and how many lines use old prices.
    void PopEstiGrid();

signals:
    // A command changed the estimate's lines or section order: the estimate counts as changed and the
    // totals are figured again.
    void linesChanged();

private:
    void addItem();
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
    QLabel* m_priceAge;
};

} // namespace qx
