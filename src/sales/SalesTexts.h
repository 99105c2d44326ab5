#pragma once

#include "sales/SalesSum.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace qx {

// What the Sales window and the idle main window say about the register's estimates.
namespace SalesTexts {

inline const QString kCaption = QStringLiteral("Sales");
inline const QString kFollowUpCaption = QStringLiteral("Follow up");
inline const QString kByTypeCaption = QStringLiteral("By type");

// A sum of stored totals in the currency format: "$15,000.50", or kTooLarge.
QString sum(const SalesSum& value);
inline const QString kTooLarge = QStringLiteral("too large to add up");
// "Pending: 2 estimates, $15,000.50"
QString pipeline(int estimates, const SalesSum& value);
// "Accepted 3 of 4 decided (75%)", or "No estimates decided yet".
QString winRate(int accepted, int decided);
// "Average accepted: $8,000.08"; "Average accepted: none" while no accepted estimate has a total.
QString average(std::optional<Money> average);
// "1 estimate without a stored total", "3 estimates without a stored total"; empty for none.
QString unknownTotals(int estimates);
// "2 estimates need follow-up", "1 estimate needs follow-up"; empty for none.
QString followUpCount(int estimates);
// "SmithReroof              expires in 3 days": the name padded to 25, then when its validity ends
// ("expired today" on its expiry day, as the open dialog's "**EXPIRED**").
QString followUpLine(const QString& name, int daysLeft);
// "Dec 2026"
QString month(const QDate& firstDay);

// The chart's legend: "Estimates (most 12)", "Accepted value (best $40,000.00)".
QString madeLegend(int most);
QString valueLegend(const SalesSum& best);

QStringList monthColumns();
QStringList typeColumns();

} // namespace SalesTexts

} // namespace qx
