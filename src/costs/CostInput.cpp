#include "costs/CostInput.h"

namespace qx {

namespace {

std::optional<QString> problemOf(const QString& problem) {
    return problem.isEmpty() ? std::nullopt : std::optional(problem);
}

} // namespace

QVariant optionalText(const QString& text) {
    return isBlank(text) ? QVariant() : QVariant(text);
}

QString plainAmount(Money amount) {
    return Decimal::fromMoney(amount).toPlain();
}

std::optional<QString> amountProblem(const QString& text) {
    return problemOf(readAmount(text).problem);
}

std::optional<Decimal> readRate(const QString& text) {
    if (!readAmount(text).ok())
        return std::nullopt;
    const auto plain = Money::currencyToPlain(text);
    return plain ? Decimal::parse(*plain, QLocale::c()) : std::nullopt;
}

std::optional<QString> rateProblem(const QString& text) {
    return problemOf(readAmount(text).problem);
}

std::optional<Decimal> readPercentage(const QString& text) {
    const Percent percent = readPercent(text);
    if (!percent.ok())
        return std::nullopt;
    return Decimal::fromMoney(Money::fromRaw(percent.tenThousandths));
}

std::optional<QString> percentageProblem(const QString& text) {
    return problemOf(readPercent(text).problem);
}

std::optional<double> readQuantity(const QString& text) {
    const Measure quantity = readMeasure(text);
    return quantity.ok() ? std::optional(quantity.value) : std::nullopt;
}

std::optional<QString> quantityProblem(const QString& text) {
    return problemOf(readMeasure(text).problem);
}

} // namespace qx
