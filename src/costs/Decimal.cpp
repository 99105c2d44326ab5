#include "costs/Decimal.h"

#include "data/NumberText.h"

#include <limits>

namespace qx {

namespace {

using Wide = __int128;

constexpr int kMaxDigits = 18;

Wide powerOfTen(int exponent) {
    Wide p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

Wide magnitudeOf(Wide value) {
    return value < 0 ? -value : value;
}

} // namespace

std::optional<Decimal> Decimal::parse(const QString& typed, const QLocale& locale) {
    QString text = typed.trimmed();
    auto negative = takeLeadingSign(text, locale);
    if (!negative)
        negative = takeTrailingSign(text, locale);
    const auto plain = plainDecimal(text.trimmed(), locale);
    if (!plain)
        return std::nullopt;
    QString digits = *plain;
    int scale = 0;
    if (const qsizetype point = digits.indexOf(u'.'); point >= 0) {
        while (digits.endsWith(u'0'))
            digits.chop(1);
        scale = int(digits.size() - point - 1);
        digits.remove(point, 1);
    }
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (digits.size() > kMaxDigits)
        return std::nullopt;
    Wide mantissa = 0;
    for (QChar c : digits)
        mantissa = mantissa * 10 + (c.unicode() - u'0');
    return Decimal(negative.value_or(false) ? -mantissa : mantissa, scale).normalized();
}

Decimal Decimal::fromMoney(Money amount) {
    return Decimal(amount.raw(), 4).normalized();
}

Decimal Decimal::percent(const Decimal& percent) const {
    // Both factors hold at most 18 digits, so the product stays far inside the 128-bit range.
    return Decimal(m_mantissa * percent.m_mantissa, m_scale + percent.m_scale + 2).normalized();
}

Decimal Decimal::roundedHalfEven(int places) const {
    if (m_scale <= places)
        return *this;
    const Wide divisor = powerOfTen(m_scale - places);
    Wide quotient = m_mantissa / divisor;
    const Wide twiceRest = magnitudeOf(m_mantissa % divisor) * 2;
    if (twiceRest > divisor || (twiceRest == divisor && quotient % 2 != 0))
        quotient += m_mantissa < 0 ? -1 : 1;
    return Decimal(quotient, places).normalized();
}

std::optional<Money> Decimal::toMoney() const {
    Wide raw;
    if (m_scale <= 4) {
        raw = m_mantissa * powerOfTen(4 - m_scale);
    } else {
        const Wide divisor = powerOfTen(m_scale - 4);
        raw = m_mantissa / divisor;
        if (magnitudeOf(m_mantissa % divisor) * 2 >= divisor)
            raw += m_mantissa < 0 ? -1 : 1;
    }
    if (magnitudeOf(raw) > Wide(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    return Money::fromRaw(static_cast<std::int64_t>(raw));
}

QString Decimal::toPlain() const {
    const Wide magnitude = magnitudeOf(m_mantissa);
    const Wide unit = powerOfTen(m_scale);
    QString text = m_mantissa < 0 ? QStringLiteral("-") : QString();
    const Wide whole = magnitude / unit;
    const Wide fraction = magnitude % unit;
    auto digitsOf = [](Wide value) {
        QString out;
        do {
            out.prepend(QChar(u'0' + int(value % 10)));
            value /= 10;
        } while (value != 0);
        return out;
    };
    text += digitsOf(whole);
    if (m_scale > 0)
        text += u'.' + digitsOf(fraction).rightJustified(m_scale, u'0');
    return text;
}

Decimal Decimal::normalized() const {
    Decimal d = *this;
    while (d.m_scale > 0 && d.m_mantissa % 10 == 0) {
        d.m_mantissa /= 10;
        --d.m_scale;
    }
    return d;
}

} // namespace qx
