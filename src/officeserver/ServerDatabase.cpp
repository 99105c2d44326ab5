// The office server engine: one of the program's databases as a schema of a PostgreSQL database,
// reached through libpq. Loaded by the program with the first office connection (see
// office/OfficeEngine.h), so that a program working on its own files never loads libpq.
#include "data/Database.h"
#include "data/OfficeServer.h"
#include "office/ServerStatement.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <libpq-fe.h>
#include <memory>
#include <optional>
#include <vector>

namespace {

// Type numbers of the server's built-in types that the program reads back as something other than text.
enum TypeOid : Oid {
    kBool = 16,
    kBytea = 17,
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kOid = 26,
    kFloat4 = 700,
    kFloat8 = 701,
    kNumeric = 1700,
};

// Error numbers as the file engine gives them, so that a trap reads alike on both engines.
constexpr int kErrGeneric = 1;
constexpr int kErrConstraint = 19;
constexpr int kErrConnectionLost = 10;

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

// The values of one statement in libpq's form, kept alive while it runs.
class BoundValues {
public:
    explicit BoundValues(const qx::Params& params) {
        m_storage.reserve(size_t(params.size()));
        for (const QVariant& v : params)
            add(v);
        for (size_t i = 0; i < m_storage.size(); ++i) {
            m_values.push_back(m_null[i] ? nullptr : m_storage[i].constData());
            m_lengths.push_back(int(m_storage[i].size()));
        }
    }
    int count() const { return int(m_values.size()); }
    const Oid* types() const { return m_types.data(); }
    const char* const* values() const { return m_values.data(); }
    const int* lengths() const { return m_lengths.data(); }
    const int* formats() const { return m_formats.data(); }

private:
    void add(const QVariant& v) {
        Oid type = 0; // a text: the server takes the type the statement needs there
        int format = 0;
        QByteArray bytes;
        switch (qx::boundKindOf(v)) {
        case qx::BoundKind::Null:
            break;
        case qx::BoundKind::Whole:
            type = kInt8;
            bytes = QByteArray::number(v.toLongLong());
            break;
        case qx::BoundKind::Real:
            type = kFloat8;
            bytes = QByteArray::number(v.toDouble(), 'g', 17);
            break;
        case qx::BoundKind::Bytes:
            type = kBytea;
            format = 1;
            bytes = v.toByteArray();
            break;
        case qx::BoundKind::Text:
            bytes = v.toString().toUtf8();
            break;
        }
        m_null.push_back(v.isNull());
        m_types.push_back(type);
        m_formats.push_back(format);
        m_storage.push_back(bytes);
    }

    std::vector<QByteArray> m_storage;
    std::vector<bool> m_null;
    std::vector<Oid> m_types;
    std::vector<int> m_formats;
    std::vector<const char*> m_values;
    std::vector<int> m_lengths;
};

QVariant numericValue(const QByteArray& text) {
    bool whole = false;
    const qint64 number = text.toLongLong(&whole);
    if (whole)
        return number;
    return text.toDouble();
}

QVariant cellValue(const PGresult* result, int row, int column) {
    if (PQgetisnull(result, row, column))
        return {};
    // Read in place: an opened estimate is tens of thousands of cells.
    const char* value = PQgetvalue(result, row, column);
    const int length = PQgetlength(result, row, column);
    switch (PQftype(result, column)) {
    case kBool:
        return qint64(length == 1 && *value == 't' ? 1 : 0);
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid: {
        qint64 number = 0;
        std::from_chars(value, value + length, number);
        return number;
    }
    case kFloat4:
    case kFloat8:
        return QByteArray(value, length).toDouble();
    case kNumeric:
        return numericValue(QByteArray(value, length));
    case kBytea:
        return QByteArray::fromHex(QByteArray(value + 2, length - 2)); // "\x" and the bytes in hex
    default:
        return QString::fromUtf8(value, length);
    }
}

// A text in COPY's text form: a backslash, tab, line feed or carriage return escaped, every other byte as
// it is (taken a run at a time: a 5,000-line estimate is some fifty thousand values).
void appendCopyText(QByteArray& out, const QByteArray& text) {
    const char* run = text.constData();
    const char* const end = run + text.size();
    for (const char* c = run; c != end; ++c) {
        const char* escape = nullptr;
        switch (*c) {
        case '\\':
            escape = "\\\\";
            break;
        case '\t':
            escape = "\\t";
            break;
        case '\n':
            escape = "\\n";
            break;
        case '\r':
            escape = "\\r";
            break;
        default:
            continue;
        }
        out.append(run, c - run).append(escape, 2);
        run = c + 1;
    }
    out.append(run, end - run);
}

void appendWhole(QByteArray& out, qint64 number) {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, written.ptr - digits);
}

// One value in COPY's text form, read by the server as the column's input reads a bound value: NULL as
// \N; bytes in the server's hex form; a real of whole value as a whole number, so that a whole-number
// column takes it as it takes it bound.
void appendCopyValue(QByteArray& out, const QVariant& v) {
    switch (qx::boundKindOf(v)) {
    case qx::BoundKind::Null:
        out.append("\\N", 2);
        return;
    case qx::BoundKind::Whole:
        appendWhole(out, v.toLongLong());
        return;
    case qx::BoundKind::Real: {
        const double real = v.toDouble();
        if (std::isfinite(real) && real == std::trunc(real) && std::fabs(real) < 1e15)
            appendWhole(out, qint64(real));
        else
            out += QByteArray::number(real, 'g', QLocale::FloatingPointShortest);
        return;
    }
    case qx::BoundKind::Bytes:
        out.append("\\\\x", 3);
        out += v.toByteArray().toHex();
        return;
    case qx::BoundKind::Text:
        appendCopyText(out, v.toString().toUtf8());
        return;
    }
}

bool succeeded(const Result& result) {
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

class ServerDatabase final : public qx::Database {
public:
    ServerDatabase(PGconn* connection, QString schema, QString host, QString location)
        : m_connection(connection)
        , m_schema(std::move(schema))
        , m_host(std::move(host))
        , m_location(std::move(location)) {}
    ~ServerDatabase() override { PQfinish(m_connection); }

    // Texts in the program's encoding, the program's schema first, ISO dates.
    void prepareSession() {
        QString path = QStringLiteral("public");
        if (!m_schema.isEmpty()) {
            const QByteArray schema = m_schema.toUtf8();
            char* quoted = PQescapeIdentifier(m_connection, schema.constData(), size_t(schema.size()));
            path = QString::fromUtf8(quoted) + QStringLiteral(", public");
            PQfreemem(quoted);
        }
        execScript(QStringLiteral("SET client_encoding TO 'UTF8'; SET DateStyle TO ISO; "
                                  "SET client_min_messages TO warning; SET search_path TO ") +
                   path);
    }

    Engine engine() const override { return Engine::OfficeServer; }
    QString location() const override { return m_location; }

    void exec(const QString& sql, const qx::Params& params) override {
        const Result result = run(sql, params);
        m_changes = QByteArray(PQcmdTuples(result.get())).toInt();
    }

    qx::ResultSet query(const QString& sql, const qx::Params& params) override {
        const Result result = run(sql, params);
        qx::ResultSet set;
        const int columns = PQnfields(result.get());
        const int rows = PQntuples(result.get());
        for (int c = 0; c < columns; ++c)
            set.columns << QString::fromUtf8(PQfname(result.get(), c));
        set.rows.reserve(rows);
        for (int r = 0; r < rows; ++r) {
            QVariantList row;
            row.reserve(columns);
            for (int c = 0; c < columns; ++c)
                row << cellValue(result.get(), r, c);
            set.rows.append(std::move(row));
        }
        return set;
    }

    void execScript(const QString& sql) override {
        m_lastInsertId.reset();
        int placeholders = 0;
        const QByteArray text = qx::serverStatement(sql, placeholders).toUtf8();
        const QString word = sql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
        if (m_lostWork) {
            // The server rolled the transaction back when the connection went: only its end is taken,
            // so that nothing of it is carried on outside it.
            if (word != QLatin1String("ROLLBACK") ||
                sql.contains(QLatin1String("SAVEPOINT"), Qt::CaseInsensitive))
                throw qx::Failure(kErrConnectionLost, lostText());
            m_lostWork = false;
            m_transactionOpen = false;
            return;
        }
        reconnectIfLost();
        check(Result(PQexec(m_connection, text.constData())));
        if (word == QLatin1String("BEGIN"))
            m_transactionOpen = true;
        else if (word == QLatin1String("COMMIT") ||
                 (word == QLatin1String("ROLLBACK") &&
                  !sql.contains(QLatin1String("SAVEPOINT"), Qt::CaseInsensitive)))
            m_transactionOpen = false;
    }

    bool insertMany(const QString& target, const QList<QVariantList>& rows) override {
        m_lastInsertId.reset();
        int placeholders = 0;
        const QByteArray copy = (QStringLiteral("COPY ") + qx::serverStatement(target, placeholders) +
                                 QStringLiteral(" FROM STDIN"))
                                    .toUtf8();
        if (m_lostWork)
            throw qx::Failure(kErrConnectionLost, lostText());
        reconnectIfLost();
        const bool guarded = inTransaction();
        if (guarded)
            check(Result(PQexec(m_connection, "SAVEPOINT qx_statement")));
        Result result = copyRows(copy, rows);
        if (guarded)
            endStatement(succeeded(result));
        // A value a column reads otherwise in this form than bound (a fraction for a whole number)
        // leaves the rows to statements, which convert each value as exec() does.
        const char* state = result ? PQresultErrorField(result.get(), PG_DIAG_SQLSTATE) : nullptr;
        if (PQstatus(m_connection) == CONNECTION_OK && state && qstrncmp(state, "22", 2) == 0)
            return false;
        m_changes = QByteArray(PQcmdTuples(check(std::move(result)).get())).toInt();
        return true;
    }

    qint64 lastInsertId() override {
        if (m_lastInsertId)
            return *m_lastInsertId;
        return scalar(QStringLiteral("SELECT lastval()")).toLongLong();
    }
    int changes() const override { return m_changes; }

    bool inTransaction() const override {
        if (m_lostWork)
            return true;
        const PGTransactionStatusType status = PQtransactionStatus(m_connection);
        return status == PQTRANS_INTRANS || status == PQTRANS_INERROR || status == PQTRANS_ACTIVE;
    }

    void savepoint(const QString& name) override { execScript(QStringLiteral("SAVEPOINT %1").arg(name)); }
    void release(const QString& name) override {
        execScript(QStringLiteral("RELEASE SAVEPOINT %1").arg(name));
    }
    void rollbackTo(const QString& name) override {
        execScript(QStringLiteral("ROLLBACK TO SAVEPOINT %1; RELEASE SAVEPOINT %1").arg(name));
    }

private:
    Result run(const QString& sql, const qx::Params& params) {
        m_lastInsertId.reset();
        int placeholders = 0;
        const QByteArray text = qx::serverStatement(sql, placeholders).toUtf8();
        if (placeholders != params.size())
            throw qx::Failure(25, QStringLiteral("Wrong number of values for the statement."));
        const BoundValues values(params);
        if (m_lostWork)
            throw qx::Failure(kErrConnectionLost, lostText());
        reconnectIfLost();
        if (!inTransaction())
            return check(Result(PQexecParams(m_connection, text.constData(), values.count(), values.types(),
                                             values.values(), values.lengths(), values.formats(), 0)));
        return runGuarded(text, values,
                          sql.trimmed().startsWith(QLatin1String("insert"), Qt::CaseInsensitive));
    }

    // Inside a transaction a failed statement undoes only itself, as it does in a file: the server would
    // otherwise refuse every later statement until the rollback. The savepoint, the statement and the
    // savepoint's release go to the server together, in one round trip; only a failure costs a second
    // one, back to the savepoint. An insert brings back the key it gave in the same round trip (under a
    // savepoint of its own: a session that has not used a key's sequence yet has no last key).
    Result runGuarded(const QByteArray& text, const BoundValues& values, bool insert) {
        bool piped = PQenterPipelineMode(m_connection) == 1;
        if (piped) {
            piped = sendCommand("SAVEPOINT qx_statement") &&
                    PQsendQueryParams(m_connection, text.constData(), values.count(), values.types(),
                                      values.values(), values.lengths(), values.formats(), 0) == 1 &&
                    sendCommand("RELEASE SAVEPOINT qx_statement");
            if (insert)
                piped = piped && sendCommand("SAVEPOINT qx_statement") && sendCommand("SELECT lastval()") &&
                        sendCommand("RELEASE SAVEPOINT qx_statement");
            piped = PQpipelineSync(m_connection) == 1 && piped;
        }
        std::vector<Result> results = pipelineResults(insert ? 6 : 3);
        PQexitPipelineMode(m_connection);
        if (!piped && PQstatus(m_connection) == CONNECTION_OK)
            throw qx::Failure(kErrGeneric, QString::fromUtf8(PQerrorMessage(m_connection)).trimmed());
        check(std::move(results[0]));
        if (!succeeded(results[1]))
            endStatement(false);
        Result statement = check(std::move(results[1]));
        check(std::move(results[2]));
        if (insert) {
            check(std::move(results[3]));
            if (succeeded(results[4]) && PQntuples(results[4].get()) == 1) {
                m_lastInsertId = cellValue(results[4].get(), 0, 0).toLongLong();
                check(std::move(results[5]));
            } else {
                endStatement(false);
            }
        }
        return statement;
    }

    // The end of a statement's savepoint: kept when the statement was done, else rolled back to (while
    // the connection lasts).
    void endStatement(bool done) {
        if (PQstatus(m_connection) != CONNECTION_OK)
            return;
        check(Result(PQexec(m_connection, done ? "RELEASE SAVEPOINT qx_statement"
                                               : "ROLLBACK TO SAVEPOINT qx_statement; RELEASE SAVEPOINT "
                                                 "qx_statement")));
    }

    bool sendCommand(const char* command) {
        return PQsendQueryParams(m_connection, command, 0, nullptr, nullptr, nullptr, nullptr, 0) == 1;
    }

    // The first result of each of the `commands` sent in pipeline mode before its sync (null for a command
    // that has none), once the sync has come back or the connection has gone.
    std::vector<Result> pipelineResults(size_t commands) {
        std::vector<Result> results(commands);
        size_t command = 0;
        bool ended = false; // the last call ended a command's results
        for (;;) {
            PGresult* result = PQgetResult(m_connection);
            if (!result) {
                // Nothing at all after a command's end: nothing more is coming.
                if (ended)
                    break;
                ended = true;
                ++command;
                continue;
            }
            ended = false;
            if (PQresultStatus(result) == PGRES_PIPELINE_SYNC) {
                PQclear(result);
                break;
            }
            if (command < commands && !results[command])
                results[command].reset(result);
            else
                PQclear(result);
        }
        return results;
    }

    // Sends `rows` through `copy` ("COPY T(a,b) FROM STDIN") in pieces of about 64 KB; the copy's result.
    Result copyRows(const QByteArray& copy, const QList<QVariantList>& rows) {
        Result started(PQexec(m_connection, copy.constData()));
        if (!started || PQresultStatus(started.get()) != PGRES_COPY_IN)
            return started;
        constexpr qsizetype kPiece = 65536;
        QByteArray piece;
        piece.reserve(kPiece + 4096);
        bool sent = true;
        for (const QVariantList& row : rows) {
            for (qsizetype c = 0; c < row.size(); ++c) {
                if (c > 0)
                    piece += '\t';
                appendCopyValue(piece, row.at(c));
            }
            piece += '\n';
            if (piece.size() >= kPiece) {
                sent = PQputCopyData(m_connection, piece.constData(), int(piece.size())) == 1;
                piece.clear();
                if (!sent)
                    break;
            }
        }
        if (sent && !piece.isEmpty())
            sent = PQputCopyData(m_connection, piece.constData(), int(piece.size())) == 1;
        PQputCopyEnd(m_connection, sent ? nullptr : "the rows could not be sent");
        Result result(PQgetResult(m_connection));
        while (PGresult* more = PQgetResult(m_connection))
            PQclear(more);
        return result;
    }

    // A connection the server or the network ended is opened again for the next command (a transaction
    // it held was rolled back by the server).
    void reconnectIfLost() {
        if (PQstatus(m_connection) == CONNECTION_OK)
            return;
        PQreset(m_connection);
        if (PQstatus(m_connection) != CONNECTION_OK)
            throw qx::Failure(kErrConnectionLost, lostText());
        prepareSession();
    }

    QString lostText() const {
        return QStringLiteral("The connection to the office server on %1 was lost.").arg(m_host);
    }

    Result check(Result result) {
        const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
        if (PQstatus(m_connection) != CONNECTION_OK) {
            // Lost inside a transaction: the server has undone it, and everything until its end fails.
            m_lostWork = m_transactionOpen;
            throw qx::Failure(kErrConnectionLost, lostText());
        }
        if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
            return result;
        const char* state = result ? PQresultErrorField(result.get(), PG_DIAG_SQLSTATE) : nullptr;
        const char* primary = result ? PQresultErrorField(result.get(), PG_DIAG_MESSAGE_PRIMARY) : nullptr;
        const bool constraint = state && qstrncmp(state, "23", 2) == 0;
        throw qx::Failure(constraint ? kErrConstraint : kErrGeneric,
                          QString::fromUtf8(primary ? primary : PQerrorMessage(m_connection)).trimmed());
    }

    PGconn* m_connection;
    QString m_schema;
    QString m_host;
    QString m_location;
    int m_changes = 0;
    std::optional<qint64> m_lastInsertId; // the key the last statement, an insert, gave
    bool m_transactionOpen = false;       // BEGIN was taken and neither COMMIT nor ROLLBACK yet
    bool m_lostWork = false;              // the connection went inside that transaction
};

} // namespace

// The module's one entry: a connection to `schema` of the office's database (no schema: the database
// itself), or null with libpq's own account of the failure in `failure`.
extern "C" Q_DECL_EXPORT qx::Database* qxConnectOffice(const qx::OfficeServer& server, const QString& schema,
                                                       QString& failure) {
    const QByteArray host = server.host.toUtf8();
    const QByteArray port = QByteArray::number(server.port);
    const QByteArray database = server.database.toUtf8();
    const QByteArray user = server.user.toUtf8();
    const QByteArray password = server.password.toUtf8();
    const char* keywords[] = {"host",     "port",    "dbname",          "user",
                              "password", "sslmode", "connect_timeout", "application_name",
                              nullptr};
    const char* values[] = {host.constData(),
                            port.constData(),
                            database.constData(),
                            user.constData(),
                            password.constData(),
                            server.requireTls ? "require" : "prefer",
                            "10",
                            "Quorvex",
                            nullptr};
    PGconn* connection = PQconnectdbParams(keywords, values, 0);
    if (PQstatus(connection) != CONNECTION_OK) {
        failure = QString::fromUtf8(PQerrorMessage(connection)).trimmed();
        PQfinish(connection);
        return nullptr;
    }
    // Notices (an object that already exists, ...) are no business of the user's.
    PQsetNoticeProcessor(
        connection, [](void*, const char*) {}, nullptr);
    const QString location = schema.isEmpty() ? server.database + QStringLiteral(" on ") + server.host
                                              : schema + QStringLiteral(" in ") + server.database +
                                                    QStringLiteral(" on ") + server.host;
    auto db = std::make_unique<ServerDatabase>(connection, schema, server.host, location);
    try {
        db->prepareSession();
    } catch (const qx::Failure& f) {
        failure = f.description();
        return nullptr;
    }
    return db.release();
}
