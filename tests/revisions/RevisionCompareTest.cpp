#include "revisions/RevisionCompare.h"

#include <gtest/gtest.h>

using namespace qx;

namespace qxtest {

namespace {

SnapshotLine line(const char* section, const char* item, qint32 qty, qint64 cents) {
    return {QString::fromUtf8(section), QString::fromUtf8(item), qty, Money::fromCents(cents)};
}

QStringList rowTexts(const QList<CompareRow>& rows) {
    QStringList texts;
    for (const CompareRow& row : rows)
        texts << QStringList({row.section, row.item, row.qty, row.lineTotal, row.change()}).join(" | ");
    return texts;
}

// Each line is marked by what became of it, and "Show changes only" keeps exactly the marked rows.
TEST(RevisionCompare, EveryLineIsMarkedAndChangesOnlyHidesTheSameLines) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const struct Case {
        const char* name;
        QList<SnapshotLine> before;
        QList<SnapshotLine> after;
        QStringList rows;
        int changed;
    } cases[] = {
        {"same line",
         {line("Roofing", "Shingle", 12, 120000)},
         {line("Roofing", "Shingle", 12, 120000)},
         {"Roofing | Shingle | 12 | $1,200.00 | "},
         0},
        {"quantity",
         {line("Roofing", "Shingle", 12, 120000)},
         {line("Roofing", "Shingle", 15, 150000)},
         {"Roofing | Shingle | 12 -> 15 | $1,200.00 -> $1,500.00 | changed"},
         1},
        {"price only",
         {line("Roofing", "Shingle", 12, 120000)},
         {line("Roofing", "Shingle", 12, 126000)},
         {"Roofing | Shingle | 12 | $1,200.00 -> $1,260.00 | changed"},
         1},
        {"moved to another section",
         {line("Roofing", "Shingle", 12, 120000)},
         {line("Repairs", "Shingle", 12, 120000)},
         {"Roofing | Shingle | 12 | $1,200.00 | removed", "Repairs | Shingle | 12 | $1,200.00 | added"},
         2},
        {"n-th of a name with the n-th",
         {line("Roofing", "Nails", 1, 500), line("Roofing", "Nails", 2, 1000),
          line("Roofing", "Felt", 3, 900)},
         {line("Roofing", "Nails", 1, 500), line("Roofing", "Nails", 4, 2000),
          line("Roofing", "Nails", 5, 2500)},
         {"Roofing | Nails | 1 | $5.00 | ", "Roofing | Nails | 2 -> 4 | $10.00 -> $20.00 | changed",
          "Roofing | Felt | 3 | $9.00 | removed", "Roofing | Nails | 5 | $25.00 | added"},
         3},
        {"nothing before",
         {},
         {line("Roofing", "Shingle", 1, 100)},
         {"Roofing | Shingle | 1 | $1.00 | added"},
         1},
    };
    for (const Case& c : cases) {
        EstimateSnapshot before;
        EstimateSnapshot after;
        before.lines = c.before;
        after.lines = c.after;
        const Comparison comparison = compareEstimates(before, after, us);
        EXPECT_EQ(rowTexts(comparison.rows), c.rows) << c.name;
        EXPECT_EQ(comparison.shownRows(false).size(), c.rows.size()) << c.name;
        const QList<CompareRow> changes = comparison.shownRows(true);
        EXPECT_EQ(changes.size(), c.changed) << c.name;
        for (const CompareRow& row : changes)
            EXPECT_NE(row.mark, CompareMark::Same) << c.name;
    }
}

} // namespace

} // namespace qxtest
