// Saving a 5,000-line estimate onto the office server and opening it from there, through the program's own
// save and open, against bare libpq moving the same rows in one transaction: COPY for the save (the fastest
// bare way to write many rows), one query per table for the open. The
// server is a PostgreSQL of the run's own (initdb in a temporary folder); without one the figures are
// left out.
//
//   save: the program's SaveEst on the server; the baseline reads the working rows from the working
//         database and copies them into the estimate's tables, then writes the Main texts.
//   open: the program's Open from the server; the baseline reads the stored rows and inserts them into
//         the working tables.
#include "Contest.h"
#include "LinedEstimate.h"
#include "PostgresServer.h"
#include "estimate/SaveEstimate.h"
#include "office/OfficeMove.h"
#include "office/OfficeStorage.h"

#include <iostream>
#include <libpq-fe.h>
#include <sqlcipher/sqlite3.h>

namespace {

using qxbench::Estimate;

qxtest::PostgresServer& server() {
    static qxtest::PostgresServer running;
    return running;
}

// A database of its own on the server, holding a fresh program folder's work, and the program put on it.
void putOnServer(qx::AppContext& ctx) {
    static int databases = 0;
    qx::OfficeServer office = server().office();
    office.database = QStringLiteral("bench_%1").arg(++databases);
    server().admin(QStringLiteral("CREATE DATABASE %1 OWNER estimator").arg(office.database));
    qx::OfficeMove(ctx.folder, office).run();
    qx::useOfficeStorage(ctx, office);
}

// Bare handles on the estimate's schema and on the working database.
struct RawServer {
    PGconn* est = nullptr;
    sqlite3* temp = nullptr;

    explicit RawServer(Estimate& e) {
        const qx::OfficeServer office = *e.ctx->office;
        // The working database is the baseline's alone from here on.
        e.ctx->pool.closeAll();
        const QByteArray conninfo =
            QStringLiteral("host=%1 port=%2 dbname=%3 user=%4 password='%5'")
                .arg(office.host)
                .arg(office.port)
                .arg(office.database, office.user,
                     QString(office.password).replace("\\", "\\\\").replace("'", "\\'"))
                .toUtf8();
        est = PQconnectdb(conninfo.constData());
        run("SET search_path TO " + e.state.sEstConn.path.toUtf8());
        sqlite3_open(qPrintable(e.ctx->conns.sTempConn.path), &temp);
        sqlite3_exec(temp, "PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY;", nullptr, nullptr, nullptr);
    }
    ~RawServer() {
        PQfinish(est);
        sqlite3_close(temp);
    }
    bool ok() const { return PQstatus(est) == CONNECTION_OK; }
    // True when `sql` ran well.
    bool run(const QByteArray& sql) {
        PGresult* result = PQexec(est, sql.constData());
        const bool done = PQresultStatus(result) == PGRES_COMMAND_OK;
        PQclear(result);
        return done;
    }
};

// One value in COPY's text form: NULL as \N, and a backslash, tab, newline or carriage return escaped
// (the bytes between them appended a run at a time).
void appendCopyValue(QByteArray& buffer, const unsigned char* value, int length) {
    if (!value) {
        buffer.append("\\N", 2);
        return;
    }
    const char* run = reinterpret_cast<const char*>(value);
    const char* const end = run + length;
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
        buffer.append(run, c - run).append(escape, 2);
        run = c + 1;
    }
    buffer.append(run, end - run);
}

// Every working row of `select` sent to the server by `copy` ("copy T(a,b) from stdin"), in COPY's text
// form, in pieces of about 64 KB. False when the server did not take them.
bool rowsToServer(RawServer& raw, const char* select, const char* copy) {
    PQclear(PQexec(raw.est, copy));
    sqlite3_stmt* read = nullptr;
    sqlite3_prepare_v2(raw.temp, select, -1, &read, nullptr);
    const int columns = sqlite3_column_count(read);
    QByteArray buffer;
    buffer.reserve(80000);
    while (sqlite3_step(read) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                buffer += '\t';
            appendCopyValue(buffer, sqlite3_column_text(read, c), sqlite3_column_bytes(read, c));
        }
        buffer += '\n';
        if (buffer.size() >= 65536) {
            PQputCopyData(raw.est, buffer.constData(), int(buffer.size()));
            buffer.clear();
        }
    }
    sqlite3_finalize(read);
    if (!buffer.isEmpty())
        PQputCopyData(raw.est, buffer.constData(), int(buffer.size()));
    PQputCopyEnd(raw.est, nullptr);
    bool copied = false;
    while (PGresult* result = PQgetResult(raw.est)) {
        copied = PQresultStatus(result) == PGRES_COMMAND_OK;
        PQclear(result);
    }
    return copied;
}

// Every stored row of `select` on the server inserted into the working database by `insert`.
void rowsFromServer(RawServer& raw, const char* select, const char* insert) {
    PGresult* result = PQexec(raw.est, select);
    sqlite3_stmt* write = nullptr;
    sqlite3_prepare_v2(raw.temp, insert, -1, &write, nullptr);
    const int columns = PQnfields(result);
    for (int r = 0; r < PQntuples(result); ++r) {
        for (int c = 0; c < columns; ++c) {
            if (PQgetisnull(result, r, c))
                sqlite3_bind_null(write, c + 1);
            else
                sqlite3_bind_text(write, c + 1, PQgetvalue(result, r, c), PQgetlength(result, r, c),
                                  SQLITE_STATIC);
        }
        sqlite3_step(write);
        sqlite3_reset(write);
    }
    sqlite3_finalize(write);
    PQclear(result);
}

// False when any step failed.
[[gnu::noinline]] bool baselineSave(RawServer& raw) {
    return raw.run("BEGIN") &&
           rowsToServer(raw, "select Shape,Pitch,Width1,Width2,Height,Total from TempAreas order by ID",
                        "copy Areas(Shape,Pitch,Width1,Width2,Height,Total) from stdin") &&
           rowsToServer(raw, "select Type,Name,Length,Total from TempLineal order by ID",
                        "copy Lineal(Type,Name,Length,Total) from stdin") &&
           rowsToServer(
               raw,
               "select itemtable,itemid,sect,secorder,qty,unit,name,cost,linetotal from tplineitems order by "
               "autoid",
               "copy LineItems(ItemTable,ItemID,Sect,Secorder,qty,Unit,Name,cost,LineTotal) from stdin") &&
           raw.run("update Main set overhead='%-15', Profit='%-15', contingency='Fixed-100.00', "
                   "management='%-2', EstSummary='No summary', PaymentTerms='No terms' where ID=1") &&
           raw.run("COMMIT");
}

[[gnu::noinline]] void baselineOpen(RawServer& raw) {
    sqlite3_exec(raw.temp, "BEGIN", nullptr, nullptr, nullptr);
    rowsFromServer(
        raw, "select id,shape,pitch,width1,width2,height,total from areas order by id",
        "insert into TempAreas(AreaID,shape,pitch,width1,width2,height,total) values(?,?,?,?,?,?,?)");
    rowsFromServer(raw, "select ID,Type,Name,Length,total from Lineal order by ID",
                   "insert into TempLineal(linealid,Type,Name,Length,total) values(?,?,?,?,?)");
    rowsFromServer(
        raw,
        "select id,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal from lineitems order by id",
        "insert into tplineitems(lineitemid,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal) "
        "values(?,?,?,?,?,?,?,?,?,?)");
    sqlite3_exec(raw.temp, "COMMIT", nullptr, nullptr, nullptr);
}

// Without a server of its own the figure is left out, said once.
class NoServer : public qxbench::Sides {
public:
    bool program(qxbench::Stopwatch&) override { return false; }
    bool baseline(qxbench::Stopwatch&) override { return false; }
};

class OfficeSaveSides : public qxbench::Sides {
public:
    explicit OfficeSaveSides(int lines)
        : m_ours(lines, putOnServer)
        , m_theirs(lines, putOnServer)
        , m_raw(m_theirs) {}
    void beforeProgram() override { m_ours.forgetSave(); }
    bool program(qxbench::Stopwatch&) override {
        return qx::SaveEstimate(*m_ours.ctx, m_ours.state, *m_ours.lines).SaveEst({}, {}) ==
               qx::SaveOutcome::Saved;
    }
    void beforeBaseline() override {
        m_raw.run("delete from Areas; delete from Lineal; delete from LineItems;");
    }
    bool baseline(qxbench::Stopwatch&) override { return baselineSave(m_raw); }

private:
    Estimate m_ours;
    Estimate m_theirs;
    RawServer m_raw;
};

class OfficeOpenSides : public qxbench::Sides {
public:
    explicit OfficeOpenSides(int lines)
        : m_ours(lines, putOnServer)
        , m_theirs(lines, putOnServer)
        , m_raw((save(m_theirs), m_theirs)) {
        save(m_ours);
    }
    bool program(qxbench::Stopwatch&) override {
        qxbench::openEstimate(m_ours);
        return m_ours.prompter.messageCount() == 0;
    }
    void beforeBaseline() override {
        sqlite3_exec(m_raw.temp, "delete from TempAreas; delete from TempLineal; delete from tplineitems;",
                     nullptr, nullptr, nullptr);
    }
    bool baseline(qxbench::Stopwatch&) override {
        baselineOpen(m_raw);
        return m_raw.ok();
    }

private:
    static void save(Estimate& e) { qx::SaveEstimate(*e.ctx, e.state, *e.lines).SaveEst({}, {}); }
    Estimate m_ours;
    Estimate m_theirs;
    RawServer m_raw;
};

template <class OfficeSides> std::unique_ptr<qxbench::Sides> withServer(int lines) {
    if (!server().running()) {
        std::cout << "(no PostgreSQL server for the office figures: " << server().failure().toStdString()
                  << ")\n";
        return std::make_unique<NoServer>();
    }
    return std::make_unique<OfficeSides>(lines);
}

const bool kSaveContest =
    qxbench::contest("BM_OfficeSave", "BM_OfficeSaveBaseline", {5000}, 11, withServer<OfficeSaveSides>);
const bool kOpenContest =
    qxbench::contest("BM_OfficeOpen", "BM_OfficeOpenBaseline", {5000}, 11, withServer<OfficeOpenSides>);

} // namespace
