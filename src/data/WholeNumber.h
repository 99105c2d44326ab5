#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace qx {

// Roof measures, areas, lengths, totals and line quantities are 32-bit whole numbers. Converting a
// typed or computed number to one rounds to the nearest whole number, an exact half going to the even
// neighbour (2.5 -> 2, 7.5 -> 8, -2.5 -> -2).
double roundHalfEven(double value);

// roundHalfEven, then empty when the result lies outside the 32-bit range (or is not finite).
std::optional<std::int32_t> toWhole(double value);

// A number as a user types it: optional blanks around it, an optional sign, digits with the locale's
// or the C decimal point, grouping allowed in the locale's style. Empty when the text is not a number
// (an empty text is not a number).
std::optional<double> parseNumber(const QString& text, const QLocale& locale = QLocale());

// parseNumber then toWhole.
std::optional<std::int32_t> parseWhole(const QString& text, const QLocale& locale = QLocale());

// A whole number written without separators, as the roof boxes show them.
inline QString wholeText(std::int64_t value) {
    return QString::number(value);
}

} // namespace qx
