#include "office/OpenHold.h"

namespace qx {

OpenHold holdForOpening(AppContext& ctx, qint32 id, const QString& name) {
    OpenHold result;
    if (!ctx.office)
        return result;
    HoldAttempt attempt;
    try {
        attempt = EstimateHold::take(*ctx.office, id, name);
    } catch (const Failure& failure) {
        ctx.prompter.inform(kAppTitle, failure.description(), Prompter::Icon::Critical);
        result.proceed = false;
        return result;
    }
    if (attempt.hold) {
        result.hold = std::move(attempt.hold);
        return result;
    }
    const auto answer =
        ctx.prompter.askYesNo(kAppTitle, attempt.refusal + QStringLiteral("\n\n") + kOpenReadOnlyQuestion,
                              Prompter::Icon::Information, Prompter::Answer::No);
    result.readOnly = answer == Prompter::Answer::Yes;
    result.proceed = result.readOnly;
    return result;
}

bool keepHold(AppContext& ctx, EstimateHold* hold) {
    if (!hold || hold->stillHeld())
        return true;
    if (const auto refusal = hold->retake()) {
        ctx.prompter.inform(kAppTitle, *refusal, Prompter::Icon::Warning);
        return false;
    }
    return true;
}

} // namespace qx
