#include "data/SqlFile.h"

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <sqlcipher/sqlite3.h>

namespace qx {

namespace {

// A plain SQLite file starts with this header; a keyed file starts with random bytes.
bool isPlainSqliteFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

void applyDurability(sqlite3* db, SqlFile::Durability durability) {
    const char* pragmas = durability == SqlFile::Durability::Scratch
                              ? "PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY;"
                              : "PRAGMA synchronous=FULL;";
    sqlite3_exec(db, pragmas, nullptr, nullptr, nullptr);
}

Failure failureOf(sqlite3* db, int code) {
    const char* message = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    return Failure(code, QString::fromUtf8(message));
}

sqlite3* openHandle(const QString& path, const QString& password, int flags) {
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    // Every handle is used by the one thread that runs the program: no locking per call.
    const int rc = sqlite3_open_v2(file.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        Failure failure = failureOf(db, rc);
        sqlite3_close(db);
        throw failure;
    }
    if (!password.isEmpty()) {
        const QByteArray key = password.toUtf8();
        sqlite3_key(db, key.constData(), int(key.size()));
    }
    // Every page read from a keyed file is decrypted and checked: up to 32 MiB of a file's pages stay in
    // memory (SQLite's own default is 2 MiB), so that a register of tens of thousands of estimates or a
    // large catalogue is decrypted once, not again for every list it fills.
    sqlite3_exec(db, "PRAGMA cache_size=-32768;", nullptr, nullptr, nullptr);
    return db;
}

} // namespace

SqlFile::SqlFile(sqlite3* db, QString path)
    : m_db(db)
    , m_path(std::move(path)) {}

SqlFile::~SqlFile() {
    for (sqlite3_stmt* stmt : std::as_const(m_statements))
        sqlite3_finalize(stmt);
    sqlite3_close(m_db);
}

std::unique_ptr<SqlFile> SqlFile::open(const QString& path, const QString& password, Durability durability,
                                       Access access) {
    if (!QFileInfo(path).isFile())
        throw Failure(SQLITE_CANTOPEN, QStringLiteral("Could not find file '%1'.").arg(path));
    // A plain file (the scratch databases) is opened without a key whatever password comes with it.
    const QString key = isPlainSqliteFile(path) ? QString() : password;
    sqlite3* db =
        openHandle(path, key, access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    std::unique_ptr<SqlFile> file(new SqlFile(db, path));
    // The key is only checked when the first page is read: read it now, so that a wrong password or a
    // damaged file fails here and no unusable handle is kept.
    file->scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (access == Access::ReadWrite)
        applyDurability(db, durability);
    return file;
}

std::unique_ptr<SqlFile> SqlFile::create(const QString& path, const QString& password,
                                         Durability durability) {
    if (QFileInfo::exists(path))
        throw Failure(kErrFileExists, QStringLiteral("File already exists: '%1'.").arg(path));
    sqlite3* db = openHandle(path, password, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    std::unique_ptr<SqlFile> file(new SqlFile(db, path));
    applyDurability(db, durability);
    return file;
}

void SqlFile::fail() const {
    throw failureOf(m_db, sqlite3_extended_errcode(m_db) & 0xff);
}

sqlite3_stmt* SqlFile::prepare(const QString& sql, bool& cached) {
    // A kept statement was reset when it was last run; every value is bound afresh (bindAll binds them
    // all), so its old bindings need no clearing.
    if (sqlite3_stmt* kept = m_statements.value(sql)) {
        cached = true;
        return kept;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail();
    }
    // Statements that change the schema are not kept: the tables they name may be dropped.
    if (sqlite3_stmt_readonly(stmt) || sql.startsWith(QLatin1String("insert"), Qt::CaseInsensitive) ||
        sql.startsWith(QLatin1String("update"), Qt::CaseInsensitive) ||
        sql.startsWith(QLatin1String("delete"), Qt::CaseInsensitive))
        m_statements.insert(sql, stmt);
    cached = m_statements.contains(sql);
    return stmt;
}

void SqlFile::bindAll(sqlite3_stmt* stmt, const Params& params) {
    if (params.size() != sqlite3_bind_parameter_count(stmt))
        throw Failure(SQLITE_RANGE, QStringLiteral("Wrong number of values for the statement."));
    m_boundTexts.clear();
    m_boundTexts.reserve(size_t(params.size()));
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params.at(i);
        const int index = i + 1;
        int rc = SQLITE_OK;
        switch (boundKindOf(v)) {
        case BoundKind::Null:
            rc = sqlite3_bind_null(stmt, index);
            break;
        case BoundKind::Whole:
            rc = sqlite3_bind_int64(stmt, index, v.toLongLong());
            break;
        case BoundKind::Real:
            rc = sqlite3_bind_double(stmt, index, v.toDouble());
            break;
        case BoundKind::Bytes: {
            // Bytes stay bytes (a plan's image); they are kept like texts until the next binding.
            const QByteArray& bytes = m_boundTexts.emplace_back(v.toByteArray());
            rc = sqlite3_bind_blob64(stmt, index, bytes.constData(), sqlite3_uint64(bytes.size()),
                                     SQLITE_STATIC);
            break;
        }
        case BoundKind::Text: {
            // The text stays in m_boundTexts until the next binding, so SQLite may use it in place.
            const QString* text =
                v.typeId() == QMetaType::QString ? static_cast<const QString*>(v.constData()) : nullptr;
            const QByteArray& utf8 = m_boundTexts.emplace_back(text ? text->toUtf8() : v.toString().toUtf8());
            rc = sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
            break;
        }
        }
        if (rc != SQLITE_OK)
            fail();
    }
}

namespace {

QVariant columnValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, column)),
                                   sqlite3_column_bytes(stmt, column)));
    default:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                                          sqlite3_column_bytes(stmt, column)));
    }
}

// Resets a statement when the caller is done with it, also when a step throws.
struct StatementGuard {
    sqlite3_stmt* stmt;
    bool cached;
    ~StatementGuard() {
        if (cached)
            sqlite3_reset(stmt);
        else
            sqlite3_finalize(stmt);
    }
};

} // namespace

void SqlFile::exec(const QString& sql, const Params& params) {
    bool cached = false;
    sqlite3_stmt* stmt = prepare(sql, cached);
    StatementGuard guard{stmt, cached};
    bindAll(stmt, params);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail();
}

ResultSet SqlFile::query(const QString& sql, const Params& params) {
    bool cached = false;
    sqlite3_stmt* stmt = prepare(sql, cached);
    StatementGuard guard{stmt, cached};
    bindAll(stmt, params);
    ResultSet result;
    const int count = sqlite3_column_count(stmt);
    for (int c = 0; c < count; ++c)
        result.columns << QString::fromUtf8(sqlite3_column_name(stmt, c));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVariantList row;
        row.reserve(count);
        for (int c = 0; c < count; ++c)
            row << columnValue(stmt, c);
        result.rows.append(std::move(row));
    }
    if (rc != SQLITE_DONE)
        fail();
    return result;
}

int SqlFile::copyRowsTo(SqlFile& target, const QString& select, const QString& insert) {
    bool readCached = false;
    sqlite3_stmt* read = prepare(select, readCached);
    StatementGuard readGuard{read, readCached};
    bool writeCached = false;
    sqlite3_stmt* write = target.prepare(insert, writeCached);
    StatementGuard writeGuard{write, writeCached};
    const int columns = sqlite3_column_count(read);
    if (columns != sqlite3_bind_parameter_count(write))
        throw Failure(SQLITE_RANGE, QStringLiteral("Wrong number of values for the statement."));
    int copied = 0;
    int rc;
    while ((rc = sqlite3_step(read)) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_bind_value(write, c + 1, sqlite3_column_value(read, c)) != SQLITE_OK)
                target.fail();
        }
        if (sqlite3_step(write) != SQLITE_DONE)
            target.fail();
        sqlite3_reset(write);
        ++copied;
    }
    if (rc != SQLITE_DONE)
        fail();
    return copied;
}

void SqlFile::execScript(const QString& sql) {
    char* error = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_exec(m_db, text.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString description = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        throw Failure(sqlite3_extended_errcode(m_db) & 0xff, description);
    }
}

qint64 SqlFile::lastInsertId() {
    return sqlite3_last_insert_rowid(m_db);
}
bool SqlFile::inTransaction() const {
    return sqlite3_get_autocommit(m_db) == 0;
}

int SqlFile::changes() const {
    return sqlite3_changes(m_db);
}

void SqlFile::savepoint(const QString& name) {
    execScript(QStringLiteral("SAVEPOINT %1").arg(name));
}
void SqlFile::release(const QString& name) {
    execScript(QStringLiteral("RELEASE %1").arg(name));
}
void SqlFile::rollbackTo(const QString& name) {
    execScript(QStringLiteral("ROLLBACK TO %1; RELEASE %1").arg(name));
}

namespace {
std::atomic<int> g_savepointCounter{0};
}

Transaction::Transaction(Database& file)
    : m_file(file) {
    if (!m_file.inTransaction()) {
        m_file.execScript(QStringLiteral("BEGIN"));
        return;
    }
    m_name = QStringLiteral("qx_sp%1").arg(++g_savepointCounter);
    m_file.savepoint(m_name);
}

Transaction::~Transaction() {
    if (m_done)
        return;
    try {
        if (m_name.isEmpty())
            m_file.execScript(QStringLiteral("ROLLBACK"));
        else
            m_file.rollbackTo(m_name);
    } catch (const Failure&) {
        // Nothing more can be done for a file that cannot even roll back.
    }
}

void Transaction::commit() {
    if (m_name.isEmpty())
        m_file.execScript(QStringLiteral("COMMIT"));
    else
        m_file.release(m_name);
    m_done = true;
}

} // namespace qx
