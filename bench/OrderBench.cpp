// Opening the material order of an estimate of 5,000 lines, each of whose cost items covers a roof
// measure: the program's MaterialOrder::open (the roof's measures, the covering cost items, the lines
// in grid order and each line's order) against a bare SQLite baseline that reads the same lines in the
// same order with one prepared statement.
#include "BenchEstimate.h"
#include "Contest.h"
#include "costs/ItemTags.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "order/MaterialOrder.h"

#include <QTemporaryDir>
#include <sqlcipher/sqlite3.h>

namespace {

constexpr int kCoveringItems = 20;
const char* const kLinesSql = "select autoid,itemid,name,qty,unit,cost,linetotal from tplineitems "
                              "where itemtable<>'Unit_Item' order by secorder,autoid";

// A program folder whose cost database has kCoveringItems items covering the roof total, and a
// working database of `count` lines of them.
struct OrderedEstimate : qxbench::BenchEstimate {
    explicit OrderedEstimate(int count)
        : BenchEstimate(Folder::LaidOut) {
        startWorkingCopy();
        ctx->data.file(ctx->conns.sCostConn)
            .exec("update costitem set covers='Roof total', coverage=333333 where id<=?", {kCoveringItems});
        qx::Database& temp = ctx->data.file(ctx->conns.sTempConn);
        qx::Transaction transaction(temp);
        for (int i = 0; i < count; ++i)
            temp.exec(
                "insert into tplineitems(estid,itemid,secorder,sect,name,itemtable,qty,unit,cost,linetotal)"
                "values(1,?,?,?,'Architectural shingles',?,3,'bdl',459900,1379700)",
                {1 + i % kCoveringItems, i % 10, QString("Section %1").arg(i % 10), qx::ItemTag::kMaterial});
        transaction.commit();
    }
};

class OrderSides : public qxbench::Sides {
public:
    explicit OrderSides(int count)
        : m_estimate(count)
        , m_count(count) {
        const QByteArray path = m_estimate.ctx->conns.sTempConn.path.toUtf8();
        sqlite3_open(path.constData(), &m_db);
    }
    ~OrderSides() override { sqlite3_close(m_db); }

    bool program(qxbench::Stopwatch&) override {
        qx::MaterialOrder order(*m_estimate.ctx, m_estimate.state, *m_estimate.lines);
        return order.open({1342, 363, 1705}) && order.lines().size() == m_count;
    }
    bool baseline(qxbench::Stopwatch&) override {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(m_db, kLinesSql, -1, &stmt, nullptr);
        int rows = 0;
        std::int64_t sum = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            sum += sqlite3_column_int(stmt, 0) + sqlite3_column_int(stmt, 1) + sqlite3_column_int(stmt, 3) +
                   sqlite3_column_int64(stmt, 5) + sqlite3_column_int64(stmt, 6);
            for (int text : {2, 4})
                sum += sqlite3_column_bytes(stmt, text) + (sqlite3_column_text(stmt, text) != nullptr);
            ++rows;
        }
        sqlite3_finalize(stmt);
        return rows == m_count && sum > 0;
    }

private:
    OrderedEstimate m_estimate;
    const qsizetype m_count;
    sqlite3* m_db = nullptr;
};

const bool kOrderContest = qxbench::contest("BM_ProgramOrder", "BM_BaselineOrder", {5000}, 21,
                                            [](int count) { return std::make_unique<OrderSides>(count); });

} // namespace
