#pragma once

#include "data/ProgramFolder.h"

#include <QDateTime>
#include <QStringList>
#include <functional>

namespace qx {

// Reported by long work as it goes: the file it is at, how many files are done, how many in all.
// Returning false cancels the work.
using ProgressStep = std::function<bool(const QString& file, int done, int total)>;

// Writing a backup: one dated zip archive of the program folder's data/ and estimates/. Every database
// goes in through SQLite's online backup API, so an archive taken while an estimate is open holds one
// consistent state of each file. The archive is written under a temporary name and renamed when it is
// complete: a cancelled or failed backup leaves nothing behind.
class ProgramBackup {
public:
    // "Quorvex-backup-YYYY-MM-DD-HHMM.zip".
    static QString archiveName(const QDateTime& when);
    // True for a name archiveName gives (or the same with "-2", "-3" when a minute saw several backups).
    static bool isArchiveName(const QString& fileName);

    // The files an archive holds, relative to the program folder ("data/cost.mdb",
    // "estimates/SmithGarage/SmithGarage.mdb"), sorted: every file in data/ and estimates/ except the
    // running program's lock and SQLite's journals.
    static QStringList filesToArchive(const ProgramFolder& folder);

    // Writes a new archive into `backupFolder` (made when missing) and returns its path; empty when
    // `progress` cancelled. Throws Failure.
    static QString write(const ProgramFolder& folder, const QString& backupFolder, const QDateTime& now,
                         const ProgressStep& progress = {});
};

} // namespace qx
