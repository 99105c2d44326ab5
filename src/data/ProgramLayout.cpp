#include "data/ProgramLayout.h"

#include "data/Catalogue.h"
#include "data/SqlFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace qx {

namespace {

void makeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        throw Failure(kErrPathNotFound, QStringLiteral("Path not found: '%1'.").arg(path));
}

QString readResource(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(kErrFileAccess, QStringLiteral("Missing program resource '%1'.").arg(name));
    return QString::fromUtf8(file.readAll());
}

// Copies the program's bundled files below `resourceDir` into `target`, keeping files already there.
void copyMissing(const QString& resourceDir, const QString& target) {
    QDirIterator it(resourceDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString destination = target + source.mid(resourceDir.size());
        if (QFileInfo::exists(destination))
            continue;
        makeFolder(QFileInfo(destination).absolutePath());
        if (!QFile::copy(source, destination))
            throw Failure(kErrFileAccess, QStringLiteral("Could not write '%1'.").arg(destination));
        QFile::setPermissions(destination,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

} // namespace

void createShippedDatabaseIfMissing(const QString& path, const QString& password, const QString& seedResource,
                                    bool cost) {
    if (QFileInfo::exists(path))
        return;
    // Built under a temporary name and renamed when complete, so an interrupted build never leaves a
    // half-filled database that a later build would take for the real one.
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    {
        auto file = SqlFile::create(partial, password, SqlFile::Durability::Safe);
        createCatalogue(*file, cost ? DatabaseKind::Cost : DatabaseKind::Register);
        Transaction transaction(*file);
        file->execScript(readResource(seedResource));
        transaction.commit();
    }
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        throw Failure(kErrFileAccess, QStringLiteral("Could not write '%1'.").arg(path));
    }
}

void layOutProgramFolder(const ProgramFolder& folder) {
    makeFolder(folder.dataDir());
    makeFolder(folder.estimatesDir());
    makeFolder(folder.templatesDir());
    copyMissing(QStringLiteral(":/resources/Templates"), folder.templatesDir());
    copyMissing(QStringLiteral(":/resources/help"), folder.root() + QStringLiteral("/help"));
    createShippedDatabaseIfMissing(folder.costFile(), kCostPassword,
                                   QStringLiteral(":/resources/cost_seed.sql"), true);
    {
        auto cost = SqlFile::open(folder.costFile(), kCostPassword, SqlFile::Durability::Safe);
        addMissingColumns(*cost, DatabaseKind::Cost);
        refreshUnitQry(*cost);
    }
    createShippedDatabaseIfMissing(folder.mastFile(), kMastPassword,
                                   QStringLiteral(":/resources/mastest_seed.sql"), false);
    // An older register gains its new columns when the program first opens it, which also fills them
    // from the estimates' files.
}

} // namespace qx
