#pragma once

#include <QString>

namespace qx {

// A statement of the program (SQLite's words) in the office server's words: each `?` placeholder
// becomes `$1`, `$2`, ... and a bracketed name such as [Line Total] a quoted one ("Line Total"). Quoted
// texts, quoted names and comments are left as they are. `placeholders` is set to the number of values
// the statement takes.
QString serverStatement(const QString& sql, int& placeholders);

} // namespace qx
