#pragma once

#include "data/ProgramFolder.h"

#include <QDateTime>
#include <QStringList>
#include <functional>

namespace qx {

// Reported by long work as it goes: the file it is at, how many files are done, how many in all.
// Returning false cancels the work.
using ProgressStep = std::function<bool(const QString& file, int done, int total)>;

class EarlierBackup;

// Writing a backup: one dated zip archive of the program folder's data/ and estimates/. Every database
// goes in through SQLite's online backup API, so an archive taken while an estimate is open holds one
// consistent state of each file. The archive is written under a temporary name and renamed when it is
// complete: a cancelled or failed backup leaves nothing behind. A backup folder inside data/ or
// estimates/ is refused.
//
// A whole backup holds every file. A backup of the changes holds only the files that differ from the
// newest backup of the folder; its manifest names every other file with its content hash and the
// earlier backup that holds it, so that it restores whole as long as those backups are kept.
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
    // Writes a backup of what changed since the newest backup in `backupFolder` (a whole one when there
    // is none it can read). A file whose size and time of change are those the newest backup saw is
    // taken as unchanged without reading it; any other is copied and compared by content. Returns the
    // new archive, or empty when nothing changed (no archive written) or `progress` cancelled.
    static QString writeChanges(const ProgramFolder& folder, const QString& backupFolder,
                                const QDateTime& now, const ProgressStep& progress = {});

private:
    static QString writeArchive(const ProgramFolder& folder, const QString& backupFolder,
                                const QDateTime& now, const ProgressStep& progress,
                                const EarlierBackup* earlier);
};

} // namespace qx
