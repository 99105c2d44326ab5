#pragma once

#include "backup/ArchiveManifest.h"
#include "data/AppContext.h"
#include "revisions/RevisionDigests.h"

namespace qx {

// One estimate's register row as a job archive carries it.
struct JobRow {
    QString name; // the stored name, which names its folder and file
    QString address;
    QString type;
    QString status;
    QString date; // stored form YYYY-MM-DD
    qint32 length = 0;
    // The record digest the register kept for each sent revision (see RevisionDigests).
    RevisionDigests::ByNumber revisionDigests;
};

// One estimate as one file (".qxjob"): a zip archive of its register row (in the manifest) and its
// folder, its estimate file copied through SQLite's online backup API. Importing adds it under its own
// name, or under another free name, whole or not at all.
class JobArchive {
public:
    static inline const QString kExtension = QStringLiteral(".qxjob");
    static inline const QString kFilter = QStringLiteral("Quorvex estimates (*.qxjob)");

    // Writes estimate `id` into `path`, replacing a file there only once the new one is complete.
    // Throws Failure.
    static void exportEstimate(AppContext& ctx, qint32 id, const QString& path);

    // Opens and checks an archive: one of the program's estimate archives, whole, whose register row
    // passes the input rules and whose estimate file opens. Throws ArchiveRefused.
    explicit JobArchive(const QString& path);
    ~JobArchive();
    JobArchive(const JobArchive&) = delete;
    JobArchive& operator=(const JobArchive&) = delete;

    const JobRow& row() const { return m_row; }
    // The name the estimate can be imported under: its own when no estimate of the program folder has
    // it (in the register or as a folder), else the first free one of its name followed by 2, 3, ...
    QString freeName(AppContext& ctx) const;
    // Adds the estimate under `name` (a free name): its folder first, renamed into place once complete,
    // then its register row with its status, date, length and type. Returns the new register id.
    // Throws Failure; nothing is left behind then.
    qint32 importAs(AppContext& ctx, const QString& name);

    // "The file X is not a Quorvex estimate archive." and "... is damaged and cannot be imported."
    static QString notAJobMessage(const QString& path);
    static QString damagedMessage(const QString& path);

private:
    [[noreturn]] void refuseDamaged(const QString& detail) const;
    void checkRow();
    QString databaseEntry() const;

    QString m_path;
    std::unique_ptr<ZipReader> m_zip;
    ArchiveManifest m_manifest;
    JobRow m_row;
};

} // namespace qx
