#pragma once

#include "data/Database.h"

namespace qx {

// What a database holds, asked alike of a file and of a schema on the office server.

// True when the database holds a table named `table` (without regard to case).
bool hasTable(Database& db, const QString& table);
// The names of the columns `table` holds, in their order, as the database spells them.
QStringList tableColumns(Database& db, const QString& table);

} // namespace qx
