#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "estimate/DuplicateEstimate.h"
#include "revisions/RevisionCompare.h"
#include "revisions/RevisionStore.h"

#include <QStringList>
#include <optional>

class QTextDocument;

namespace qx {

// A line of the status board's revision list: "R1  3/2/2026  $10,238.50", newest first.
struct RevisionLine {
    int number = 0;
    QString text;
};

// The sent revisions of the register's estimates: marking the open estimate as sent, listing an
// estimate's revisions, opening one's proposal and comparing two of them, or one with the estimate
// as it is now. A revision that fails its check is reported and never used.
class SentRevisions {
public:
    // The side of a comparison that is the estimate's file as it is now.
    static constexpr int kNow = 0;

    explicit SentRevisions(AppContext& ctx);

    // Freezes the open (saved) estimate with its proposal and contract as the next revision; a failure
    // is reported and leaves no revision. A Working estimate then becomes Pending.
    std::optional<RevisionRecord> markSent(WorkState& state, const QTextDocument& proposal,
                                           const QTextDocument& contract);

    QList<RevisionLine> lines(qint32 id);
    // The comparison's choices: "R1", "R2", ... and "Now" last.
    QStringList sides(qint32 id);
    // A choice's side: its revision number, or kNow.
    static int sideOf(const QString& choice);
    // Asks the desktop to open the revision's proposal; false when it failed its check (reported).
    bool openProposal(qint32 id, int number);
    // Nothing when a side cannot be read or failed its check (reported).
    std::optional<Comparison> compare(qint32 id, int before, int after);
    // How many revisions the estimate has.
    int count(qint32 id);

    // The estimate's folder in estimates/; empty when its register row names none.
    QString folderOf(qint32 id);

private:
    std::optional<EstimateSnapshot> snapshot(qint32 id, int side);
    // The revisions of estimate `id` with the record digests the register keeps for them; nothing when
    // the estimate has no folder or the register cannot be read (reported).
    std::optional<RevisionStore> storeOf(qint32 id);
    Database& registerDb() { return m_ctx.data.file(m_ctx.conns.sMastConn); }

    AppContext& m_ctx;
};

// What a duplicate carries along from the old estimate's folder into the new one's: the sent revisions,
// file for file, with the record digests the register kept for them, so that the copy still shows what
// was sent and when.
DuplicateEstimate::FolderCarry carrySentRevisions(AppContext& ctx);

} // namespace qx
