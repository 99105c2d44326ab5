#pragma once

#include "data/AppContext.h"

namespace qx {

inline const QString kNoItemsToSave =
    QStringLiteral("There are no items listed for this estimate so it cannot be saved.");

// True when the estimate grid shows more than one row (at least a section heading and a line), which
// is what an estimate needs before it can be saved.
bool hasItemsToSave(AppContext& ctx);

// Removes an estimate's folder with its contents, but only when it is a direct child of the
// estimates folder: nothing outside it is ever deleted, whatever name is given.
bool removeEstimateFolder(const ProgramFolder& folder, const QString& name);

} // namespace qx
