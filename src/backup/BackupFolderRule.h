#pragma once

#include "data/ProgramFolder.h"

#include <optional>

namespace qx {

// A backup folder must lie outside what it backs up: neither the program folder's data/ nor its
// estimates/, nor any folder inside them, however the path names it (".." parts, symbolic links, a
// folder not made yet below a linked one). The refusal to show, or nothing.
std::optional<QString> backupFolderRefusal(const ProgramFolder& folder, const QString& backupFolder);

} // namespace qx
