// A register of 20,000 estimates: the status board showing its five lists in turn, the open dialog with
// its four lists, and the Sales window with its figures and follow-up list, each against bare SQLite reading
// the same rows from the same keyed register (prepared statements, every column read).
#include "Contest.h"
#include "data/AppContext.h"
#include "data/DateText.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "estimate/OpenList.h"
#include "estimate/frmOpenEst.h"
#include "sales/SalesPicture.h"
#include "sales/frmSales.h"
#include "status/StatusList.h"
#include "status/frmManageStatus.h"

#include <QComboBox>
#include <QListWidget>

#include <QTemporaryDir>
#include <memory>
#include <sqlcipher/sqlite3.h>

namespace {

const char* const kStatuses[] = {"Working", "Pending", "Accepted", "Rejected"};
const char* const kTypes[] = {"Reroof", "Repair", "Tear Off", "Garage", "Gutters"};

// A program folder whose register holds `rows` estimates over the last three years, and a bare handle
// on the same register.
struct Register {
    QTemporaryDir dir;
    qx::ScriptedPrompter prompter;
    std::unique_ptr<qx::AppContext> ctx;
    sqlite3* bare = nullptr;
    QDate today = QDate::currentDate();

    explicit Register(int rows) {
        qx::layOutProgramFolder(qx::ProgramFolder(dir.path()));
        ctx = std::make_unique<qx::AppContext>(dir.path(), prompter, dir.path() + "/config");
        qx::Database& mast = ctx->data.file(ctx->conns.sMastConn);
        qx::Transaction transaction(mast);
        for (int i = 0; i < rows; ++i) {
            const QString name = QStringLiteral("Owner%1%2").arg(i).arg(kTypes[i % 5]).remove(u' ');
            mast.exec("insert into master(estname,estaddress,estdate,esttype,eststatus,estlength,estpath,"
                      "esttotal)values(?,?,?,?,?,?,?,?)",
                      {name, QStringLiteral("%1 Elm St").arg(i), qx::storedDate(today.addDays(-(i % 1100))),
                       kTypes[i % 5], kStatuses[(i / 5) % 4], 30, qx::ProgramFolder::storedEstimatePath(name),
                       i % 50 == 0 ? QVariant() : QVariant(qint64(1000000 + i * 3571))});
        }
        transaction.commit();
        sqlite3_open(qPrintable(ctx->conns.sMastConn.path), &bare);
        sqlite3_exec(bare, "PRAGMA key='7pk362'", nullptr, nullptr, nullptr);
    }
    ~Register() { sqlite3_close(bare); }

    // Every row of `sql` read column by column; the number of rows.
    int read(const char* sql, const char* text = nullptr) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(bare, sql, -1, &stmt, nullptr);
        if (text)
            sqlite3_bind_text(stmt, 1, text, -1, SQLITE_TRANSIENT);
        int rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                if (sqlite3_column_type(stmt, c) == SQLITE_INTEGER)
                    benchmark::DoNotOptimize(sqlite3_column_int64(stmt, c));
                else
                    benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            }
            ++rows;
        }
        sqlite3_finalize(stmt);
        return rows;
    }
};

class StatusBoardSides : public qxbench::Sides {
public:
    explicit StatusBoardSides(int rows)
        : m_register(rows) {}
    bool program(qxbench::Stopwatch&) override {
        qx::WorkState state;
        qx::frmManageStatus board(*m_register.ctx, state);
        auto* filter = board.findChild<QComboBox*>(QStringLiteral("cmbFilter"));
        for (int i = 1; i < filter->count(); ++i)
            filter->setCurrentIndex(i);
        return filter->currentIndex() == 4;
    }
    bool baseline(qxbench::Stopwatch&) override {
        int rows = 0;
        for (const char* status : kStatuses)
            rows += m_register.read(
                "select estname,estdate,eststatus,id from master where eststatus=? order by id", status);
        rows += m_register.read("select estname,estdate,eststatus,id from master order by id");
        return rows > 0;
    }

private:
    Register m_register;
};

class OpenListSides : public qxbench::Sides {
public:
    explicit OpenListSides(int rows)
        : m_register(rows) {}
    bool program(qxbench::Stopwatch&) override {
        const qx::frmOpenEst dialog(
            qx::OpenList(m_register.ctx->data, m_register.ctx->conns.sMastConn).load(m_register.today));
        return dialog.chosenId() == 0;
    }
    bool baseline(qxbench::Stopwatch&) override {
        int rows = 0;
        for (const char* status : kStatuses)
            rows += m_register.read(
                "select estname,estaddress,id,estdate,estlength from master where eststatus=? "
                "order by estdate asc",
                status);
        return rows > 0;
    }

private:
    Register m_register;
};

class SalesSides : public qxbench::Sides {
public:
    explicit SalesSides(int rows)
        : m_register(rows) {}
    bool program(qxbench::Stopwatch&) override {
        qx::WorkState state;
        const qx::frmSales sales(*m_register.ctx, state);
        return sales.findChild<QListWidget*>(QStringLiteral("lstFollowUp"))->count() > 0;
    }
    bool baseline(qxbench::Stopwatch&) override {
        const QByteArray from =
            qx::storedDate(qx::periodStart(qx::SalesPeriod::Last12Months, m_register.today)).toUtf8();
        int rows =
            m_register.read("select estdate,esttype,eststatus,esttotal from master where estdate>=?", from);
        rows += m_register.read("select id,estname,estdate,estlength from master where eststatus='Pending'");
        return rows > 0;
    }

private:
    Register m_register;
};

const bool kStatusContest =
    qxbench::contest("BM_StatusBoard", "BM_StatusBoardBaseline", {2000, 20000}, 21,
                     [](int rows) { return std::make_unique<StatusBoardSides>(rows); });
const bool kOpenListContest =
    qxbench::contest("BM_OpenList", "BM_OpenListBaseline", {20000}, 21,
                     [](int rows) { return std::make_unique<OpenListSides>(rows); });
const bool kSalesContest = qxbench::contest("BM_SalesPicture", "BM_SalesPictureBaseline", {20000}, 21,
                                            [](int rows) { return std::make_unique<SalesSides>(rows); });

} // namespace
