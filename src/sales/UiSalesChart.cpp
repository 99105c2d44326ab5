#include "sales/UiSalesChart.h"

#include "sales/SalesTexts.h"

#include <QPainter>
#include <algorithm>

namespace qx {

namespace {

const QColor kMadeColour(70, 110, 170);
const QColor kValueColour(225, 140, 40);

} // namespace

UiSalesChart::UiSalesChart(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("chtMonths"));
    setMinimumSize(360, 220);
}

QSize UiSalesChart::sizeHint() const {
    return {480, 260};
}

void UiSalesChart::setMonths(const QList<MonthTally>& newestFirst) {
    m_months = newestFirst;
    std::reverse(m_months.begin(), m_months.end());
    update();
}

void UiSalesChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const QRect plot = rect().adjusted(8, line * 2 + 8, -8, -(line + 8));
    if (m_months.isEmpty() || plot.width() <= 0 || plot.height() <= 0)
        return;

    int mostMade = 1;
    SalesSum bestValue;
    for (const MonthTally& month : m_months) {
        mostMade = std::max(mostMade, month.tally.estimates);
        bestValue = std::max(bestValue, month.tally.acceptedValue);
    }
    const double valueScale = std::max(1.0, bestValue.approximate());

    // The legend, with each series' top value.
    const auto legend = [&](int x, const QColor& colour, const QString& text) {
        painter.fillRect(x, 6, line - 4, line - 4, colour);
        painter.setPen(palette().text().color());
        painter.drawText(x + line, 6 + metrics.ascent() - 2, text);
        return x + line + metrics.horizontalAdvance(text) + 16;
    };
    int x = legend(8, kMadeColour, SalesTexts::madeLegend(mostMade));
    legend(x, kValueColour, SalesTexts::valueLegend(bestValue));

    painter.setPen(palette().mid().color());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    const double slot = double(plot.width()) / double(m_months.size());
    const int bar = std::max(2, int(slot * 0.35));
    for (int i = 0; i < m_months.size(); ++i) {
        const MonthTally& month = m_months.at(i);
        const int left = plot.left() + int(slot * i + (slot - 2 * bar) / 2);
        const int made = int(double(plot.height()) * month.tally.estimates / mostMade);
        const int value =
            int(double(plot.height()) * std::max(0.0, month.tally.acceptedValue.approximate()) / valueScale);
        painter.fillRect(left, plot.bottom() - made, bar, made, kMadeColour);
        painter.fillRect(left + bar, plot.bottom() - value, bar, value, kValueColour);
        const QString label = SalesTexts::month(month.month).left(3);
        painter.setPen(palette().text().color());
        painter.drawText(QRect(plot.left() + int(slot * i), plot.bottom() + 4, int(slot), line),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

} // namespace qx
