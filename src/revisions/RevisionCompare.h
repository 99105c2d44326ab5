#pragma once

#include "revisions/EstimateSnapshot.h"

#include <QList>
#include <QLocale>
#include <QString>

namespace qx {

// One row of the comparison grid: "Roofing | Test Shingle | 12 -> 15 | $1,200.00 -> $1,500.00 | changed".
struct CompareRow {
    QString section;
    QString item;
    QString qty;
    QString lineTotal;
    QString change; // "changed", "added", "removed" or empty
};

struct Comparison {
    QList<CompareRow> rows;
    // "Estimate total $2,644.96 -> $3,040.96 (+$396.00)"
    QString totalLine;
};

// Compares estimate `before` with `after` line by line. Lines are matched by section and item name,
// the n-th of a name with the n-th; the rows follow `before`'s order, the lines only `after` has
// coming last in its order.
Comparison compareEstimates(const EstimateSnapshot& before, const EstimateSnapshot& after,
                            const QLocale& locale = QLocale());

} // namespace qx
