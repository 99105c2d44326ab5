#pragma once

#include "revisions/EstimateSnapshot.h"

#include <QList>
#include <QLocale>
#include <QString>

namespace qx {

// What became of a line between the two sides: the same on both, changed (its quantity or total),
// only on the later side, or only on the earlier one.
enum class CompareMark { Same, Changed, Added, Removed };

// One row of the comparison grid: "Roofing | Test Shingle | 12 -> 15 | $1,200.00 -> $1,500.00 | changed".
struct CompareRow {
    QString section;
    QString item;
    QString qty;
    QString lineTotal;
    CompareMark mark = CompareMark::Same;

    // The row's word in the Change column: "changed", "added", "removed", or empty for the same line.
    QString change() const;
};

struct Comparison {
    QList<CompareRow> rows;
    // "Estimate total $2,644.96 -> $3,040.96 (+$396.00)"
    QString totalLine;

    // The rows shown: every row, or with `changesOnly` those whose line changed, came or went.
    QList<CompareRow> shownRows(bool changesOnly) const;
};

// Compares estimate `before` with `after` line by line. Lines are matched by section and item name,
// the n-th of a name with the n-th; the rows follow `before`'s order, the lines only `after` has
// coming last in its order.
Comparison compareEstimates(const EstimateSnapshot& before, const EstimateSnapshot& after,
                            const QLocale& locale = QLocale());

} // namespace qx
