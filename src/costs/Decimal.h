#pragma once

#include "data/Money.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace qx {

// An exact decimal number: the labor rate arithmetic (a burden is a percentage of the base rate, shown
// rounded to three places, half to even) never passes through binary floating point, so 7.65 percent of
// 20 is 1.53 and not its binary neighbour.
class Decimal {
public:
    constexpr Decimal() = default;

    // A number as a user types it (locale or C format, optional sign), at most 18 significant digits;
    // empty when the text is not such a number.
    static std::optional<Decimal> parse(const QString& text, const QLocale& locale = QLocale());
    static Decimal fromMoney(Money amount);

    // `percent` percent of this number, exactly.
    Decimal percent(const Decimal& percent) const;
    // Rounded to `places` decimals, an exact half going to the even neighbour.
    Decimal roundedHalfEven(int places) const;

    bool isZero() const { return m_mantissa == 0; }
    bool isNegative() const { return m_mantissa < 0; }
    // As money: rounded to four decimals, half away from zero; empty when too large for an amount.
    std::optional<Money> toMoney() const;
    // Plain text without grouping or trailing zeros: "0.4", "9", "1.53", "-2.5".
    QString toPlain() const;

private:
    using Wide = __int128;
    constexpr Decimal(Wide mantissa, int scale)
        : m_mantissa(mantissa)
        , m_scale(scale) {}
    Decimal normalized() const;

    Wide m_mantissa = 0; // value = m_mantissa / 10^m_scale
    int m_scale = 0;
};

} // namespace qx
