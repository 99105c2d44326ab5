#pragma once

#include <QString>

namespace qx {

// Texts of sent revisions: the status board's list and commands, the
// comparison window and the messages about a revision that can no longer be trusted.
struct RevisionTexts {
    static inline const QString kRevisionsFrame = QStringLiteral("Sent Revisions");
    static inline const QString kOpen = QStringLiteral("Open");
    static inline const QString kCompare = QStringLiteral("Compare...");
    static inline const QString kCompareCaption = QStringLiteral("Compare Revisions");
    static inline const QString kNow = QStringLiteral("Now");
    static inline const QString kChanged = QStringLiteral("changed");
    static inline const QString kAdded = QStringLiteral("added");
    static inline const QString kRemoved = QStringLiteral("removed");
    static inline const QString kArrow = QStringLiteral(" -> ");
    static inline const QString kChangesOnly = QStringLiteral("Show changes only");
    // "Estimate total $2,644.96 -> $3,040.96 (+$396.00)"
    static inline const QString kTotalLine = QStringLiteral("Estimate total %1 -> %2 (%3)");
    // A list line marks a revision that failed its check.
    static inline const QString kAlteredMark = QStringLiteral("  (altered)");

    // "R1 has been changed since it was sent: proposal.pdf"
    static inline const QString kAltered = QStringLiteral("R%1 has been changed since it was sent: %2");
    static inline const QString kFolderRemoved =
        QStringLiteral("R%1 has been removed since it was sent: its folder is missing.");
    static inline const QString kSentFailed =
        QStringLiteral("The estimate could not be marked as sent; no revision was made.\n%1");
    static inline const QString kDeleteRevisions =
        QStringLiteral("%1 has %2 sent revisions. Delete them too?");
    static inline const QString kDeleteOneRevision = QStringLiteral("%1 has 1 sent revision. Delete it too?");
};

} // namespace qx
