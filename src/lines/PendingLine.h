#pragma once

#include "data/Money.h"

#include <QString>
#include <optional>

namespace qx {

// The line the item picker hands to the estimate: filled all at once when the user confirms the
// picker, then stored by LineItems::AddLineItem. It outlives the picker until the caller has stored it.
struct PendingLine {
    qint32 itemId = 0;   // costitem.ID, or costunit.ID for a unit item; 0 when nothing was picked
    qint32 secOrder = 0; // order number of the chosen section
    QString sect;        // name of the chosen section
    QString itemTable;   // item table tag (ItemTags.h)
    qint32 qty = 0;      // whole quantity
    QString unit;
    QString name;
    Money cost;      // unit price, four decimals
    Money lineTotal; // qty x cost rounded to cents (lineTotalOf)
    bool linePicked = false;
};

// A line's total: its whole quantity times its price, rounded to the currency's two decimals; nothing
// when it is more than a line can hold (kMaxTotal).
std::optional<Money> lineTotalWithin(qint32 qty, Money price);
// lineTotalWithin for a line already taken; throws Failure (Overflow) when the line cannot be held.
Money lineTotalOf(qint32 qty, Money price);

} // namespace qx
