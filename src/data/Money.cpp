#include "data/Money.h"

#include "data/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qx {
namespace {

using Wide = __int128;

constexpr std::int64_t kMaxRaw = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMinRaw = std::numeric_limits<std::int64_t>::min();
// The significant digits a factor is taken to (see decimalFactor).
constexpr int kFactorDigits = 15;
// Beyond 10^37 a power of ten leaves the 128-bit range's safe margin (its maximum is about 1.7 * 10^38).
constexpr int kMaxWidePower = 37;

Wide powerOfTen(int exponent) {
    Wide p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

// n / d rounded half away from zero; d > 0 and |n % d| * 2 must fit.
Wide divideRounded(Wide n, Wide d) {
    Wide q = n / d;
    const Wide r = n % d;
    const Wide twice = (r < 0 ? -r : r) * 2;
    if (twice >= d)
        q += n < 0 ? -1 : 1;
    return q;
}

// A product beyond what an amount can hold is held at the nearest amount that fits.
std::int64_t clampToRaw(Wide value) {
    if (value > kMaxRaw)
        return kMaxRaw;
    if (value < kMinRaw)
        return kMinRaw;
    return static_cast<std::int64_t>(value);
}

// A factor as the decimal digits that name it: factor = mantissa * 10^exponent exactly, taken from its
// text to fifteen significant digits ("0.15" for 0.15, never 0.1499999999999999944...). Fifteen digits
// name every number typed with no more, and they are what a database writes a stored number as (SQLite's
// text of a REAL, PostgreSQL's numeric of a float8), so a stored query can figure the same product.
struct DecimalFactor {
    Wide mantissa = 0;
    int exponent = 0;
};

DecimalFactor decimalFactor(double factor) {
    const QString text = QString::number(factor, 'g', kFactorDigits);
    DecimalFactor d;
    bool negative = false;
    bool inFraction = false;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.') {
            inFraction = true;
        } else if (c == u'e' || c == u'E') {
            d.exponent += text.mid(i + 1).toInt();
            break;
        } else {
            d.mantissa = d.mantissa * 10 + (c.unicode() - u'0');
            if (inFraction)
                --d.exponent;
        }
    }
    if (negative)
        d.mantissa = -d.mantissa;
    return d;
}

// raw * factor rounded half away from zero to a multiple of step ten-thousandths (1 or 100).
Money productRounded(std::int64_t raw, double factor, int stepPower) {
    if (std::isnan(factor))
        return Money();
    if (std::isinf(factor)) {
        const bool negative = (raw < 0) != (factor < 0);
        return raw == 0 ? Money() : Money::fromRaw(negative ? kMinRaw : kMaxRaw);
    }
    const DecimalFactor d = decimalFactor(factor);
    // |raw| < 10^19 and the mantissa has at most 17 digits, so the product stays below 10^36.
    Wide exact = Wide(raw) * d.mantissa;
    int divisorPower = stepPower - d.exponent;
    const Wide limit = powerOfTen(kMaxWidePower);
    while (divisorPower < 0 && exact != 0) {
        if (exact > limit || exact < -limit)
            return Money::fromRaw(exact > 0 ? kMaxRaw : kMinRaw);
        exact *= 10;
        ++divisorPower;
    }
    if (divisorPower > kMaxWidePower)
        return Money(); // less than a hundredth of the step: rounds to nothing
    const Wide steps = divisorPower > 0 ? divideRounded(exact, powerOfTen(divisorPower)) : exact;
    return Money::fromRaw(clampToRaw(Wide(clampToRaw(steps)) * powerOfTen(stepPower)));
}

std::int64_t centsOf(std::int64_t raw) {
    return static_cast<std::int64_t>(divideRounded(raw, 100));
}

// The amount of a plain "-1234.5678" text, extra decimals rounded half away from zero.
std::optional<Money> moneyOfPlain(bool negative, const QString& whole, const QString& fraction) {
    // The negative range reaches one ten-thousandth further than the positive one.
    const Wide limit = negative ? -Wide(kMinRaw) : Wide(kMaxRaw);
    Wide magnitude = 0;
    for (QChar c : whole) {
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    for (int i = 0; i < 4; ++i)
        magnitude = magnitude * 10 + (i < fraction.size() ? fraction[i].unicode() - u'0' : 0);
    if (fraction.size() > 4 && fraction[4] >= u'5')
        ++magnitude;
    if (magnitude > limit)
        return std::nullopt;
    return Money::fromRaw(static_cast<std::int64_t>(negative ? -magnitude : magnitude));
}

bool isDigits(const QString& text) {
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// Currency texts hold a fixed private-use character where the symbol goes while the number is put in.
constexpr char16_t kSymbolMark = 0xE000;

QString symbolOf(const QLocale& locale) {
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    return symbol.isEmpty() ? locale.currencySymbol(QLocale::CurrencyIsoCode) : symbol;
}

// Takes the currency symbol (or ISO code) off either end of text; false when neither end has one.
bool takeSymbol(QString& text, const QLocale& locale) {
    for (const QString& symbol :
         {locale.currencySymbol(QLocale::CurrencySymbol), locale.currencySymbol(QLocale::CurrencyIsoCode)}) {
        if (symbol.isEmpty())
            continue;
        if (text.startsWith(symbol)) {
            text = text.mid(symbol.size());
            return true;
        }
        if (text.endsWith(symbol)) {
            text.chop(symbol.size());
            return true;
        }
    }
    return false;
}

} // namespace

Money Money::timesRoundedToRaw(double factor) const {
    return productRounded(m_raw, factor, 0);
}

Money Money::timesRoundedToCents(double factor) const {
    return productRounded(m_raw, factor, 2);
}

Money Money::roundedToCents() const {
    return fromCents(centsOf(m_raw));
}

std::optional<Money> Money::parsePlain(const QString& text) {
    QString digits = text.trimmed();
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.front() == u'-';
        digits.remove(0, 1);
    }
    const qsizetype point = digits.indexOf(u'.');
    const QString whole = point < 0 ? digits : digits.left(point);
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    if (!isDigits(whole) || !isDigits(fraction) || whole.size() + fraction.size() == 0)
        return std::nullopt;
    return moneyOfPlain(negative, whole, fraction);
}

QString Money::toPlain(int decimals) const {
    decimals = std::clamp(decimals, 0, 4);
    const Wide unit = powerOfTen(decimals);
    const Wide rounded = divideRounded(m_raw, powerOfTen(4 - decimals));
    const Wide magnitude = rounded < 0 ? -rounded : rounded;
    QString text = rounded < 0 ? QStringLiteral("-") : QString();
    text += QString::number(static_cast<qulonglong>(magnitude / unit));
    if (decimals > 0)
        text +=
            u'.' + QString::number(static_cast<qulonglong>(magnitude % unit)).rightJustified(decimals, u'0');
    return text;
}

QString Money::toCurrency(const QLocale& locale) const {
    // Built from the whole cents so that no amount passes through a double; the locale supplies the
    // grouping, decimal point, symbol and where the sign and symbol go.
    const std::int64_t cents = centsOf(m_raw);
    const qulonglong magnitude =
        cents < 0 ? 0 - static_cast<qulonglong>(cents) : static_cast<qulonglong>(cents);
    QString number = locale.toString(magnitude / 100) + locale.decimalPoint();
    const qulonglong hundredths = magnitude % 100;
    if (hundredths < 10)
        number += locale.zeroDigit();
    number += locale.toString(hundredths);

    QString text = locale.toCurrencyString(qlonglong(cents < 0 ? -1 : 1), QString(QChar(kSymbolMark)));
    const qsizetype one = text.indexOf(locale.toString(1));
    if (one < 0 || !text.contains(QChar(kSymbolMark)))
        return (cents < 0 ? locale.negativeSign() : QString()) + symbolOf(locale) + number;
    text.replace(one, locale.toString(1).size(), number);
    text.replace(QChar(kSymbolMark), symbolOf(locale));
    return text;
}

std::optional<Money> Money::parseCurrency(const QString& text, const QLocale& locale) {
    const auto plain = currencyToPlain(text, locale);
    return plain ? parsePlain(*plain) : std::nullopt;
}

std::optional<QString> Money::currencyToPlain(const QString& text, const QLocale& locale) {
    // Peel the symbol, a sign and accounting brackets off the ends in whatever order the locale writes
    // them, each at most once, then read what remains as a number.
    QString rest = text.trimmed();
    bool negative = false;
    bool symbolTaken = false;
    bool signTaken = false;
    bool bracketsTaken = false;
    for (;;) {
        rest = rest.trimmed();
        if (!bracketsTaken && !signTaken && rest.startsWith(u'(') && rest.endsWith(u')') &&
            rest.size() >= 2) {
            rest = rest.mid(1, rest.size() - 2);
            negative = bracketsTaken = true;
            continue;
        }
        if (!symbolTaken && takeSymbol(rest, locale)) {
            symbolTaken = true;
            continue;
        }
        if (!signTaken && !bracketsTaken) {
            auto sign = takeLeadingSign(rest, locale);
            if (!sign)
                sign = takeTrailingSign(rest, locale);
            if (sign) {
                negative = *sign;
                signTaken = true;
                continue;
            }
        }
        break;
    }
    const auto plain = plainDecimal(rest, locale);
    if (!plain)
        return std::nullopt;
    return negative ? u'-' + *plain : *plain;
}

} // namespace qx
