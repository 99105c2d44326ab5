#include "takeoff/PlanStore.h"
#include "PlanFixture.h"
#include "TakeoffFixture.h"
#include "data/Catalogue.h"
#include "estimate/OpenEstimate.h"
#include "takeoff/PlanTexts.h"
#include "takeoff/RoofSave.h"

using namespace qx;

namespace qxtest {

class PlanStoreTest : public TakeoffTest {
protected:
    PlanStore store() { return PlanStore(ctx->data, temp()); }

    // A traced hip roof kept in the working database and applied, as the plan window does it.
    RoofShow applyHip() {
        store().store(tracedHip());
        const auto rows = planRows(tracedHip());
        EXPECT_TRUE(std::holds_alternative<PlanRows>(rows));
        const auto show = panel->applyPlan(std::get<PlanRows>(rows));
        EXPECT_TRUE(show);
        return show.value_or(RoofShow());
    }

    static QStringList gridRows(const ResultSet& grid) {
        QStringList out;
        for (const QVariantList& row : grid.rows) {
            QStringList cells;
            for (const QVariant& v : row)
                cells << (v.isNull() ? QStringLiteral("NULL") : v.toString());
            out << cells.join(QStringLiteral(" | "));
        }
        return out;
    }
    QStringList areaRows() {
        return rows(temp(), QStringLiteral(
                                "select Shape,Pitch,Width1,Width2,Height,Total from TempAreas order by ID"));
    }
    QStringList linealRows() {
        return rows(temp(), QStringLiteral("select Type,Name,Length,Total from TempLineal order by ID"));
    }

    // Saves the roof as the save of an estimate does it, then opens the estimate afresh.
    void saveAndReopen() {
        Database& file = ctx->data.file(est());
        Transaction transaction(file);
        SaveAreas(ctx->data, temp(), est());
        SaveLineals(ctx->data, temp(), est());
        SavePlan(ctx->data, temp(), est());
        transaction.commit();
        ctx->working.CreateTempDB();
        ASSERT_TRUE(OpenEstimate(*ctx, state).OpenRoof());
    }
};

TEST_F(PlanStoreTest, WorkingCopyKeepsEveryPartOfThePlan) {
    RoofPlan plan = tracedHip();
    // Bytes of every value, a zero among them, stay as they are.
    plan.image = PlanImage::of(QStringLiteral("O'Neil roof 🏠.png"), QByteArray("\x89PNG\0\x01\xff", 7));
    plan.setScale(2, {1.5, 2.25}, {300.125, 2.25}, 30.5);
    plan.page = 2;
    plan.chooseClass(EdgeKey::of(5, 6), EdgeClass::Hip);
    plan.setEave(plan.facets[1].id, 2);
    store().store(plan);
    EXPECT_EQ(store().load(), plan);

    // Storing again replaces, never adds.
    plan.deleteFacet(plan.facets[3].id);
    store().store(plan);
    EXPECT_EQ(store().load(), plan);
    EXPECT_EQ(rows(temp(), QStringLiteral("select count(*) from TempPlan")),
              QStringList{QStringLiteral("1")});

    store().store(RoofPlan());
    EXPECT_TRUE(store().load().isEmpty());
    EXPECT_EQ(rows(temp(), QStringLiteral("select count(*) from TempPlanCorners")),
              QStringList{QStringLiteral("0")});
}

TEST_F(PlanStoreTest, ApplyingTheHipRoofFillsAreasItemsAndTotals) {
    const RoofShow show = applyHip();
    EXPECT_TRUE(show.changed);
    // Cut waste 5% + 100 x 1.5 x 90 ft of hips / 1342 sq ft = 15%, of the Area box: 201.
    EXPECT_EQ(show.boxes, (RoofBoxes{1342, 363, 1705}));
    EXPECT_EQ(show.areaGrid->size(), 4);
    EXPECT_EQ(show.linealGrid->size(), 3);
    // Each facet keeps its pitch as its pitch; the list shows it as a facet.
    EXPECT_EQ(areaRows(), (QStringList{"3 | 6 | 375 | 0 | 0 | 419", "3 | 6 | 225 | 0 | 0 | 252",
                                       "3 | 6 | 375 | 0 | 0 | 419", "3 | 6 | 225 | 0 | 0 | 252"}));
    EXPECT_EQ(gridRows(*show.areaGrid),
              (QStringList{"1 | 0 | Facet 1 | 6 | NULL | NULL | NULL | 375 | 419",
                           "2 | 0 | Facet 2 | 6 | NULL | NULL | NULL | 225 | 252",
                           "3 | 0 | Facet 3 | 6 | NULL | NULL | NULL | 375 | 419",
                           "4 | 0 | Facet 4 | 6 | NULL | NULL | NULL | 225 | 252"}));
    EXPECT_EQ(linealRows(), (QStringList{"1 | Ridge and hip cap | 100 | 104", "2 | Eave starter | 140 | 58",
                                         "3 | Cut waste | 15 | 201"}));
}

TEST_F(PlanStoreTest, ApplyingAgainReplacesOnlyWhatThePlanMade) {
    openEstimate();
    panel->addArea(rect(12, 10));
    panel->addLineal(item(kLinealCap, QStringLiteral("Ridge and hip cap"), 10, 10));
    applyHip();
    saveAndReopen();
    EXPECT_EQ(count(est(), QStringLiteral("Areas")), 5);

    // Traced again at pitch 12: the plan's four rows and two items are replaced, in the file too.
    RoofPlan steeper = store().load();
    for (const PlanFacet& facet : QList<PlanFacet>(steeper.facets))
        steeper.setPitch(facet.id, 12);
    store().store(steeper);
    const auto show = panel->applyPlan(std::get<PlanRows>(planRows(steeper)));
    ASSERT_TRUE(show);
    EXPECT_EQ(count(est(), QStringLiteral("Areas")), 1);
    EXPECT_EQ(count(est(), QStringLiteral("Lineal")), 1);
    QStringList areas = areaRows();
    EXPECT_EQ(areas.size(), 5);
    EXPECT_EQ(areas.first(), QStringLiteral("0 | 0 | 12 | 0 | 10 | 120"));
    // Steeper hips: 15 feet of run and of rise over a 21.2-foot plan length, 25.98 feet each.
    QStringList items = linealRows();
    EXPECT_EQ(items, (QStringList{"1 | Ridge and hip cap | 10 | 10", "1 | Ridge and hip cap | 114 | 118",
                                  "2 | Eave starter | 140 | 58", "3 | Cut waste | 14 | 254"}));
    EXPECT_EQ(show->boxes.area, 120 + 1696);
}

TEST_F(PlanStoreTest, SavedPlanComesBackWithTheEstimate) {
    openEstimate();
    applyHip();
    const RoofPlan before = store().load();
    saveAndReopen();
    EXPECT_EQ(store().load(), before);
    // The made items are found under the working IDs they have now.
    const auto made = store().madeItems();
    EXPECT_NE(made.first, 0);
    EXPECT_EQ(rows(temp(), QStringLiteral("select Name from TempLineal where ID=%1").arg(made.first)),
              QStringList{kPlanCapName});
    EXPECT_EQ(rows(temp(), QStringLiteral("select Name from TempLineal where ID=%1").arg(made.second)),
              QStringList{kPlanStarterName});
    // Saved again: still one plan, its image as it was.
    saveAndReopen();
    EXPECT_EQ(rows(est(), QStringLiteral("select count(*), length(Image), Sha256 from Plan")),
              QStringList{QStringLiteral("1 | 9 | ") + before.image.sha256});
    EXPECT_EQ(store().load(), before);
}

TEST_F(PlanStoreTest, FacetsSavedWithTheirPitchInHeightAreOpenedWithItAsTheirPitch) {
    openEstimate();
    panel->addArea(rect(12, 10));
    applyHip();
    saveAndReopen();
    EXPECT_EQ(rows(est(), QStringLiteral("select Shape,Pitch,Height from Areas where Shape=3")),
              QStringList(4, QStringLiteral("3 | 6 | 0")));
    // As an earlier build stored them: pitch 0, the pitch in Height. A flat facet looked the same then
    // as now.
    exec(est(), QStringLiteral("update Areas set Height=Pitch, Pitch=0 where Shape=3"));
    exec(est(), QStringLiteral("insert into Areas(Shape,Pitch,Width1,Width2,Height,Total) "
                               "values(3,0,50,0,0,50)"));
    ctx->working.CreateTempDB();
    ASSERT_TRUE(OpenEstimate(*ctx, state).OpenRoof());
    EXPECT_EQ(areaRows(), (QStringList{"0 | 0 | 12 | 0 | 10 | 120", "3 | 6 | 375 | 0 | 0 | 419",
                                       "3 | 6 | 225 | 0 | 0 | 252", "3 | 6 | 375 | 0 | 0 | 419",
                                       "3 | 6 | 225 | 0 | 0 | 252", "3 | 0 | 50 | 0 | 0 | 50"}));
    const OpenedRoof opened = panel->showOpened();
    EXPECT_EQ(opened.view, RoofView::IndividualAreas);
    EXPECT_EQ(gridRows(*opened.show.areaGrid).first(),
              QStringLiteral("1 | 1 | 0 | NULL | 12 | 0 | 10 | NULL | 120"));
    EXPECT_EQ(gridRows(*opened.show.areaGrid).last(),
              QStringLiteral("6 | 6 | Facet 5 | 0 | NULL | NULL | NULL | 50 | 50"));
    EXPECT_EQ(opened.show.boxes.area, 120 + 1342 + 50);
    // The next save stores them as this build does; nothing else changes.
    saveAndReopen();
    EXPECT_EQ(rows(est(), QStringLiteral(
                              "select Shape,Pitch,Width1,Height,Total from Areas where Shape=3 and ID<6")),
              (QStringList{"3 | 6 | 375 | 0 | 419", "3 | 6 | 225 | 0 | 252", "3 | 6 | 375 | 0 | 419",
                           "3 | 6 | 225 | 0 | 252"}));
}

TEST_F(PlanStoreTest, ASingleTracedFacetIsNoFiguredRoof) {
    RoofPlan shed = scaledPlan();
    shed.addFacet(0, {freeClick(0, 0), freeClick(100, 0), freeClick(100, 100), freeClick(0, 100)}, 6);
    store().store(shed);
    ASSERT_TRUE(panel->applyPlan(std::get<PlanRows>(planRows(shed))));
    const OpenedRoof opened = panel->showOpened();
    EXPECT_EQ(opened.view, RoofView::IndividualAreas);
    EXPECT_EQ(gridRows(*opened.show.areaGrid),
              QStringList{"1 | 0 | Facet 1 | 6 | NULL | NULL | NULL | 100 | 112"});
}

TEST_F(PlanStoreTest, AFileFromBeforePlansGetsTheirTablesWhenSaved) {
    openEstimate();
    for (const QString& table : planTables())
        exec(est(), QStringLiteral("drop table %1").arg(table));
    ctx->working.CreateTempDB();
    ASSERT_TRUE(OpenEstimate(*ctx, state).OpenRoof());
    EXPECT_TRUE(store().load().isEmpty());

    applyHip();
    saveAndReopen();
    EXPECT_EQ(store().load().facets.size(), 4);
}

TEST_F(PlanStoreTest, AFileFromBeforeCutWasteKeepsItsPlanAndGainsTheItem) {
    openEstimate();
    applyHip();
    saveAndReopen();
    exec(est(), QStringLiteral("create table OldPlan as select ID,FileName,Image,Sha256,Page,CapID,StarterID "
                               "from Plan; drop table Plan; alter table OldPlan rename to Plan"));
    ctx->working.CreateTempDB();
    ASSERT_TRUE(OpenEstimate(*ctx, state).OpenRoof());
    EXPECT_EQ(store().load().facets.size(), 4);

    applyHip();
    saveAndReopen();
    EXPECT_EQ(
        rows(temp(), QStringLiteral("select Name from TempLineal where ID=%1").arg(store().madeWaste())),
        QStringList{kCutWasteName});
    // Applied again, the saved item is replaced, not added to.
    applyHip();
    EXPECT_EQ(count(temp(), QStringLiteral("TempLineal")), 3);
}

TEST_F(PlanStoreTest, APlanTheTotalsCannotTakeIsRefused) {
    RoofPlan plan = tracedHip();
    // One pixel said to be a hundred miles.
    plan.setScale(0, {0, 0}, {1, 0}, 528000);
    EXPECT_EQ(std::get<QString>(planRows(plan)), kMsgPlanTooLarge);

    // Within an area row, but not with what the estimate already holds.
    panel->addArea(rect(46000, 46000));
    RoofPlan large = tracedHip();
    large.setScale(0, {100, 400}, {500, 400}, 8000);
    store().store(large);
    const auto rows = planRows(large);
    ASSERT_TRUE(std::holds_alternative<PlanRows>(rows));
    EXPECT_FALSE(panel->applyPlan(std::get<PlanRows>(rows)));
    EXPECT_EQ(prompter.lastText(), kMsgPlanTooLarge);
    EXPECT_EQ(count(temp(), QStringLiteral("TempAreas")), 1);
}

TEST_F(PlanStoreTest, PlansThatCannotBeApplied) {
    EXPECT_EQ(std::get<QString>(planRows(scaledPlan())), kMsgNoFacets);
    RoofPlan unscaled = tracedHip();
    unscaled.scales.clear();
    EXPECT_EQ(std::get<QString>(planRows(unscaled)), kMsgSetScaleFirst);
    RoofPlan misfit = tracedHip();
    misfit.setPitch(misfit.facets[0].id, 12);
    EXPECT_EQ(std::get<QString>(planRows(misfit)), kMsgFacetsDoNotMeet.arg(3));
    // A flat roof has no ridge: no cap item.
    RoofPlan flat = scaledPlan();
    flat.addFacet(0, {freeClick(0, 0), freeClick(100, 0), freeClick(100, 100), freeClick(0, 100)}, 0);
    const PlanRows rows = std::get<PlanRows>(planRows(flat));
    EXPECT_FALSE(rows.cap);
    ASSERT_TRUE(rows.starter);
    EXPECT_EQ(rows.starter->length, 40);
    EXPECT_EQ(rows.areas.first(), (AreaMeasures{kShapePlan, 100, 0, 0, 100}));
    // Without waste values, no cut waste item.
    WasteSettings none;
    none.values = {0, 0, 0};
    EXPECT_FALSE(std::get<PlanRows>(planRows(flat, none)).waste);
}

} // namespace qxtest
