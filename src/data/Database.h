#pragma once

#include "data/Failure.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace qx {

using Params = QVariantList;

// The rows a query returned, with its column names. Values are as stored: qint64 for whole numbers
// and money (ten-thousandths), double, QString, QByteArray, or a null QVariant. Column names are
// matched without regard to case (the office server hands them back in lower case).
struct ResultSet {
    QStringList columns;
    QList<QVariantList> rows;

    bool isEmpty() const { return rows.isEmpty(); }
    int size() const { return int(rows.size()); }
    const QVariant& at(int row, int column) const { return rows.at(row).at(column); }
    int columnIndex(const QString& name) const {
        for (int i = 0; i < columns.size(); ++i) {
            if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
    QVariant value(int row, const QString& column) const {
        const int index = columnIndex(column);
        return index < 0 ? QVariant() : rows.at(row).at(index);
    }
};

// What a bound value is to a database engine. Every engine sorts Qt's value types the same way, so a
// value reads back alike from a file and from the office server.
enum class BoundKind { Null, Whole, Real, Bytes, Text };

inline BoundKind boundKindOf(const QVariant& value) {
    if (value.isNull())
        return BoundKind::Null;
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::Short:
        return BoundKind::Whole;
    case QMetaType::Double:
    case QMetaType::Float:
        return BoundKind::Real;
    case QMetaType::QByteArray:
        return BoundKind::Bytes;
    default:
        return BoundKind::Text;
    }
}

// One database the model code reads and writes: the register, the cost database or one estimate. Two
// engines stand behind it:
//
//  - SQLite: one (SQLCipher-keyed) file per database in the program folder (SqlFile). The default, and
//    always the engine of the working and unit scratch databases, which stay on each PC.
//  - Office server: PostgreSQL through libpq, shared by every PC of an office. One server database per
//    office; each of the program's databases is a schema in it ("register", "cost", and one schema per
//    estimate holding the estimate file's tables), and a connection works with its schema first on its
//    search path. The tables have the same names and columns as in the files, so the same statements run
//    on both engines: the engine turns the `?` placeholders into `$1, $2, ...` and bracketed names into
//    quoted ones. libpq is only loaded with the first office connection (see office/OfficeEngine.h).
//
// Both engines hand back the same values for the same rows: whole numbers and money as qint64, reals
// as double, texts and ISO dates as QString, bytes as QByteArray, NULL as a null QVariant. Every
// failure is thrown as a Failure whose description is plain words and never holds a password.
class Database {
public:
    enum class Engine { SQLite, OfficeServer };

    virtual ~Database() = default;

    virtual Engine engine() const = 0;
    // Where the database lives, for messages: a file path, or "schema on host".
    virtual QString location() const = 0;

    // One statement with bound values. Throws Failure.
    virtual void exec(const QString& sql, const Params& params = {}) = 0;
    virtual ResultSet query(const QString& sql, const Params& params = {}) = 0;
    // Several statements without values (table definitions, seed content).
    virtual void execScript(const QString& sql) = 0;
    // Adds `rows` to `target` ("T(a,b,c)", one value per column in each row) in one go where the engine
    // has a way for many rows (the office server's COPY); false when it has none and nothing was done, so
    // that the caller inserts them by statements. Values go in as exec() would bind them. Throws Failure.
    virtual bool insertMany(const QString& target, const QList<QVariantList>& rows) {
        Q_UNUSED(target);
        Q_UNUSED(rows);
        return false;
    }
    // First column of the first row; a null QVariant when there is no row.
    QVariant scalar(const QString& sql, const Params& params = {}) {
        const ResultSet result = query(sql, params);
        return result.isEmpty() || result.columns.isEmpty() ? QVariant() : result.at(0, 0);
    }

    // The key the last insert of this connection gave its new row.
    virtual qint64 lastInsertId() = 0;
    // Rows the last insert, update or delete changed.
    virtual int changes() const = 0;

    virtual bool inTransaction() const = 0;
    // Nested transactions as savepoints (see Transaction).
    virtual void savepoint(const QString& name) = 0;
    virtual void release(const QString& name) = 0;
    virtual void rollbackTo(const QString& name) = 0;
};

} // namespace qx
