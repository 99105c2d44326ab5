#pragma once

#include <QDate>

namespace qx {

// How long an estimate holds: from its date for its validity length in days. The expiry date (date plus
// length) is the first day it no longer holds, so on that day the estimate has expired. The open dialog
// and the Sales window's follow-up list both word an estimate's standing from these two.

// Whole days from `today` to the expiry date; 0 on the expiry day, negative after it. An estimate without
// a readable date cannot be told apart from an old one: it has 0 days left.
int daysLeft(const QDate& estDate, int length, const QDate& today);

// Whether an estimate with `daysLeft` days left has expired: on its expiry day and after.
constexpr bool hasExpired(int daysLeft) {
    return daysLeft <= 0;
}

} // namespace qx
