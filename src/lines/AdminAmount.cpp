#include "lines/AdminAmount.h"

#include "data/NumberText.h"

#include <QLocale>

namespace qx {

namespace {

using Wide = __int128;

// More digits than any percentage needs; keeps the exact product inside 128 bits.
constexpr int kMaxPercentDigits = 18;

Wide powerOfTen(int exponent) {
    Wide p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

Wide divideRounded(Wide n, Wide d) {
    Wide q = n / d;
    const Wide r = n % d;
    if ((r < 0 ? -r : r) * 2 >= d)
        q += n < 0 ? -1 : 1;
    return q;
}

QString withoutTrailingZeros(QString plain) {
    if (!plain.contains(u'.'))
        return plain;
    while (plain.endsWith(u'0'))
        plain.chop(1);
    if (plain.endsWith(u'.'))
        plain.chop(1);
    return plain;
}

} // namespace

QString AdminAmount::kindLabel() const {
    return isFixed() ? kFixedLabel : percent + QStringLiteral("%");
}

Money AdminAmount::amountOn(Money lineTotal) const {
    if (isFixed())
        return fixed;
    const auto exact = readPercent(percent);
    return exact ? percentOf(lineTotal, *exact).value_or(Money()) : Money();
}

QString AdminAmount::encoded() const {
    return isFixed() ? kFixedKind + QStringLiteral("-") + fixed.toPlain(2) : QStringLiteral("%-") + percent;
}

AdminText splitAdminText(const QString& text) {
    const QStringList pieces = text.split(u'-');
    return {pieces.value(0), pieces.value(1)};
}

bool isFixedKind(const QString& kind) {
    return kind.trimmed().compare(kFixedKind, Qt::CaseInsensitive) == 0;
}

std::optional<QString> readPercent(const QString& text) {
    const auto plain = plainDecimal(text.trimmed(), QLocale());
    if (!plain || plain->size() > kMaxPercentDigits + 1)
        return std::nullopt;
    return withoutTrailingZeros(*plain);
}

std::optional<Money> readFixedAmount(const QString& text) {
    const auto amount = Money::parseCurrency(text);
    if (!amount || *amount < Money())
        return std::nullopt;
    return amount->roundedToCents();
}

std::optional<Money> percentOf(Money base, const QString& percent) {
    const qsizetype point = percent.indexOf(u'.');
    const QString digits = QString(percent).remove(u'.');
    const int decimals = point < 0 ? 0 : int(percent.size() - point - 1);
    if (digits.isEmpty() || digits.size() > kMaxPercentDigits)
        return std::nullopt;
    Wide mantissa = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        mantissa = mantissa * 10 + (c.unicode() - u'0');
    }
    // base (ten-thousandths) x mantissa / 10^decimals / 100 gives ten-thousandths; / 100 more gives cents.
    const Wide cents = divideRounded(Wide(base.raw()) * mantissa, powerOfTen(decimals) * 10000);
    return Money::fromCents(static_cast<std::int64_t>(cents));
}

} // namespace qx
