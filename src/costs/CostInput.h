#pragma once

#include "costs/Decimal.h"
#include "data/Money.h"

#include <QString>
#include <QVariant>
#include <optional>

namespace qx {

// The input rules of the cost database boxes. A text of blanks counts as empty; lengths count characters
// as the database does. Amounts, rates, percentages and quantities are never negative: a text that is no
// number gets "This field must be a number.", a negative or too large one the message that names the
// allowed range. Every reader returns nothing for a refused text, and the matching *Problem function says
// why.

bool isBlank(const QString& text);
// The column-size message when `text` holds more than `maxLength` characters.
std::optional<QString> lengthProblem(const QString& text, int maxLength);
// A typed optional value as stored: blank is no value (null).
QVariant optionalText(const QString& text);

inline const QString kMsgAmountRange =
    QStringLiteral("This field must be a number between 0 and 922337203685477.");
inline const QString kMsgQuantityRange =
    QStringLiteral("This field must be a number between 0 and 2147483647.");

// An amount as a box shows it: plain decimal text without grouping or trailing zeros ("30.93", "9").
QString plainAmount(Money amount);

// An amount (a cost item's price): currency text or a plain number.
std::optional<Money> readAmount(const QString& text);
std::optional<QString> amountProblem(const QString& text);

// A labor rate box or a percentage: an exact decimal that fits an amount.
std::optional<Decimal> readRate(const QString& text);
std::optional<QString> rateProblem(const QString& text);

// A component quantity, which may hold a fraction.
std::optional<double> readQuantity(const QString& text);
std::optional<QString> quantityProblem(const QString& text);

} // namespace qx
