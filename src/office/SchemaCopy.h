#pragma once

#include "data/Catalogue.h"

#include <QHash>
#include <functional>

namespace qx {

class SqlFile;

// Thrown when the copy's step callback asks to stop.
struct CopyCancelled {};

// Called after each batch of rows: `copied` of the file's `rows` so far. Returning false stops the copy
// (CopyCancelled is thrown).
using CopyStep = std::function<bool(int copied, int rows)>;

// Copies one of the program's database files into a new schema `schema` of the office's database:
// creates the schema and the tables of `kind`, copies every row of each table the file holds (the
// columns both know, values as stored, keys kept) in statements of a few hundred rows, and sets each
// autonumber past the highest key. `office` holds the transaction the copy belongs to; its search path
// is left on the new schema until that transaction ends. Returns the rows copied per table.
QHash<QString, int> copyIntoSchema(SqlFile& file, DatabaseKind kind, Database& office, const QString& schema,
                                   const CopyStep& step);

// A name as the server quotes it ("est_o'neil" stays one name, whatever it holds).
QString quotedServerName(const QString& name);

} // namespace qx
