#include "app/EstimateCommands.h"

#include "app/WorkModes.h"
#include "data/Prompter.h"

namespace qx {

EstimateCommands estimateCommands(const WorkState& state) {
    // Only an estimate that has (or is getting) a register row and a file is stored.
    const bool stored = state.sOpenMode == WorkState::kNew || state.sOpenMode == WorkState::kOpen;
    const bool writable = stored && !state.readOnly;
    EstimateCommands c;
    c.save = c.saveForDocuments = c.markSent = writable;
    c.askSaveOnClose = writable && (state.sOpenMode == WorkState::kNew || state.bChanged);
    return c;
}

std::optional<QString> exitQuestion(const WorkState& state) {
    if (state.readOnly)
        return std::nullopt;
    return exitQuestion(state.sOpenMode);
}

QString windowCaption(const WorkState& state) {
    return state.readOnly ? kAppTitle + QStringLiteral(" (read-only)") : kAppTitle;
}

} // namespace qx
