#pragma once

#include "backup/ProgramBackup.h"
#include "data/ConnectionPool.h"

namespace qx {

// Restoring a backup over the program folder's data/ and estimates/. The archive is checked and
// unpacked beside them first; then the current data/ and estimates/ are backed up; then both folders
// are replaced as a whole by renaming the unpacked ones into place. Whatever fails before the last
// rename leaves the program folder exactly as it was.
class ProgramRestore {
public:
    // Restores `archive`; returns the path of the backup made of the data it replaced, or empty when
    // `progress` cancelled (nothing changed). The pool's handles are closed before the folders move.
    // The running program's lock stays with data/. Throws ArchiveRefused (a foreign or damaged archive)
    // or Failure.
    static QString restore(const ProgramFolder& folder, ConnectionPool& pool, const QString& archive,
                           const QString& backupFolder, const QDateTime& now,
                           const ProgressStep& progress = {});
};

} // namespace qx
