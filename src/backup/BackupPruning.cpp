#include "backup/BackupPruning.h"

#include "backup/EarlierBackup.h"
#include "backup/ProgramBackup.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <algorithm>

namespace qx {

namespace {

// The order of two backups: by the minute in their name, then by the number a later backup of the same
// minute got ("...-1345.zip" before "...-1345-2.zip").
struct BackupOrder {
    QString minute;
    int number;

    static BackupOrder of(const QString& name) {
        const QString stem = name.chopped(4).mid(15); // after "Quorvex-backup-", without ".zip"
        const QString minute = stem.left(15);         // YYYY-MM-DD-HHMM
        const int number = stem.size() > 15 ? stem.mid(16).toInt() : 1;
        return {minute, number};
    }
    bool operator<(const BackupOrder& other) const {
        return minute != other.minute ? minute < other.minute : number < other.number;
    }
};

} // namespace

QStringList backupsIn(const QString& backupFolder) {
    QStringList names;
    for (const QString& name : QDir(backupFolder).entryList(QDir::Files)) {
        if (ProgramBackup::isArchiveName(name))
            names << name;
    }
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return BackupOrder::of(a) < BackupOrder::of(b); });
    return names;
}

QStringList pruneBackups(const QString& backupFolder, int keep) {
    QStringList removed;
    if (keep < 1)
        return removed;
    const QStringList names = backupsIn(backupFolder);
    if (names.size() <= keep)
        return removed;
    // A kept backup of the changes needs the earlier backups that hold its unchanged files.
    QSet<QString> needed;
    for (qsizetype i = names.size() - keep; i < names.size(); ++i) {
        if (const auto manifest = EarlierBackup::manifestOf(backupFolder + QLatin1Char('/') + names.at(i))) {
            for (const ManifestEntry& file : manifest->files)
                needed.insert(file.heldIn);
        }
    }
    for (qsizetype i = 0; i + keep < names.size(); ++i) {
        if (!needed.contains(names.at(i)) && QFile::remove(backupFolder + QLatin1Char('/') + names.at(i)))
            removed << names.at(i);
    }
    return removed;
}

} // namespace qx
