#pragma once

#include "data/Database.h"

namespace qx {

// Rows between databases of either engine. A copy from a file to a file stays inside SQLite; rows bound
// for the office server go in one COPY (or, where a value needs the conversion of a bound one, as
// statements of many rows each), because there every statement is a round trip over the network.

// Adds `rows` to `to` through `insert`, a statement of the form "insert into T(a,b,c)values(?,?,?)" with
// one value per column. The caller holds the transaction. Throws Failure.
void insertRows(Database& to, const QString& insert, const QList<QVariantList>& rows);

// Every row `select` reads from `from` into `to` through `insert` (as above), value for value as stored.
// Returns the number of rows copied. Throws Failure.
int copyRows(Database& from, Database& to, const QString& select, const QString& insert);

} // namespace qx
