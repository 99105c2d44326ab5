// Adding one line to an estimate that holds 100, 1,000 and 5,000 lines: the whole AddLineItem path (the
// insert, the grid rebuilt from the sections and lines, the totals figured again) against a bare SQLite
// baseline that inserts the same grid rows with one prepared statement in one transaction.
#include "BenchEstimate.h"
#include "Contest.h"
#include "data/AppContext.h"
#include "data/ScriptedPrompter.h"
#include "data/WorkState.h"
#include "lines/LineItems.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlcipher/sqlite3.h>

namespace {

constexpr int kSections = 10;
const char* const kTags[] = {"Material", "Labor", "SubCon", "Equip", "Fee", "Unit_Item"};

// A working database holding `lines` lines spread over ten sections, with its grid built.
struct Estimate : qxbench::BenchEstimate {
    explicit Estimate(int count)
        : BenchEstimate(Folder::DataOnly) {
        startWorkingCopy();
        totals->PopAdmin();
        qx::Database& temp = ctx->data.file(ctx->conns.sTempConn);
        qx::Transaction transaction(temp);
        for (int s = 0; s < kSections; ++s)
            temp.exec("insert into tempsect(secdesc,secorder)values(?,?)", {QString("Section %1").arg(s), s});
        for (int i = 0; i < count; ++i)
            temp.exec(
                "insert into tplineitems(estid,itemid,secorder,sect,name,itemtable,qty,unit,cost,linetotal)"
                "values(1,?,?,?,'Architectural shingles',?,3,'bdl',459900,1379700)",
                {(i * 7919) % 1000, i % kSections, QString("Section %1").arg(i % kSections), kTags[i % 6]});
        transaction.commit();
        lines->refresh();
    }

    void setPending() {
        qx::PendingLine& p = lines->pending();
        p = {500,
             3,
             "Section 3",
             "Material",
             3,
             "bdl",
             "Architectural shingles",
             qx::Money::fromCents(4599),
             qx::lineTotalOf(3, qx::Money::fromCents(4599)),
             true};
    }
};

// The program's AddLineItem on an estimate of `count` lines (the added line removed again before each
// run) against the baseline's grid rows for `count` + 1 lines.
class AddLineSides : public qxbench::Sides {
public:
    explicit AddLineSides(int count)
        : m_ours(count)
        , m_theirs(0)
        , m_rows(count + 1 + 4 * kSections) {
        m_ours.setPending();
        const QByteArray path = m_theirs.ctx->conns.sTempConn.path.toUtf8();
        m_theirs.ctx->pool.closeAll();
        sqlite3_open(path.constData(), &m_db);
        sqlite3_exec(m_db, "PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY;", nullptr, nullptr, nullptr);
    }
    ~AddLineSides() override { sqlite3_close(m_db); }

    void beforeProgram() override {
        m_ours.ctx->data.file(m_ours.ctx->conns.sTempConn)
            .exec("delete from tplineitems where autoid>(select max(autoid)-? from tplineitems)", {m_added});
        m_added = 0;
    }
    bool program(qxbench::Stopwatch&) override {
        m_added = 1;
        return m_ours.lines->AddLineItem(qx::LineItems::Change::Add);
    }
    void beforeBaseline() override { sqlite3_exec(m_db, "delete from estigrid", nullptr, nullptr, nullptr); }
    bool baseline(qxbench::Stopwatch&) override {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(
            m_db,
            "insert into estigrid(tplineitemid,estid,lineitemid,itemid,secorder,name,itemtable,qty,"
            "unit,cost,linetotal,subtotal)values(?,?,?,?,?,?,?,?,?,?,?,?)",
            -1, &stmt, nullptr);
        for (int i = 0; i < m_rows; ++i) {
            sqlite3_bind_int(stmt, 1, i + 1);
            sqlite3_bind_int(stmt, 2, 1);
            sqlite3_bind_int(stmt, 3, 0);
            sqlite3_bind_int(stmt, 4, (i * 7919) % 1000);
            sqlite3_bind_int(stmt, 5, i % kSections);
            sqlite3_bind_text(stmt, 6, "Architectural shingles", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 7, kTags[i % 6], -1, SQLITE_STATIC);
            sqlite3_bind_int(stmt, 8, 3);
            sqlite3_bind_text(stmt, 9, "bdl", -1, SQLITE_STATIC);
            sqlite3_bind_int64(stmt, 10, 459900);
            sqlite3_bind_int64(stmt, 11, 1379700);
            sqlite3_bind_null(stmt, 12);
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
        sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
        return true;
    }

private:
    Estimate m_ours;
    Estimate m_theirs;
    const int m_rows;
    int m_added = 0;
    sqlite3* m_db = nullptr;
};

const bool kAddLineContest =
    qxbench::contest("BM_AddLineItem", "BM_AddLineBaseline", {100, 1000, 5000}, 21,
                     [](int count) { return std::make_unique<AddLineSides>(count); });

} // namespace
