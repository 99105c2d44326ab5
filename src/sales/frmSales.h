#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "estimate/DuplicateEstimate.h"
#include "sales/SalesPicture.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTableWidget;

namespace qx {

class UiSalesChart;

// The Sales window: what is pending, what was won, the last 12 months, the estimate types, and the
// Pending estimates to call about. Double-clicking one opens it on the status board's edit page.
class frmSales : public QDialog {
    Q_OBJECT
public:
    frmSales(AppContext& ctx, WorkState& state, QWidget* parent = nullptr);

    // "Duplicate" on the status board opened from here: the estimate to make a new one from.
    const std::optional<DuplicateRequest>& duplicateRequest() const { return m_duplicate; }

private:
    void showFigures();
    void showFollowUp();
    void followUpDoubleClicked(QListWidgetItem* item);

    AppContext& m_ctx;
    WorkState& m_state;
    SalesPicture m_picture;
    QDate m_today;
    QComboBox* m_period;
    QLabel* m_pipeline;
    QLabel* m_winRate;
    QLabel* m_average;
    QLabel* m_unknown;
    UiSalesChart* m_chart;
    QTableWidget* m_months;
    QTableWidget* m_types;
    QListWidget* m_followUp;
    std::optional<DuplicateRequest> m_duplicate;
};

} // namespace qx
