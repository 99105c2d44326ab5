#include "docs/ReportColumns.h"

#include <QLocale>
#include <cstdlib>

namespace qx::ReportColumns {

namespace {

struct ColumnSpec {
    int width;
    bool right;
};

ColumnSpec spec(int column) {
    switch (column) {
    case 1:
        return {29, false};
    case 2:
        return {13, false};
    case 3:
        return {5, false};
    case 4:
    case 5:
        return {9, false};
    case 6:
    case 27:
        return {10, true};
    case 7:
        return {kReportWidth, true};
    case 8:
        return {11, true};
    case 9:
        return {12, true};
    case 10:
        return {17, true};
    case 11:
        return {22, true};
    case 12:
        return {15, true};
    case 13:
        return {20, true};
    case 14:
    case 23:
    case 24:
        return {9, true};
    case 20:
        return {1, true};
    case 21:
        return {5, true};
    case 22:
    case 25:
    case 26:
    case 29:
        return {8, true};
    case 28:
        return {7, true};
    default:
        return {0, false};
    }
}

QString filled(const QString& value, const ColumnSpec& s) {
    return s.right ? value.rightJustified(s.width, u' ') : value.leftJustified(s.width, u' ');
}

} // namespace

int width(int column) {
    return spec(column).width;
}

bool rightJustified(int column) {
    return spec(column).right;
}

QString text(const QString& value, int column) {
    const ColumnSpec s = spec(column);
    if (s.width == 0)
        return {};
    return filled(value.left(s.width - 1), s);
}

QString number(const QString& value, int column) {
    const ColumnSpec s = spec(column);
    if (s.width == 0)
        return {};
    // A wider value keeps a blank towards its neighbour, so two amounts never run together.
    if (value.size() > s.width)
        return s.right ? u' ' + value : value + u' ';
    return filled(value, s);
}

QString joined(const QString& label, const QString& separator, const QString& amount, int column) {
    const ColumnSpec s = spec(column);
    if (s.width == 0)
        return {};
    const qsizetype room = std::max<qsizetype>(0, s.width - 1 - separator.size() - amount.size());
    return filled(label.left(room) + separator + amount, s);
}

QString grouped(Money amount) {
    const QLocale locale;
    const qint64 cents = amount.roundedToCents().raw() / 100;
    const qulonglong magnitude = cents < 0 ? 0 - qulonglong(cents) : qulonglong(cents);
    const qulonglong hundredths = magnitude % 100;
    return (cents < 0 ? locale.negativeSign() : QString()) + locale.toString(magnitude / 100) +
           locale.decimalPoint() + (hundredths < 10 ? QString(locale.zeroDigit()) : QString()) +
           locale.toString(hundredths);
}

} // namespace qx::ReportColumns
