// Saving an estimate into its keyed file and opening it again, through the program's own save and open,
// against a bare SQLite baseline that moves the same rows with prepared statements in one transaction
// per file. Estimates of 100, 500, 1,000 and 5,000 lines, each with 20 areas and 20 lineal items.
//
//   save: the program's SaveEst (no question: the estimate is "Accepted"); the baseline reads the working
//         rows and inserts them into the estimate file, then writes the Main texts.
//   open: the program's Open after the choice in the list (working database rebuilt, owner, roof, lines,
//         sections, amounts, grid and totals); the baseline reads the stored rows and inserts them into
//         the working tables.
#include "BenchEstimate.h"
#include "Contest.h"
#include "StartedEstimate.h"
#include "data/AppContext.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "data/SettingsStore.h"
#include "estimate/OpenEstimate.h"
#include "estimate/SaveEstimate.h"
#include "lines/LineItems.h"
#include "takeoff/RoofPanel.h"

#include <QTemporaryDir>
#include <sqlcipher/sqlite3.h>

namespace {

constexpr int kRoofRows = 20;
constexpr int kSections = 10;

// A program folder holding one started estimate and the models of the main window.
struct Estimate : qxbench::BenchEstimate {
    std::unique_ptr<qx::RoofPanel> roof;
    qint32 id = 0;

    explicit Estimate(int lineCount)
        : BenchEstimate(Folder::LaidOut) {
        makeModels();
        qxbench::startEstimate(*ctx, state);
        id = state.lEstID;
        totals->PopAdmin();
        fillWorkingCopy(lineCount);
        // No question while measuring.
        state.sEstStatus = QStringLiteral("Accepted");
    }

    void makeModels() {
        makeLineModels();
        roof = std::make_unique<qx::RoofPanel>(*ctx, state);
    }

    void fillWorkingCopy(int lineCount) {
        qx::Database& temp = ctx->data.file(ctx->conns.sTempConn);
        qx::Transaction t(temp);
        for (int i = 0; i < kRoofRows; ++i) {
            temp.exec("insert into TempAreas(AreaID,Shape,Pitch,Width1,Width2,Height,Total) "
                      "values(0,?,0,?,?,?,?)",
                      {i % 3, 10 + i, i % 3 == 2 ? 20 + i : 0, 8 + i, (10 + i) * (8 + i)});
            temp.exec("insert into TempLineal(LinealID,Type,Name,Length,Total) values(0,?,?,?,?)",
                      {1 + i % 4, QStringLiteral("Lineal item %1").arg(i), 50 + i, 52 + i});
        }
        for (int s = 0; s < kSections; ++s)
            temp.exec("insert into TempSect(SecDesc,SecOrder) values(?,?)",
                      {QStringLiteral("Section %1").arg(s), s});
        const char* tags[] = {"Material", "Labor", "SubCon", "Equip", "Fee", "Unit_Item"};
        for (int i = 0; i < lineCount; ++i) {
            const qint64 cost = 1000 + 37 * i;
            const int qty = 1 + i % 40;
            temp.exec(qx::WorkingDb::kAddTpLineItem,
                      {0, 1 + i % 500, QStringLiteral("Section %1").arg(i % kSections), i % kSections,
                       QStringLiteral("Architectural shingles, weathered wood %1").arg(i), tags[i % 6], qty,
                       "bdl", cost * 100, cost * 100 * qty});
        }
        t.commit();
        lines->refresh();
    }

    // The estimate file as before its first save; the working rows not stored yet.
    void forgetSave() {
        qx::Database& est = ctx->data.file(state.sEstConn);
        est.execScript("delete from Areas; delete from Lineal; delete from LineItems;");
        ctx->data.file(ctx->conns.sTempConn)
            .execScript("update TempAreas set AreaID=0; update TempLineal set LinealID=0; "
                        "update tplineitems set lineitemid=0; update estigrid set lineitemid=0;");
    }
};

// Raw handles on the two files, opened and keyed like the program's.
struct RawFiles {
    sqlite3* est = nullptr;
    sqlite3* temp = nullptr;
    RawFiles(const Estimate& e) {
        sqlite3_open(qPrintable(e.state.sEstConn.path), &est);
        const QByteArray key = qx::kEstimatePassword.toUtf8();
        sqlite3_key(est, key.constData(), int(key.size()));
        sqlite3_exec(est, "PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr);
        sqlite3_open(qPrintable(e.ctx->conns.sTempConn.path), &temp);
        sqlite3_exec(temp, "PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY;", nullptr, nullptr, nullptr);
    }
    ~RawFiles() {
        sqlite3_close(est);
        sqlite3_close(temp);
    }
};

// Every row of `select` on `from` inserted by `insert` on `to`, column for column, in one transaction.
void copyRows(sqlite3* from, const char* select, sqlite3* to, const char* insert) {
    sqlite3_stmt* read = nullptr;
    sqlite3_stmt* write = nullptr;
    sqlite3_prepare_v2(from, select, -1, &read, nullptr);
    sqlite3_prepare_v2(to, insert, -1, &write, nullptr);
    const int columns = sqlite3_column_count(read);
    while (sqlite3_step(read) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c)
            sqlite3_bind_value(write, c + 1, sqlite3_column_value(read, c));
        sqlite3_step(write);
        sqlite3_reset(write);
    }
    sqlite3_finalize(read);
    sqlite3_finalize(write);
}

// The baseline's save: the working rows into the estimate file, then the Main texts.
[[gnu::noinline]] void baselineSave(RawFiles& raw) {
    sqlite3_exec(raw.est, "BEGIN", nullptr, nullptr, nullptr);
    copyRows(raw.temp, "select Shape,Pitch,Width1,Width2,Height,Total from TempAreas order by ID", raw.est,
             "insert into Areas(Shape,Pitch,Width1,Width2,Height,Total) values(?,?,?,?,?,?)");
    copyRows(raw.temp, "select Type,Name,Length,Total from TempLineal order by ID", raw.est,
             "insert into Lineal(Type,Name,Length,Total) values(?,?,?,?)");
    copyRows(
        raw.temp,
        "select itemtable,itemid,sect,secorder,qty,unit,name,cost,linetotal from tplineitems order by autoid",
        raw.est,
        "insert into LineItems(ItemTable,ItemID,Sect,Secorder,qty,Unit,Name,cost,LineTotal) "
        "values(?,?,?,?,?,?,?,?,?)");
    sqlite3_exec(raw.est,
                 "update Main set overhead='%-15', Profit='%-15', contingency='Fixed-100.00', "
                 "management='%-2', EstSummary='No summary', PaymentTerms='No terms' where ID=1",
                 nullptr, nullptr, nullptr);
    sqlite3_exec(raw.est, "COMMIT", nullptr, nullptr, nullptr);
}

// The baseline's open: the stored rows into the working tables.
[[gnu::noinline]] void baselineOpen(RawFiles& raw) {
    sqlite3_exec(raw.temp, "BEGIN", nullptr, nullptr, nullptr);
    copyRows(raw.est, "select id,shape,pitch,width1,width2,height,total from areas order by id", raw.temp,
             "insert into TempAreas(AreaID,shape,pitch,width1,width2,height,total) values(?,?,?,?,?,?,?)");
    copyRows(raw.est, "select ID,Type,Name,Length,total from Lineal order by ID", raw.temp,
             "insert into TempLineal(linealid,Type,Name,Length,total) values(?,?,?,?,?)");
    copyRows(
        raw.est,
        "select id,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal from lineitems "
        "order by id",
        raw.temp,
        "insert into tplineitems(lineitemid,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal) "
        "values(?,?,?,?,?,?,?,?,?,?)");
    sqlite3_exec(raw.temp, "COMMIT", nullptr, nullptr, nullptr);
}

// The program's Open once the estimate was chosen in the list (the main window's steps).
[[gnu::noinline]] void openEstimate(Estimate& e) {
    e.state = qx::WorkState();
    qx::OpenEstimate opening(*e.ctx, e.state);
    opening.prepare();
    opening.OpenOwner(e.id);
    opening.OpenRoof();
    e.roof->showOpened();
    opening.OpenLineItems();
    e.totals->PopEstAdmin(e.state.sEstConn);
    e.lines->refresh();
}

// The program's save against the baseline's, each on an estimate of its own put back before every run
// as before its first save.
class SaveSides : public qxbench::Sides {
public:
    explicit SaveSides(int lines)
        : m_ours(lines)
        , m_theirs(lines) {
        m_theirs.ctx->pool.closeAll();
        m_raw = std::make_unique<RawFiles>(m_theirs);
    }
    void beforeProgram() override { m_ours.forgetSave(); }
    bool program(qxbench::Stopwatch&) override {
        return qx::SaveEstimate(*m_ours.ctx, m_ours.state, *m_ours.lines).SaveEst({}, {}) ==
               qx::SaveOutcome::Saved;
    }
    void beforeBaseline() override {
        sqlite3_exec(m_raw->est, "delete from Areas; delete from Lineal; delete from LineItems;", nullptr,
                     nullptr, nullptr);
    }
    bool baseline(qxbench::Stopwatch&) override {
        baselineSave(*m_raw);
        return true;
    }

private:
    Estimate m_ours;
    Estimate m_theirs;
    std::unique_ptr<RawFiles> m_raw;
};

// The program's open against the baseline's, each on a saved estimate of its own.
class OpenSides : public qxbench::Sides {
public:
    explicit OpenSides(int lines)
        : m_ours(lines)
        , m_theirs(lines) {
        qx::SaveEstimate(*m_ours.ctx, m_ours.state, *m_ours.lines).SaveEst({}, {});
        qx::SaveEstimate(*m_theirs.ctx, m_theirs.state, *m_theirs.lines).SaveEst({}, {});
        m_theirs.ctx->pool.closeAll();
        m_raw = std::make_unique<RawFiles>(m_theirs);
    }
    bool program(qxbench::Stopwatch&) override {
        openEstimate(m_ours);
        return m_ours.prompter.messageCount() == 0;
    }
    void beforeBaseline() override {
        sqlite3_exec(m_raw->temp, "delete from TempAreas; delete from TempLineal; delete from tplineitems;",
                     nullptr, nullptr, nullptr);
    }
    bool baseline(qxbench::Stopwatch&) override {
        baselineOpen(*m_raw);
        return true;
    }

private:
    Estimate m_ours;
    Estimate m_theirs;
    std::unique_ptr<RawFiles> m_raw;
};

const bool kSaveContest = qxbench::contest("BM_ProgramSave", "BM_BaselineSave", {100, 500, 1000, 5000}, 21,
                                           [](int lines) { return std::make_unique<SaveSides>(lines); });
const bool kOpenContest = qxbench::contest("BM_ProgramOpen", "BM_BaselineOpen", {100, 1000, 5000}, 21,
                                           [](int lines) { return std::make_unique<OpenSides>(lines); });

} // namespace
