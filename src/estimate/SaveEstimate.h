#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"

#include <array>

namespace qx {

class LineItems;

inline const QString kNoItemsToSave =
    QStringLiteral("There are no items listed for this estimate so it cannot be saved.");
// The completion question, asked before anything is written.
inline const QString kCompleteTitle = QStringLiteral("Is this estimate complete?");
inline const QString kCompleteText =
    QStringLiteral("Click 'Yes' if estimate is complete.\nClick 'No' if not.\n"
                   "Click 'Cancel' if neither and return to estimate.\n");
// The question of "Close open estimate" for an estimate with unsaved work.
inline const QString kSaveFirstTitle = QStringLiteral("Would you like to save first?");
inline const QString kSaveFirstText = QStringLiteral(
    "Click 'Yes' to save any unsaved work,\n'No' to leave without saving, and\n'Cancel' to do niether.");

inline const QString kStatusWorking = QStringLiteral("Working");
inline const QString kStatusPending = QStringLiteral("Pending");
// The status document creation gives an estimate while it saves it, so that no question is asked.
inline const QString kStatusSaving = QStringLiteral("Saving");

// True when the estimate grid shows more than one row (at least a section heading and a line), which
// is what an estimate needs before it can be saved.
bool hasItemsToSave(AppContext& ctx);

// True when `name` names a real folder (no link) directly inside the estimates folder.
bool isEstimateFolder(const ProgramFolder& folder, const QString& name);
// Removes an estimate's folder with its contents, but only when it is a direct child of the
// estimates folder: nothing outside it is ever deleted, whatever name is given.
bool removeEstimateFolder(const ProgramFolder& folder, const QString& name);

// What Main keeps besides the owner: the four administrative amount texts (overhead, profit,
// contingency, management), the summary and the payment terms, as stored.
struct MainTexts {
    std::array<QString, 4> admin;
    QString summary;
    QString terms;
};
// Writes MainTexts into the Main row of an estimate file. Throws Failure.
void SaveEstimateTotals(Database& estimateFile, const MainTexts& texts);

// Makes the open estimate "Pending", dated today, as a Yes on the completion question does. A register
// that cannot be written is reported and leaves it "Working", so that the next save asks again.
void markPending(AppContext& ctx, WorkState& state);

// How a save ended.
enum class SaveOutcome {
    Saved,     // everything is in the estimate file
    NoItems,   // the estimate has no lines: the message was shown, nothing written
    Cancelled, // Cancel in the completion question: nothing written
    Failed     // a statement failed: reported, the estimate file is as the last good save left it
};

// Saving the open estimate (SaveEst): the completion question first, then the areas, the lineal
// items, the lines and the Main texts into the estimate file in one transaction, then the register.
class SaveEstimate {
public:
    SaveEstimate(AppContext& ctx, WorkState& state, LineItems& lines);

    // `summary` and `terms` as their boxes show them. An estimate whose status is "Working" is asked
    // whether it is complete (Yes, No or Cancel; No by default); Yes makes it "Pending", dated today.
    // After a save the estimate is unchanged and, when it was new, in mode "open": it is stored.
    SaveOutcome SaveEst(const QString& summary, const QString& terms);
    // The save of document creation: the same, without the completion question (the status is
    // "Saving" meanwhile); the estimate stays as it was, "Working" or not.
    SaveOutcome saveWithoutQuestion(const QString& summary, const QString& terms);

private:
    MainTexts mainTexts(const QString& summary, const QString& terms) const;
    bool writeEstimateFile(const MainTexts& texts);

    AppContext& m_ctx;
    WorkState& m_state;
    LineItems& m_lines;
};

} // namespace qx
