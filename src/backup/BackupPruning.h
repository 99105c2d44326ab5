#pragma once

#include <QStringList>

namespace qx {

// Keeps the last `keep` backups of a backup folder: the program's dated archives beyond the newest
// `keep` are removed, oldest first, except those a kept backup needs because they hold files it names
// unchanged. Only files named as the program names its backups are touched.
// Returns the names removed. A keep of less than 1 removes nothing.
QStringList pruneBackups(const QString& backupFolder, int keep);

// The program's backups in a folder, oldest first.
QStringList backupsIn(const QString& backupFolder);

} // namespace qx
