#pragma once

#include "data/AppContext.h"
#include "data/OfficeServer.h"

#include <optional>

namespace qx {

// Why the program does not change where it keeps its work now.
inline const QString kSwitchWhileOpen =
    QStringLiteral("Close the open estimate first: this PC changes where it keeps its work only while no "
                   "estimate is open.");

// Puts this PC's cost database, register and estimates on the office server `server`, or back on its
// own files (no server). The working and unit scratch databases stay on this PC either way. Every
// handle open until now is closed; the next command opens what it needs where the program works now,
// and a server that cannot be reached is reported by that command, which may simply be repeated.
void useOfficeStorage(AppContext& ctx, const std::optional<OfficeServer>& server);

// Where the settings say this PC works: the office server (signed in with the kept password) or its own
// files. Applied at start.
std::optional<OfficeServer> storedOfficeServer(const SettingsStore& settings, const QString& configRoot = {});

} // namespace qx
