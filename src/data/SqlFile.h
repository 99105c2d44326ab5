#pragma once

#include "data/Failure.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace qx {

using Params = QVariantList;

// The rows a query returned, with its column names. Values are as stored: qint64 for whole numbers
// and money (ten-thousandths), double, QString, or a null QVariant.
struct ResultSet {
    QStringList columns;
    QList<QVariantList> rows;

    bool isEmpty() const { return rows.isEmpty(); }
    int size() const { return int(rows.size()); }
    const QVariant& at(int row, int column) const { return rows.at(row).at(column); }
    int columnIndex(const QString& name) const;
    QVariant value(int row, const QString& column) const;
};

// One open SQLite (SQLCipher) database file. Every value reaches SQL as a bound parameter.
// A plain (unkeyed) file opens whatever password is given; a keyed file needs its password.
class SqlFile {
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

    // One statement with bound values. Throws Failure.
    void exec(const QString& sql, const Params& params = {});
    ResultSet query(const QString& sql, const Params& params = {});
    // First column of the first row; a null QVariant when there is no row.
    QVariant scalar(const QString& sql, const Params& params = {});
    // A bulk copy: every row `select` reads from this file goes into `target` through `insert`, value
    // for value as stored (the insert binds the selected columns in order). The caller holds the
    // transactions. Returns the number of rows copied. Throws Failure.
    int copyRowsTo(SqlFile& target, const QString& select, const QString& insert);
    // Several statements without values (table definitions, seed content).
    void execScript(const QString& sql);

    qint64 lastInsertId() const;
    bool inTransaction() const;
    int changes() const;

    // Nested transactions as savepoints (see Transaction).
    void savepoint(const QString& name);
    void release(const QString& name);
    void rollbackTo(const QString& name);

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
// SQLite keep a second journal of every page it changes).
class Transaction {
public:
    explicit Transaction(SqlFile& file);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    SqlFile& m_file;
    QString m_name; // empty for the outermost transaction
    bool m_done = false;
};

} // namespace qx
