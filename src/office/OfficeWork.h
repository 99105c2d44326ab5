#pragma once

#include "data/Database.h"
#include "data/OfficeServer.h"

#include <optional>

namespace qx {

// "quorvex on HOST": the office's database and server as the user typed them, for messages.
QString officeTitle(const OfficeServer& server);

// Whether the office's database holds an office's work: the register's list of estimates.
bool officeHoldsWork(Database& office);

// Nothing when this PC may work on `server` (it answers and holds an office's work); otherwise why not,
// in plain words.
std::optional<QString> officeUseRefusal(const OfficeServer& server);

} // namespace qx
