#pragma once

#include "data/Database.h"
#include "data/SqlFile.h"

namespace qx {

// The estimate's lines between the working copy and where the estimate is kept, a file or a schema on
// the office server.
//
// Every working line into the estimate in one go: a stored line is written over under its key, a line
// not stored yet is added under the key the working copy gave it. The caller holds the estimate's
// transaction and, for a file, has attached the working database as "work" (see WorkingAttachment).
void storeLines(Database& estimate, SqlFile& working);

// Every stored line into the working copy's line table, its stored ID becoming its LineItemID, and one
// working section per order number the lines carry, named as its first line names it. For a file the
// working database is attached as "work" and the caller holds the transaction.
void loadLines(Database& estimate, SqlFile& working);

} // namespace qx
