// Loading an opened estimate's lines into the working database (AddTpLineItem, one statement per line)
// against a bare SQLite baseline that inserts the same rows with one prepared statement in one
// transaction. The last line printed is "RATIO add_tp_line_items_1000 <program / baseline>".
#include "BenchRatio.h"
#include "data/AppContext.h"
#include "data/ScriptedPrompter.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlcipher/sqlite3.h>

namespace {

constexpr int kLines = 1000;

struct Fixture {
    QTemporaryDir dir;
    qx::ScriptedPrompter prompter;
    std::unique_ptr<qx::AppContext> ctx;
    Fixture() {
        QDir().mkpath(dir.path() + "/data");
        ctx = std::make_unique<qx::AppContext>(dir.path(), prompter, dir.path() + "/config");
    }
};

void BM_AddTpLineItem(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        state.PauseTiming();
        f.ctx->working.CreateTempDB();
        state.ResumeTiming();
        for (int i = 0; i < kLines; ++i)
            f.ctx->working.AddTpLineItem(i + 1, i % 50, "Roofing", 0, "Architectural shingles", "Material", 3,
                                         "bdl", qx::Money::fromCents(4599), qx::Money::fromCents(13797));
    }
}

void BM_RawSqliteBaseline(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        state.PauseTiming();
        f.ctx->working.CreateTempDB();
        f.ctx->pool.closeAll();
        sqlite3* db = nullptr;
        sqlite3_open(qPrintable(f.ctx->conns.sTempConn.path), &db);
        sqlite3_exec(db, "PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY;", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        sqlite3_stmt* stmt = nullptr;
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(
            db,
            "insert into tplineitems(lineitemid,itemid,sect,secorder,name,itemtable,qty,unit,cost,"
            "linetotal)values(?,?,?,?,?,?,?,?,?,?)",
            -1, &stmt, nullptr);
        for (int i = 0; i < kLines; ++i) {
            sqlite3_bind_int(stmt, 1, i + 1);
            sqlite3_bind_int(stmt, 2, i % 50);
            sqlite3_bind_text(stmt, 3, "Roofing", -1, SQLITE_STATIC);
            sqlite3_bind_int(stmt, 4, 0);
            sqlite3_bind_text(stmt, 5, "Architectural shingles", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 6, "Material", -1, SQLITE_STATIC);
            sqlite3_bind_int(stmt, 7, 3);
            sqlite3_bind_text(stmt, 8, "bdl", -1, SQLITE_STATIC);
            sqlite3_bind_int64(stmt, 9, 459900);
            sqlite3_bind_int64(stmt, 10, 1379700);
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        state.PauseTiming();
        sqlite3_close(db);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_AddTpLineItem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSqliteBaseline)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return qxbench::runWithRatio(argc, argv, "add_tp_line_items_1000",
                                 {"BM_AddTpLineItem", "BM_RawSqliteBaseline", ""});
}
