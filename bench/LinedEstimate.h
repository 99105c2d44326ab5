#pragma once

// An estimate of many lines for the save and open figures: a program folder holding one started
// estimate with 20 areas, 20 lineal items, 10 sections and the lines asked for, and the models of the
// main window.
#include "BenchEstimate.h"
#include "StartedEstimate.h"
#include "data/AppContext.h"
#include "estimate/OpenEstimate.h"
#include "takeoff/RoofPanel.h"

#include <functional>

namespace qxbench {

constexpr int kRoofRows = 20;
constexpr int kSections = 10;

// A program folder holding one started estimate and the models of the main window.
struct Estimate : BenchEstimate {
    std::unique_ptr<qx::RoofPanel> roof;
    qint32 id = 0;

    // `beforeStart` readies the program before the estimate is started (puts it on an office server).
    explicit Estimate(int lineCount, const std::function<void(qx::AppContext&)>& beforeStart = {})
        : BenchEstimate(Folder::LaidOut) {
        if (beforeStart)
            beforeStart(*ctx);
        makeModels();
        startEstimate(*ctx, state);
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

// The program's Open once the estimate was chosen in the list (the main window's steps).
[[gnu::noinline]] inline void openEstimate(Estimate& e) {
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

} // namespace qxbench
