#pragma once

#include "data/Database.h"

#include <QHash>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace qx {

// One open SQLite (SQLCipher) database file. Every value reaches SQL as a bound parameter.
// A plain (unkeyed) file opens whatever password is given; a keyed file needs its password.
class SqlFile final : public Database {
public:
    enum class Durability {
        Safe,   // shipped databases and estimate files: journaled, synced
        Scratch // working and unit scratch databases: thrown away anyway, so speed comes first
    };

    enum class Access {
        ReadWrite,
        ReadOnly // every statement that would change the file fails
    };

    // Opens an existing file; throws Failure when it is missing, unreadable, corrupt or keyed with
    // another password. Never creates a file.
    static std::unique_ptr<SqlFile> open(const QString& path, const QString& password, Durability durability,
                                         Access access = Access::ReadWrite);
    // Creates a new, empty file (keyed when password is not empty); the file must not exist yet.
    static std::unique_ptr<SqlFile> create(const QString& path, const QString& password,
                                           Durability durability);

    ~SqlFile();
    SqlFile(const SqlFile&) = delete;
    SqlFile& operator=(const SqlFile&) = delete;

    const QString& path() const { return m_path; }

    Engine engine() const override { return Engine::SQLite; }
    QString location() const override { return m_path; }
    void exec(const QString& sql, const Params& params = {}) override;
    ResultSet query(const QString& sql, const Params& params = {}) override;
    // A bulk copy: every row `select` reads from this file goes into `target` through `insert`, value
    // for value as stored (the insert binds the selected columns in order). The caller holds the
    // transactions. Returns the number of rows copied. Throws Failure.
    int copyRowsTo(SqlFile& target, const QString& select, const QString& insert);
    void execScript(const QString& sql) override;

    qint64 lastInsertId() override;
    bool inTransaction() const override;
    int changes() const override;

    void savepoint(const QString& name) override;
    void release(const QString& name) override;
    void rollbackTo(const QString& name) override;

private:
    SqlFile(sqlite3* db, QString path);
    // A statement ready to bind; `cached` tells whether it is kept for the next call (else the caller
    // finalizes it).
    sqlite3_stmt* prepare(const QString& sql, bool& cached);
    void bindAll(sqlite3_stmt* stmt, const Params& params);
    [[noreturn]] void fail() const;

    sqlite3* m_db;
    QString m_path;
    QHash<QString, sqlite3_stmt*> m_statements;
    // The texts bound to the statement being run, kept until the next binding so that SQLite need not
    // copy them.
    std::vector<QByteArray> m_boundTexts;
};

// Commits on commit(), rolls back when destroyed without it. Nests: the outermost is a plain
// transaction, the ones inside it savepoints (a savepoint held open for a whole transaction would make
// SQLite keep a second journal of every page it changes). Works the same on either engine.
class Transaction {
public:
    explicit Transaction(Database& file);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_file;
    QString m_name; // empty for the outermost transaction
    bool m_done = false;
};

} // namespace qx
