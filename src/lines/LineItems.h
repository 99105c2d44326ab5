#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "lines/EstimateGrid.h"
#include "lines/EstimateTotals.h"
#include "lines/PendingLine.h"

#include <QList>

namespace qx {

// A line of the working copy (tpLineItems), as the save writes it into the estimate file.
struct WorkingLine {
    qint32 autoId = 0;     // the line's number in the working copy (the grid's "ID")
    qint32 lineItemId = 0; // its row in the estimate file's LineItems; 0 while never stored
    qint32 itemId = 0;
    qint32 secOrder = 0;
    QString sect;
    QString name;
    QString itemTable;
    qint32 qty = 0;
    QString unit;
    Money cost;
    Money lineTotal;
};

// The open estimate's lines: adding, changing and deleting them, the grid and the totals that follow.
// The item picker fills pending(); AddLineItem stores it.
class LineItems {
public:
    enum class Change { Add, Edit, Delete };

    LineItems(AppContext& ctx, WorkState& state, EstimateTotals& totals);

    PendingLine& pending() { return m_pending; }

    // Add: inserts the pending line. Edit: replaces line `id` with the pending line. Delete: removes
    // line `id` and, when it was stored, its row in the estimate file at once (so a later save or a
    // reopening can never bring it back). Then rebuilds the grid and recomputes the totals (the caller
    // refills the grid from grid().rows()). The working changes and the grid rebuild run in one
    // transaction. A failure is reported (procedure RePopGrid of module modGrid when the grid rebuild
    // fails, else AddLineItem of module modGrid) and nothing changes;
    // returns false then, as it does when totalRefusal refuses the line (with its message).
    bool AddLineItem(Change change, qint32 id = 0);
    // Why the pending line cannot go in as `change` of line `id`: the estimate's totals would then be
    // more than they can hold (EstimateTotals::totalRefusal). Nothing when it can, and for a Delete. A
    // failure is reported as AddLineItem's and gives nothing (AddLineItem then fails the same way).
    std::optional<QString> lineRefusal(Change change, qint32 id = 0);
    // Rebuilds the grid and recomputes the totals (after an open or a section reorder). A failure is
    // reported (procedure RePopGrid of module modGrid).
    bool refresh();

    // True when a line of the grid has this ID (the edit dialog's check).
    bool lineExists(qint32 id);
    // The working lines in ascending autoID order (the order the save writes them).
    QList<WorkingLine> workingLines();
    // Before a save writes the estimate file: every line not stored before (LineItemID 0) takes the key
    // it is stored under, `keyBase` plus its autoID (newLineKey), so the next save updates the lines
    // instead of adding them again. Throws Failure.
    void rememberStoredKeys(qint32 keyBase);

    EstimateGrid& grid() { return m_grid; }
    EstimateTotals& totals() { return m_totals; }

private:
    std::optional<QString> totalRefusal(Change change, qint32 id);
    void deleteStoredCopy(qint32 id);
    Conn estimateFile();

    AppContext& m_ctx;
    WorkState& m_state;
    EstimateTotals& m_totals;
    EstimateGrid m_grid;
    PendingLine m_pending;
};

// Writes one working line into an estimate file: a new LineItems row when the line's lineItemId is 0,
// stored under `newKey` (0: the key the file gives it), else an update of that row (a row that is no
// longer there is written anew under its own key). Returns the row's key. Throws Failure, which the
// save reports; the caller runs it inside the save's transaction.
qint32 SaveLineItem(Database& estimateFile, const WorkingLine& line, qint32 newKey = 0);

// The keys a save gives the new lines: a base above every key LineItems has ever held, plus the line's
// autoID, so that they are unique and the working copy learns them all in one statement. Throws Failure
// (also when the keys would leave the whole-number range).
qint32 newLineKeyBase(Database& estimateFile, qint32 highestAutoId);
inline qint32 newLineKey(qint32 keyBase, const WorkingLine& line) {
    return keyBase + line.autoId;
}

// A text for a text column of the program's tables: empty becomes null (those columns refuse "").
QVariant textValue(const QString& text);

} // namespace qx
