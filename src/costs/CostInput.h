#pragma once

#include "costs/Decimal.h"
#include "data/InputRules.h"
#include "data/Money.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace qx {

// How the cost database boxes use the program's input rules: an amount box and a labor rate box take
// an amount, a percentage box a percentage, a component's quantity a measure with its fraction kept.
// Every reader returns nothing for a refused text, and the matching *Problem function the message
// that refuses it.

// A typed optional value as stored: blank is no value (null).
QVariant optionalText(const QString& text);
// An amount as a box shows it: plain decimal text without grouping or trailing zeros ("30.93", "9").
QString plainAmount(Money amount);

// A cost item's amount.
std::optional<QString> amountProblem(const QString& text);

// A labor rate box: an amount, kept as the exact decimal typed so that a burden rounds to three places
// from what was typed.
std::optional<Decimal> readRate(const QString& text);
std::optional<QString> rateProblem(const QString& text);

// A percentage, exact to four decimals.
std::optional<Decimal> readPercentage(const QString& text);
std::optional<QString> percentageProblem(const QString& text);

// A component quantity, which may hold a fraction.
std::optional<double> readQuantity(const QString& text);
std::optional<QString> quantityProblem(const QString& text);

} // namespace qx
