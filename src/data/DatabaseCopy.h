#pragma once

#include "data/Failure.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace qx {

// SQLite's error number for a file that its password does not open (or no database at all).
constexpr int kNotADatabase = 26;

// Asked between the steps of a long copy; false stops it.
using KeepGoing = std::function<bool()>;

// The password that opens a database file of a program folder: "" for a plain file (the scratch
// databases), else the first of the program's passwords that opens it, the one its place suggests
// first. Nothing when none opens it (a damaged file, or no database at all).
std::optional<QString> databaseKey(const QString& path);

// The passwords to try on a database file of a program folder, the one its place suggests first: ""
// alone for a plain file (the scratch databases), else the program's passwords.
QStringList candidateKeys(const QString& path);

// Copies the database `source` (opened with `password`) into the new file `target`, keyed with the
// same password, through SQLite's online backup API: the copy is one consistent state of the file
// even while the program has it open. False when `keepGoing` stopped it; the target is then removed.
// Throws Failure (the target removed too); a password that does not open the source fails with
// kNotADatabase.
bool copyDatabase(const QString& source, const QString& password, const QString& target,
                  const KeepGoing& keepGoing = {});

// The verdict of PRAGMA integrity_check: "ok" for a sound file. Throws Failure when the file cannot be
// opened with `password`.
QString integrityCheck(const QString& path, const QString& password);

} // namespace qx
