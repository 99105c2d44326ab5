#include "lines/AdminAmount.h"

#include "data/InputRules.h"
#include "data/NumberText.h"

#include <algorithm>
#include <limits>

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
    const Percent share = readPercent(percent, kMustBeNumber, QLocale::c());
    return share.ok() ? percentOf(lineTotal, share.tenThousandths) : Money();
}

QString AdminAmount::encoded() const {
    return isFixed() ? kFixedKind + QStringLiteral("-") + fixed.toPlain(2) : QStringLiteral("%-") + percent;
}

QString AdminAmount::boxText(const QLocale& locale) const {
    if (isFixed())
        return fixed.toCurrency(locale);
    return typedFormOfPlain(percent, locale);
}

AdminText splitAdminText(const QString& text) {
    const QStringList pieces = text.split(u'-');
    return {pieces.value(0), pieces.value(1)};
}

bool isFixedKind(const QString& kind) {
    return kind.trimmed().compare(kFixedKind, Qt::CaseInsensitive) == 0;
}

std::optional<AdminAmount> typedAdminAmount(bool fixed, const QString& text, const QLocale& locale) {
    if (fixed) {
        const Amount amount = readAmount(text, kMustBeNumber, locale);
        return amount.ok() ? std::optional(AdminAmount::fixedAmount(amount.value)) : std::nullopt;
    }
    const Percent percent = readPercent(text, kMustBeNumber, locale);
    if (!percent.ok())
        return std::nullopt;
    return AdminAmount::percentage(percent.plain());
}

std::optional<AdminAmount> readAdminAmount(const QString& kind, const QString& number) {
    const QLocale locale = Money::parsePlain(number) ? QLocale::c() : QLocale();
    return typedAdminAmount(isFixedKind(kind), number, locale);
}

std::optional<QString> adminAmountRefusal(bool fixed, const QString& text) {
    const QString problem = fixed ? readAmount(text).problem : readPercent(text).problem;
    return problem.isEmpty() ? std::nullopt : std::optional(problem);
}

Money percentOf(Money base, std::int64_t tenThousandths) {
    // base (ten-thousandths) x percent (ten-thousandths) / 100 gives 10^-8 units; cents are 10^-2. A share
    // beyond what an amount can hold is held at the nearest amount that fits, as Money's products are.
    constexpr Wide kMaxCents = std::numeric_limits<std::int64_t>::max() / 100;
    const Wide cents = divideRounded(Wide(base.raw()) * tenThousandths, 100'000'000);
    return Money::fromCents(static_cast<std::int64_t>(std::clamp(cents, -kMaxCents, kMaxCents)));
}

} // namespace qx
