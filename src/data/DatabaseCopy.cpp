#include "data/DatabaseCopy.h"

#include "data/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <sqlcipher/sqlite3.h>

namespace qx {

namespace {

// Pages copied per backup step: small enough that Cancel answers at once.
constexpr int kPagesPerStep = 256;

bool isPlainSqliteFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

// One raw handle, closed when it goes out of scope. The copy works beside the program's own pooled
// handles, as a second reader of the file.
class Handle {
public:
    Handle(const QString& path, const QString& password, int flags) {
        const QByteArray file = QFile::encodeName(path);
        const int rc = sqlite3_open_v2(file.constData(), &m_db, flags, nullptr);
        if (rc != SQLITE_OK)
            fail(rc);
        if (!password.isEmpty()) {
            const QByteArray key = password.toUtf8();
            sqlite3_key(m_db, key.constData(), int(key.size()));
        }
    }
    ~Handle() { sqlite3_close(m_db); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    sqlite3* db() const { return m_db; }
    [[noreturn]] void fail(int rc) const {
        throw Failure(rc & 0xff, QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc)));
    }
    // Reads the first page: a wrong key or a damaged header fails here.
    void checkReadable() const {
        const int rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            fail(rc);
    }

private:
    sqlite3* m_db = nullptr;
};

bool opensWith(const QString& path, const QString& password) {
    try {
        Handle handle(path, password, SQLITE_OPEN_READONLY);
        handle.checkReadable();
        return true;
    } catch (const Failure&) {
        return false;
    }
}

} // namespace

QStringList candidateKeys(const QString& path) {
    if (isPlainSqliteFile(path))
        return {QString()};
    const QString name = QFileInfo(path).fileName();
    QStringList keys{kEstimatePassword, kCostPassword, kMastPassword, kContactsPassword};
    if (name.compare(QLatin1String("cost.mdb"), Qt::CaseInsensitive) == 0)
        keys.move(1, 0);
    else if (name.compare(QLatin1String("MastEst.mdb"), Qt::CaseInsensitive) == 0)
        keys.move(2, 0);
    return keys;
}

std::optional<QString> databaseKey(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    for (const QString& key : candidateKeys(path)) {
        if (opensWith(path, key))
            return key;
    }
    return std::nullopt;
}

bool copyDatabase(const QString& source, const QString& password, const QString& target,
                  const KeepGoing& keepGoing) {
    if (QFileInfo::exists(target))
        throw Failure(kErrFileExists, QStringLiteral("File already exists: '%1'.").arg(target));
    bool finished = false;
    try {
        Handle from(source, password, SQLITE_OPEN_READONLY);
        from.checkReadable();
        Handle to(target, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        sqlite3_backup* backup = sqlite3_backup_init(to.db(), "main", from.db(), "main");
        if (!backup)
            to.fail(sqlite3_errcode(to.db()));
        int rc = SQLITE_OK;
        bool stopped = false;
        while (true) {
            rc = sqlite3_backup_step(backup, kPagesPerStep);
            if (rc == SQLITE_DONE)
                break;
            if (rc != SQLITE_OK && rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
                break;
            if (keepGoing && !keepGoing()) {
                stopped = true;
                break;
            }
            if (rc != SQLITE_OK)
                sqlite3_sleep(20);
        }
        const int finish = sqlite3_backup_finish(backup);
        if (!stopped) {
            if (rc != SQLITE_DONE)
                to.fail(rc);
            if (finish != SQLITE_OK)
                to.fail(finish);
            finished = true;
        }
    } catch (const Failure&) {
        QFile::remove(target);
        throw;
    }
    if (!finished)
        QFile::remove(target);
    return finished;
}

QString integrityCheck(const QString& path, const QString& password) {
    if (!QFileInfo(path).isFile())
        throw Failure(SQLITE_CANTOPEN, QStringLiteral("Could not find file '%1'.").arg(path));
    Handle handle(path, password, SQLITE_OPEN_READONLY);
    handle.checkReadable();
    QStringList verdicts;
    auto collect = [](void* out, int, char** values, char**) {
        static_cast<QStringList*>(out)->append(QString::fromUtf8(values[0] ? values[0] : ""));
        return 0;
    };
    const int rc = sqlite3_exec(handle.db(), "PRAGMA integrity_check", collect, &verdicts, nullptr);
    if (rc != SQLITE_OK)
        handle.fail(rc);
    return verdicts.join(QLatin1Char('\n'));
}

} // namespace qx
