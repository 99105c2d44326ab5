#pragma once

#include "data/Database.h"

namespace qx {

// Writes the estimate `estimate` (a schema on the office server) into the new keyed estimate file `path`,
// every table and row as stored, so that what was sent can be kept as a file like any other estimate's.
// Throws Failure; a file begun is removed again.
void exportEstimate(Database& estimate, const QString& path, const QString& password);

} // namespace qx
