#include "backup/ProgramRestore.h"

#include "backup/BackupArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

namespace qx {

namespace {

// Folder renames done so far, undone in reverse order when a later one fails.
class Renames {
public:
    ~Renames() {
        if (m_committed)
            return;
        for (auto it = m_done.rbegin(); it != m_done.rend(); ++it)
            QFile::rename(it->second, it->first);
    }
    void move(const QString& from, const QString& to) {
        if (!QFileInfo::exists(from))
            return;
        if (!QFile::rename(from, to))
            throw Failure(kErrFileAccess, QStringLiteral("Could not move '%1' to '%2'.").arg(from, to));
        m_done.emplace_back(from, to);
    }
    void commit() { m_committed = true; }

private:
    std::vector<std::pair<QString, QString>> m_done;
    bool m_committed = false;
};

} // namespace

QString ProgramRestore::restore(const ProgramFolder& folder, ConnectionPool& pool, const QString& archive,
                                const QString& backupFolder, const QDateTime& now,
                                const ProgressStep& progress) {
    BackupArchive backup(archive);
    // Unpacked inside the program folder, so that the folders move into place by renaming.
    QTemporaryDir staging(folder.root() + QStringLiteral("/.quorvex-restore-XXXXXX"));
    if (!staging.isValid())
        throw Failure(kErrFileAccess, QStringLiteral("Could not write in '%1'.").arg(folder.root()));
    const QString unpacked = staging.filePath(QStringLiteral("new"));
    const QString replaced = staging.filePath(QStringLiteral("old"));
    if (!QDir().mkpath(unpacked + QStringLiteral("/data")) ||
        !QDir().mkpath(unpacked + QStringLiteral("/estimates")) || !QDir().mkpath(replaced))
        throw Failure(kErrFileAccess, QStringLiteral("Could not write in '%1'.").arg(staging.path()));
    if (!backup.extractTo(unpacked, progress))
        return {};

    const QString safety = ProgramBackup::write(folder, backupFolder, now, progress);
    if (safety.isEmpty())
        return {};

    pool.closeAll();
    const QString lockName = QFileInfo(folder.lockFile()).fileName();
    {
        Renames renames;
        renames.move(folder.dataDir(), replaced + QStringLiteral("/data"));
        renames.move(folder.estimatesDir(), replaced + QStringLiteral("/estimates"));
        // The running program's lock moves with data/ (the same file, so it stays held).
        renames.move(replaced + QStringLiteral("/data/") + lockName,
                     unpacked + QStringLiteral("/data/") + lockName);
        renames.move(unpacked + QStringLiteral("/data"), folder.dataDir());
        renames.move(unpacked + QStringLiteral("/estimates"), folder.estimatesDir());
        renames.commit();
    }
    // The replaced folders go with the staging folder.
    return safety;
}

} // namespace qx
