#pragma once

#include <QLocale>
#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace qx {

// A currency amount held exactly as a signed count of ten-thousandths (four decimal places), the
// precision the cost database and the estimate files store. Sums are exact; every product names its
// rounding. Amounts are shown to the currency's two decimals, rounded half away from zero.
class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromCents(std::int64_t cents) { return Money(cents * 100); }
    static constexpr Money fromWhole(std::int64_t units) { return Money(units * kScale); }

    constexpr std::int64_t raw() const { return m_raw; }
    constexpr bool isZero() const { return m_raw == 0; }

    constexpr Money operator+(Money o) const { return Money(m_raw + o.m_raw); }
    constexpr Money operator-(Money o) const { return Money(m_raw - o.m_raw); }
    constexpr Money operator-() const { return Money(-m_raw); }
    Money& operator+=(Money o) {
        m_raw += o.m_raw;
        return *this;
    }
    Money& operator-=(Money o) {
        m_raw -= o.m_raw;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

    // Exact product with a whole quantity (a line's quantity); nothing when the product is beyond what
    // an amount can hold.
    constexpr std::optional<Money> times(std::int64_t qty) const {
        std::int64_t product = 0;
        if (__builtin_mul_overflow(m_raw, qty, &product))
            return std::nullopt;
        return Money(product);
    }
    // Product with a fractional factor (a component quantity, a percentage), rounded to four
    // decimals, half away from zero. The factor is taken as its decimal to fifteen significant digits,
    // so 0.1 counts as one tenth, not as its binary neighbour, and a stored query figures the same.
    Money timesRoundedToRaw(double factor) const;
    // The same product rounded to the currency's two decimals (half away from zero).
    Money timesRoundedToCents(double factor) const;
    // This amount rounded to two decimals, half away from zero: what the screen shows.
    Money roundedToCents() const;

    // "1234.5" style texts: digits, optional sign, optional "." and up to four decimals (more are
    // rounded half away from zero). No grouping, no currency sign. Empty optional when not a number.
    static std::optional<Money> parsePlain(const QString& text);
    // Plain decimal text for storage: "-12.3400" style with the given number of decimals (0..4),
    // rounded half away from zero; no grouping, no currency sign.
    QString toPlain(int decimals = 2) const;

    // The user's currency format (symbol, grouping, negative style), two decimals.
    QString toCurrency(const QLocale& locale = QLocale()) const;
    // Reads back what toCurrency shows, and also plain numbers in the locale's or the C format,
    // with or without the currency symbol and grouping; "(12.00)" and "-12.00" are negative.
    static std::optional<Money> parseCurrency(const QString& text, const QLocale& locale = QLocale());
    // The number a currency text stands for as plain "-1234.5" text, of any length (parseCurrency refuses
    // what an amount cannot hold); empty when the text is no amount.
    static std::optional<QString> currencyToPlain(const QString& text, const QLocale& locale = QLocale());

private:
    constexpr explicit Money(std::int64_t raw)
        : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

} // namespace qx
