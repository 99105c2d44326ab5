// The estimate detail report of an estimate with 100, 1,000 and 5,000 lines, against a bare SQLite
// baseline that formats the same rows into the same text from one query.
#include "Contest.h"
#include "data/AppContext.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "docs/DetailReports.h"
#include "docs/ReportColumns.h"
#include "lines/EstimateTotals.h"
#include "lines/PendingLine.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <memory>
#include <sqlcipher/sqlite3.h>

namespace {

namespace col = qx::ReportColumns;

const char* const kSections[] = {"Tear Off", "Roofing", "Flashing & Vents", "Gutters", "Clean Up"};
const char* const kTags[] = {"Material", "Labor", "SubCon", "Equip", "Fee", "Unit_Item"};

// A program folder with one estimate of `lines` lines in five sections and every category.
struct Estimate {
    QTemporaryDir dir;
    qx::ScriptedPrompter prompter;
    std::unique_ptr<qx::AppContext> ctx;
    std::unique_ptr<qx::EstimateTotals> totals;
    qint32 id = 0;
    sqlite3* reg = nullptr;
    sqlite3* db = nullptr;

    explicit Estimate(int lines) {
        qx::layOutProgramFolder(qx::ProgramFolder(dir.path()));
        ctx = std::make_unique<qx::AppContext>(dir.path(), prompter, dir.path() + "/config");
        qx::writeDefaultSettings(ctx->settings);
        ctx->working.CreateTempDB();
        QDir().mkpath(ctx->folder.estimateFolder("Bench"));
        ctx->working.CreateEstFile("Bench");
        const qx::Conn est = ctx->folder.estimateConn(qx::ProgramFolder::storedEstimatePath("Bench"));
        ctx->data.file(est).exec(
            "insert into main(fname,lname,address,citystzip,overhead,profit,contingency,"
            "management)values('Dana','Smith','1 Main','Town','%-15','%-15','Fixed-100','%-2')");
        qx::Database& mast = ctx->data.file(ctx->conns.sMastConn);
        mast.exec("insert into master(estname,estaddress,estdate,estlength,estpath)values('Bench','1 Main',"
                  "'2026-03-01',30,?)",
                  {qx::ProgramFolder::storedEstimatePath("Bench")});
        id = qint32(mast.lastInsertId());
        qx::Database& temp = ctx->data.file(ctx->conns.sTempConn);
        qx::Transaction transaction(temp);
        for (int s = 0; s < 5; ++s)
            temp.exec("insert into tempsect(secdesc,secorder)values(?,?)", {kSections[s], (s + 1) % 5});
        for (int i = 0; i < lines; ++i) {
            const int order = i % 5;
            const qx::Money cost = qx::Money::fromRaw(12345 + i * 37);
            const int qty = 1 + i % 40;
            temp.exec("insert into tplineitems(itemid,secorder,sect,name,itemtable,qty,unit,cost,linetotal)"
                      "values(?,?,?,?,?,?,?,?,?)",
                      {1000 + i % 300, order, kSections[(order + 4) % 5],
                       QString("Architectural shingles lot %1 of the long name").arg(i), kTags[i % 6], qty,
                       "BDL", qint64(cost.raw()), qint64(qx::lineTotalOf(qty, cost).raw())});
        }
        transaction.commit();
        totals = std::make_unique<qx::EstimateTotals>(*ctx);
        totals->PopEstAdmin(est);
        // The baseline keeps its own handles open, as the program's pool does.
        sqlite3_open(qPrintable(ctx->conns.sMastConn.path), &reg);
        sqlite3_exec(reg, "PRAGMA key='7pk362'", nullptr, nullptr, nullptr);
        sqlite3_open(qPrintable(ctx->conns.sTempConn.path), &db);
    }
    ~Estimate() {
        sqlite3_close(reg);
        sqlite3_close(db);
    }

    QString program() { return qx::DetailReports(*ctx, *totals).estimateDetail(id); }

    // The same report from one query on the working lines (and the register row for the heading),
    // straight from SQLite.
    QString baseline() {
        sqlite3_stmt* head = nullptr;
        sqlite3_prepare_v2(reg, "select estname,estaddress from master where id=?", -1, &head, nullptr);
        sqlite3_bind_int(head, 1, id);
        sqlite3_step(head);
        QString report = QString("ESTIMATE DETAILS for ") + text(head, 0) + " * * " + text(head, 1) +
                         " * * Est ID:" + QString::number(id) + col::kBreak + QString(75, u'=') +
                         col::kBreak + col::kBreak + qx::DetailReports::detailCaptions();
        sqlite3_finalize(head);

        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(
            db,
            "select s.secdesc,l.name,l.itemtable,l.qty,l.unit,l.cost,l.linetotal from tempsect s "
            "left join tplineitems l on l.secorder=s.secorder order by s.secorder,s.autoid,"
            "l.itemid,l.autoid",
            -1, &rows, nullptr);
        QString section;
        bool first = true;
        qx::Money subtotal;
        std::map<QString, qx::Money> categories;
        qx::Money grand;
        const auto closeSection = [&] {
            report += col::joined("Total for " + section, " ", subtotal.toCurrency(), 7) + col::kBreak +
                      col::kBreak;
        };
        while (sqlite3_step(rows) == SQLITE_ROW) {
            const QString name = text(rows, 0);
            if (first || name != section) {
                if (!first)
                    closeSection();
                first = false;
                section = name;
                subtotal = {};
                report += section + col::kBreak;
            }
            if (sqlite3_column_type(rows, 1) == SQLITE_NULL)
                continue;
            const qx::Money total = qx::Money::fromRaw(sqlite3_column_int64(rows, 6));
            subtotal += total;
            grand += total;
            categories[text(rows, 2).toLower()] += total;
            report += col::text(text(rows, 1), 1) + col::text(text(rows, 2), 2) +
                      col::number(sqlite3_column_int64(rows, 3), 3) + col::text(text(rows, 4), 4) +
                      col::number(qx::Money::fromRaw(sqlite3_column_int64(rows, 5)).toCurrency(), 5) +
                      col::number(total.toCurrency(), 6) + col::kBreak;
        }
        if (!first)
            closeSection();
        sqlite3_finalize(rows);

        report += QString(" Material     Labor       Subs      Equip      Fees     Unit      Sub Total") +
                  col::kBreak;
        const int columns[] = {14, 8, 8, 8, 14, 8};
        for (int i = 0; i < 6; ++i)
            report += col::number(col::grouped(categories[QString(kTags[i]).toLower()]), columns[i]);
        report += col::number(col::grouped(grand), 9) + col::kBreak + col::kBreak;
        report += QString(12, u' ') + "Overhead" + QString(9, u' ') + "Profit" + QString(7, u' ') +
                  "Contingency" + QString(8, u' ') + "Management" + col::kBreak;
        const qx::Money overhead = qx::percentOf(grand, 150000);
        const qx::Money management = qx::percentOf(grand, 20000);
        report += col::joined("15%", " - ", overhead.toCurrency(), 11) +
                  col::joined("15%", " - ", overhead.toCurrency(), 10) +
                  col::joined("Fixed @", " ", qx::Money::fromWhole(100).toCurrency(), 10) +
                  col::joined("2%", " - ", management.toCurrency(), 10) + col::kBreak;
        const qx::Money total = grand + overhead + overhead + qx::Money::fromWhole(100) + management;
        report += col::joined("Estimate Total:", "  ", total.toCurrency(), 7) + col::kBreak;
        return report;
    }

    static QString text(sqlite3_stmt* stmt, int column) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
    }
};

// Both reports from one estimate; the baseline must write the program's report.
class ReportSides : public qxbench::Sides {
public:
    explicit ReportSides(int lines)
        : m_estimate(lines) {
        if (m_estimate.program() != m_estimate.baseline()) {
            std::fprintf(stderr, "the baseline does not write the program's report\n");
            std::exit(1);
        }
    }
    bool program(qxbench::Stopwatch&) override { return !m_estimate.program().isEmpty(); }
    bool baseline(qxbench::Stopwatch&) override { return !m_estimate.baseline().isEmpty(); }

private:
    Estimate m_estimate;
};

const bool kReportContest =
    qxbench::contest("BM_DetailReport", "BM_DetailReportBaseline", {100, 1000, 5000}, 21,
                     [](int lines) { return std::make_unique<ReportSides>(lines); });

} // namespace
