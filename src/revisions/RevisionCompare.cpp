#include "revisions/RevisionCompare.h"

#include "revisions/RevisionTexts.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace qx {

namespace {

bool sameLine(const SnapshotLine& a, const SnapshotLine& b) {
    return a.section == b.section && a.item == b.item;
}

QString fromTo(const QString& before, const QString& after) {
    return before == after ? before : before + RevisionTexts::kArrow + after;
}

// "+$396.00", "-$12.50", "+$0.00".
QString signedChange(Money change, const QLocale& locale) {
    const QString sign = change < Money() ? QStringLiteral("-") : QStringLiteral("+");
    return sign + (change < Money() ? -change : change).toCurrency(locale);
}

} // namespace

QString CompareRow::change() const {
    switch (mark) {
    case CompareMark::Changed:
        return RevisionTexts::kChanged;
    case CompareMark::Added:
        return RevisionTexts::kAdded;
    case CompareMark::Removed:
        return RevisionTexts::kRemoved;
    case CompareMark::Same:
        break;
    }
    return {};
}

QList<CompareRow> Comparison::shownRows(bool changesOnly) const {
    if (!changesOnly)
        return rows;
    QList<CompareRow> changed;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(changed),
                 [](const CompareRow& row) { return row.mark != CompareMark::Same; });
    return changed;
}

Comparison compareEstimates(const EstimateSnapshot& before, const EstimateSnapshot& after,
                            const QLocale& locale) {
    Comparison result;
    std::vector<bool> used(size_t(after.lines.size()), false);
    for (const SnapshotLine& old : before.lines) {
        CompareRow row{old.section, old.item, locale.toString(old.qty), old.lineTotal.toCurrency(locale),
                       CompareMark::Removed};
        for (qsizetype i = 0; i < after.lines.size(); ++i) {
            const SnapshotLine& now = after.lines.at(i);
            if (used[size_t(i)] || !sameLine(old, now))
                continue;
            used[size_t(i)] = true;
            row.qty = fromTo(row.qty, locale.toString(now.qty));
            row.lineTotal = fromTo(row.lineTotal, now.lineTotal.toCurrency(locale));
            const bool same = old.qty == now.qty && old.lineTotal == now.lineTotal;
            row.mark = same ? CompareMark::Same : CompareMark::Changed;
            break;
        }
        result.rows.append(row);
    }
    for (qsizetype i = 0; i < after.lines.size(); ++i) {
        if (used[size_t(i)])
            continue;
        const SnapshotLine& now = after.lines.at(i);
        result.rows.append({now.section, now.item, locale.toString(now.qty), now.lineTotal.toCurrency(locale),
                            CompareMark::Added});
    }
    const Money from = before.figures.total;
    const Money to = after.figures.total;
    result.totalLine = RevisionTexts::kTotalLine.arg(from.toCurrency(locale), to.toCurrency(locale),
                                                     signedChange(to - from, locale));
    return result;
}

} // namespace qx
