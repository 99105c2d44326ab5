#include "costs/CostInput.h"

#include "data/TextRules.h"
#include "data/WholeNumber.h"

#include <cmath>

namespace qx {

namespace {

constexpr double kMaxQuantity = 2147483647.0;

// Why a text that is no acceptable value was refused: a number outside the range, or no number at all.
QString refusal(const QString& text, const QString& rangeMessage) {
    return parseNumber(text) ? rangeMessage : kMustBeNumber;
}

} // namespace

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

std::optional<QString> lengthProblem(const QString& text, int maxLength) {
    if (text.toUcs4().size() > maxLength)
        return tooLongMessage(maxLength);
    return std::nullopt;
}

QVariant optionalText(const QString& text) {
    return isBlank(text) ? QVariant() : QVariant(text);
}

QString plainAmount(Money amount) {
    return Decimal::fromMoney(amount).toPlain();
}

std::optional<Money> readAmount(const QString& text) {
    const auto amount = Money::parseCurrency(text);
    if (!amount || *amount < Money())
        return std::nullopt;
    return amount;
}

std::optional<QString> amountProblem(const QString& text) {
    if (readAmount(text))
        return std::nullopt;
    if (Money::parseCurrency(text))
        return kMsgAmountRange;
    return refusal(text, kMsgAmountRange);
}

std::optional<Decimal> readRate(const QString& text) {
    const auto rate = Decimal::parse(text);
    if (!rate || rate->isNegative() || !rate->toMoney())
        return std::nullopt;
    return rate;
}

std::optional<QString> rateProblem(const QString& text) {
    if (readRate(text))
        return std::nullopt;
    return refusal(text, kMsgAmountRange);
}

std::optional<double> readQuantity(const QString& text) {
    const auto quantity = parseNumber(text);
    if (!quantity || !std::isfinite(*quantity) || *quantity < 0 || *quantity > kMaxQuantity)
        return std::nullopt;
    return quantity;
}

std::optional<QString> quantityProblem(const QString& text) {
    if (readQuantity(text))
        return std::nullopt;
    return refusal(text, kMsgQuantityRange);
}

} // namespace qx
