#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"

#include <QList>

namespace qx {

class LineItems;

// An entry of the reorder list: the SectSort row's key and the section's name.
struct SortEntry {
    qint32 key = 0;
    QString name;
    bool operator==(const SortEntry&) const = default;
};

// The "Edit Section Order" dialog's work: a copy of the sections that hold lines in the scratch table
// SectSort, swaps of two order numbers on that copy, and Commit, which writes the new numbers into the
// lines and sections. Nothing reaches the estimate before Commit. Failures are reported (form
// frmSortSections) and the operation returns false.
class SectionOrder {
public:
    SectionOrder(AppContext& ctx, WorkState& state, LineItems& lines);

    // Renumbers the sections 0 to n-1 (sections without lines dropped), then makes SectSort (a
    // leftover one dropped first) with one row per section that holds lines.
    bool open();
    // The sections in their current order on the copy.
    QList<SortEntry> entries();
    // The order numbers offered for a section: "0" to "n-1".
    QStringList orderChoices();
    // The section `key`, now at `position`, takes place `chosen`; the section there takes `position`.
    bool swap(qint32 key, int position, int chosen);
    // Writes the order of the copy into the lines and sections, rebuilds the grid and the totals, and
    // drops SectSort.
    bool commit();
    // Drops SectSort; nothing is written.
    void cancel();

private:
    template <class Work> bool trap(const QString& procedure, Work&& work);

    AppContext& m_ctx;
    WorkState& m_state;
    LineItems& m_lines;
};

} // namespace qx
