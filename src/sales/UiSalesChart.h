#pragma once

#include "sales/SalesPicture.h"

#include <QWidget>

namespace qx {

// Bars of the last 12 months, oldest on the left: the estimates made (each month against the busiest
// month) and the accepted value (against the best month), drawn with QPainter so that the window needs
// no chart library.
class UiSalesChart : public QWidget {
public:
    explicit UiSalesChart(QWidget* parent = nullptr);

    void setMonths(const QList<MonthTally>& newestFirst);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<MonthTally> m_months; // oldest first
};

} // namespace qx
