#pragma once

#include "data/WorkState.h"

#include <optional>

namespace qx {

// Which commands of the main window may write the open estimate's file. An estimate opened read-only
// (another PC has it open) is viewed and printed, never stored: every command that would store it is
// off, and closing or quitting asks nothing, since there is nothing to save.
struct EstimateCommands {
    bool save = false;             // "Save Estimate" and "Save && Close" (once edited)
    bool saveForDocuments = false; // the create commands store the estimate before building documents
    bool markSent = false;         // "Mark as Sent" stores the estimate and its sent revision
    bool askSaveOnClose = false;   // "Close open estimate" asks "Would you like to save first?"
};
EstimateCommands estimateCommands(const WorkState& state);

// The question asked when the main window is closed, or nothing when it closes without one.
std::optional<QString> exitQuestion(const WorkState& state);

// The main window's caption: the program's name, and "(read-only)" while the estimate is.
QString windowCaption(const WorkState& state);

} // namespace qx
