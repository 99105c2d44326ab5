#include "lines/AdminAmount.h"

#include "data/InputRules.h"

namespace qx {

namespace {

using Wide = __int128;

Wide divideRounded(Wide n, Wide d) {
    Wide q = n / d;
    const Wide r = n % d;
    if ((r < 0 ? -r : r) * 2 >= d)
        q += n < 0 ? -1 : 1;
    return q;
}

} // namespace

QString AdminAmount::kindLabel() const {
    return isFixed() ? kFixedLabel : percent + QStringLiteral("%");
}

Money AdminAmount::amountOn(Money lineTotal) const {
    if (isFixed())
        return fixed;
    const Percent share = readPercent(percent);
    return share.ok() ? percentOf(lineTotal, share.tenThousandths) : Money();
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

Money percentOf(Money base, std::int64_t tenThousandths) {
    // base (ten-thousandths) x percent (ten-thousandths) / 100 gives 10^-8 units; cents are 10^-2.
    return Money::fromCents(
        static_cast<std::int64_t>(divideRounded(Wide(base.raw()) * tenThousandths, 100'000'000)));
}

} // namespace qx
