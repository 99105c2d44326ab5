#pragma once

#include "data/Money.h"

#include <QString>

namespace qx {

// The fixed-width columns of the estimate and roof detail reports (75 characters a line).
namespace ReportColumns {

inline constexpr int kReportWidth = 75;
// Lines of the reports end in carriage return plus line feed.
inline const QString kBreak = QStringLiteral("\r\n");

// Width of a column number; 0 for a number that names no column.
int width(int column);
bool rightJustified(int column);

// A text value in its column: filled with blanks to the width, a longer text cut one character short
// of it, so that a blank always parts it from the next column. Any other column number gives the
// empty text.
QString text(const QString& value, int column);
// A number or an amount in its column: filled with blanks to the width, never cut: a value wider than
// its column widens it by its own width and a blank on the side of its neighbour.
QString number(const QString& value, int column);
inline QString number(qint64 value, int column) {
    return number(QString::number(value), column);
}
// A label and an amount joined by `separator` in one column: only the label is cut when both do not fit
// with a blank to spare.
QString joined(const QString& label, const QString& separator, const QString& amount, int column);

// An amount in the "##,##0.00" form: the user's grouping and decimal point, two decimals, no symbol.
QString grouped(Money amount);

} // namespace ReportColumns
} // namespace qx
