#include "backup/BackupFolderRule.h"

#include <QDir>
#include <QFileInfo>

namespace qx {

namespace {

// The path with every link and ".." resolved as the file system resolves them, part by part: each part
// that exists is replaced by its real path before the next one is taken, so a ".." after a link leaves
// the folder the link points to; parts not made yet are taken as written.
QString resolved(const QString& path) {
    QString current = QStringLiteral("/");
    for (const QString& part : QFileInfo(path).absoluteFilePath().split(u'/', Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String(".."))
            current = QFileInfo(current).path();
        else
            current = QDir::cleanPath(current + QLatin1Char('/') + part);
        const QString real = QFileInfo(current).canonicalFilePath();
        if (!real.isEmpty())
            current = real;
    }
    return current;
}

bool isSameOrInside(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + QLatin1Char('/'));
}

} // namespace

std::optional<QString> backupFolderRefusal(const ProgramFolder& folder, const QString& backupFolder) {
    const QString target = resolved(backupFolder);
    for (const QString& backedUp : {folder.dataDir(), folder.estimatesDir()}) {
        if (isSameOrInside(target, resolved(backedUp)))
            return QStringLiteral("The backup folder cannot be inside %1, which is backed up. "
                                  "Please choose a folder outside the data and estimates folders.")
                .arg(QDir::toNativeSeparators(QDir::cleanPath(backedUp)));
    }
    return std::nullopt;
}

} // namespace qx
