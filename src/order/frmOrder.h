#pragma once

#include "order/MaterialOrder.h"

#include <QDialog>

class QTableView;

namespace qx {

class ResultTableModel;

// "Material Order": the order grid dgOrder and the commands "Set Quantities", "Print", "Save as CSV"
// and "Close". The order itself is the MaterialOrder's.
class frmOrder : public QDialog {
    Q_OBJECT
public:
    frmOrder(AppContext& ctx, MaterialOrder& order, QWidget* parent = nullptr);

    // The lines' quantities were set: the estimate's grid and totals changed.
    bool quantitiesSet() const { return m_quantitiesSet; }

private:
    void showOrder();
    void setQuantities();
    void print();
    void saveCsv();

    AppContext& m_ctx;
    MaterialOrder& m_order;
    ResultTableModel* m_model;
    QTableView* m_grid;
    bool m_quantitiesSet = false;
};

} // namespace qx
