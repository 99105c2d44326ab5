#pragma once

#include "data/ProgramFolder.h"

namespace qx {

// Makes a program folder complete: data/, estimates/, Templates/ and the help pages, and the shipped
// cost database and estimate register, each generated from the program's own starting content only
// when missing: a user's cost database or register is never overwritten. Throws Failure.
void layOutProgramFolder(const ProgramFolder& folder);

// Creates a shipped database (cost or register) with its tables and starting content, keyed with its
// password. Does nothing when the file exists.
void createShippedDatabaseIfMissing(const QString& path, const QString& password, const QString& seedResource,
                                    bool cost);

} // namespace qx
