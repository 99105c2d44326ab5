#pragma once

#include "QtPrinters.h"
#include "TestFolders.h"

#include "data/SettingsStore.h"
#include "data/WorkState.h"
#include "estimate/NewEstimate.h"
#include "estimate/OpenEstimate.h"
#include "lines/LineItems.h"
#include "lines/Sections.h"
#include "takeoff/RoofPanel.h"

#include <memory>

namespace qxtest {

// A started estimate (O'Neil's Tear Off) with the roof, line and totals models of the main window.
class EstimateTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        qx::writeDefaultSettings(ctx->settings);
        makeModels();
        qx::NewEstimate create(*ctx, state);
        ASSERT_TRUE(create.begin());
        qx::OwnerInput owner;
        owner.names = {"Pat", "O'Neil", "4 Bay Rd", "Anytown, MT 54321", "406/555-1234", "", ""};
        owner.type = "Tear Off";
        ASSERT_FALSE(create.start(owner));
        totals->PopAdmin();
    }

    // Fresh models over the same working database, as after the window was reset.
    void makeModels() {
        totals = std::make_unique<qx::EstimateTotals>(*ctx);
        lines = std::make_unique<qx::LineItems>(*ctx, state, *totals);
        sections = std::make_unique<qx::Sections>(*ctx);
        roof = std::make_unique<qx::RoofPanel>(*ctx, state);
    }

    // A line in the section of that name (made when new).
    void add(const QString& section, int itemId, const QString& name, const QString& tag, int qty,
             qint64 priceCents) {
        const auto s = sections->AddSection(section);
        ASSERT_TRUE(s.has_value());
        const qx::Money price = qx::Money::fromCents(priceCents);
        lines->pending() = {itemId, s->order, s->name,
                            tag,    qty,      QStringLiteral("sq"),
                            name,   price,    qx::lineTotalOf(qty, price),
                            true};
        ASSERT_TRUE(lines->AddLineItem(qx::LineItems::Change::Add));
    }

    // The Open command's steps on fresh models; the stored summary and terms.
    qx::EstimateTexts openStored(qint32 id) {
        state = qx::WorkState();
        makeModels();
        qx::OpenEstimate opening(*ctx, state);
        EXPECT_TRUE(opening.prepare());
        EXPECT_TRUE(opening.OpenOwner(id));
        EXPECT_TRUE(opening.OpenRoof());
        EXPECT_TRUE(opening.OpenLineItems());
        const qx::EstimateTexts texts = totals->PopEstAdmin(state.sEstConn);
        EXPECT_TRUE(lines->refresh());
        return texts;
    }

    const qx::Conn& est() const { return state.sEstConn; }
    // Everything the estimate file holds, table by table.
    QStringList estimateFile() {
        QStringList all;
        for (const char* table : {"Main", "Areas", "Lineal", "LineItems"})
            all << table << rows(est(), QStringLiteral("select * from %1 order by ID").arg(table));
        return all;
    }
    QStringList registerRow() { return rows(mast(), "select eststatus,estdate from master"); }

    qx::WorkState state;
    std::unique_ptr<qx::EstimateTotals> totals;
    std::unique_ptr<qx::LineItems> lines;
    std::unique_ptr<qx::Sections> sections;
    std::unique_ptr<qx::RoofPanel> roof;
};

} // namespace qxtest
