#include "data/WholeNumber.h"

#include "data/NumberText.h"

#include <cmath>
#include <limits>

namespace qx {

double roundHalfEven(double value) {
    // Written out rather than left to std::nearbyint, whose result depends on the thread's rounding mode.
    double rounded = std::round(value); // halves away from zero
    if (std::fabs(rounded - value) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);
    return rounded + 0.0; // -0.5 gives 0, not -0
}

std::optional<std::int32_t> toWhole(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<double> parseNumber(const QString& text, const QLocale& locale) {
    // Measures are typed as plain decimals; exponent forms ("1e5") are refused, nobody means them here.
    const auto plain = signedPlainDecimal(text, locale);
    if (!plain)
        return std::nullopt;
    bool ok = false;
    const double value = plain->toDouble(&ok); // QString::toDouble reads the C format, correctly rounded
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> parseWhole(const QString& text, const QLocale& locale) {
    const auto value = parseNumber(text, locale);
    return value ? toWhole(*value) : std::nullopt;
}

} // namespace qx
