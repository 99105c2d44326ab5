#include "takeoff/RoofPlan.h"
#include "PlanFixture.h"
#include "takeoff/PlanTexts.h"

#include <gtest/gtest.h>

using namespace qx;

using namespace qxtest;

TEST(RoofPlan, ScaleFromAKnownLength) {
    RoofPlan plan = scaledPlan();
    ASSERT_TRUE(plan.scaleOf(0));
    EXPECT_DOUBLE_EQ(plan.scaleOf(0)->pixelsPerFoot(), 10);
    EXPECT_EQ(plan.scaleOf(0)->text(), QStringLiteral("1 ft = 10.0 px"));
    EXPECT_FALSE(plan.scaleOf(1));
    EXPECT_EQ(plan.setScale(1, {5, 5}, {5.5, 5}, 10), kMsgScalePointsApart);
    // 392 pixels for 40 feet.
    plan.setScale(0, {0, 0}, {392, 0}, 40);
    EXPECT_EQ(plan.scaleOf(0)->text(), QStringLiteral("1 ft = 9.8 px"));
    EXPECT_EQ(plan.scales.size(), 1);
}

TEST(RoofPlan, SnappedFacetsShareTheirCornersAndFigureTheHipRoof) {
    const RoofPlan plan = tracedHip();
    EXPECT_EQ(plan.facets.size(), 4);
    EXPECT_EQ(plan.corners.size(), 6);
    const RoofFigures f = plan.figures();
    ASSERT_TRUE(f.ok()) << f.problem.toStdString();
    EXPECT_EQ(f.roofArea, 1342);
    EXPECT_NEAR(f.length(EdgeClass::Ridge), 10, 1e-9);
    EXPECT_NEAR(f.length(EdgeClass::Hip), 90, 1e-9);
    EXPECT_NEAR(f.length(EdgeClass::Eave), 140, 1e-9);
}

TEST(RoofPlan, ChangingTheScaleFiguresEverythingAgain) {
    RoofPlan plan = tracedHip();
    // The same 400 pixels said to be 80 feet: every length doubles, every area four times.
    plan.setScale(0, {100, 400}, {500, 400}, 80);
    const RoofFigures f = plan.figures();
    EXPECT_NEAR(f.length(EdgeClass::Eave), 280, 1e-9);
    EXPECT_EQ(f.roofArea, 5366); // 4800 x 1.11803 by facet: 1677 + 1006 + 1677 + 1006
}

TEST(RoofPlan, FacetsWaitForAScale) {
    RoofPlan plan;
    plan.image = PlanImage::of(QStringLiteral("roof.png"), QByteArray("png"));
    plan.addFacet(0, {freeClick(0, 0), freeClick(100, 0), freeClick(100, 100)}, 4);
    EXPECT_EQ(plan.figures().problem, kMsgSetScaleFirst);
}

TEST(RoofPlan, AClickOnAnEdgeSplitsItForTheFacetsAlongIt) {
    RoofPlan plan = scaledPlan();
    plan.addFacet(0, {freeClick(0, 0), freeClick(200, 0), freeClick(200, 100), freeClick(0, 100)}, 6);
    // A lean-to against the middle of the first facet's bottom edge.
    const PlanSnap onEdge = plan.snap(0, {100, 104}, 8);
    ASSERT_EQ(onEdge.kind, PlanSnap::Edge);
    EXPECT_EQ(onEdge.at, QPointF(100, 100));
    plan.addFacet(0, {onEdge, plan.snap(0, {200, 100}, 8), freeClick(200, 200), freeClick(100, 200)}, 4);
    EXPECT_EQ(plan.facets[0].corners.size(), 5);
    EXPECT_EQ(plan.facets[0].corners.mid(2, 2), (QList<std::int32_t>{3, 5}));
    EXPECT_EQ(plan.corners.size(), 7);
}

TEST(RoofPlan, SelfCrossingOutlineChangesNothing) {
    RoofPlan plan = scaledPlan();
    const auto refused =
        plan.addFacet(0, {freeClick(0, 0), freeClick(100, 100), freeClick(100, 0), freeClick(0, 100)}, 6);
    EXPECT_EQ(std::get<QString>(refused), kMsgOutlineCrosses);
    EXPECT_TRUE(plan.facets.isEmpty());
    EXPECT_TRUE(plan.corners.isEmpty());

    plan.addFacet(0, {freeClick(0, 0), freeClick(100, 0), freeClick(100, 100), freeClick(0, 100)}, 6);
    // Dragging corner 3 across the opposite edge would fold the facet.
    EXPECT_EQ(plan.moveCorner(3, {-50, 50}), kMsgOutlineCrosses);
    EXPECT_EQ(plan.corner(3)->at, QPointF(100, 100));
    EXPECT_FALSE(plan.moveCorner(3, {120, 110}));
    EXPECT_EQ(plan.corner(3)->at, QPointF(120, 110));
}

TEST(RoofPlan, DeletingAFacetKeepsTheCornersOthersStillUse) {
    RoofPlan plan = tracedHip();
    plan.chooseClass(EdgeKey::of(1, 2), EdgeClass::Rake);
    plan.deleteFacet(plan.facets[0].id); // south: corners 1, 2, 3, 4
    EXPECT_EQ(plan.facets.size(), 3);
    EXPECT_EQ(plan.corners.size(), 6); // all still drawn by the others
    plan.deleteFacet(plan.facets[0].id);
    plan.deleteFacet(plan.facets[0].id);
    plan.deleteFacet(plan.facets[0].id);
    EXPECT_TRUE(plan.corners.isEmpty());
    EXPECT_TRUE(plan.chosenClasses.isEmpty());
}

TEST(RoofPlan, SelectingFacetsAndEdges) {
    RoofPlan plan = tracedHip();
    EXPECT_EQ(plan.facetAt(0, {300, 350}), plan.facets[0].id);
    EXPECT_EQ(plan.facetAt(0, {450, 250}), plan.facets[1].id);
    EXPECT_EQ(plan.facetAt(0, {700, 250}), 0);
    EXPECT_EQ(plan.facetNumber(plan.facets[2].id), 3);
    // The south facet's top edge (its ridge) is edge 2.
    EXPECT_EQ(plan.edgeNear(plan.facets[0].id, {300, 253}, 8), 2);
    EXPECT_FALSE(plan.edgeNear(plan.facets[0].id, {300, 300}, 8));
    plan.setEave(plan.facets[0].id, 2);
    plan.setPitch(plan.facets[0].id, 4);
    EXPECT_EQ(plan.facets[0].eave, 2);
    EXPECT_EQ(plan.facets[0].pitch, 4);
}

TEST(RoofPlan, ImageKeepsItsFingerprint) {
    const PlanImage image = PlanImage::of(QStringLiteral("a.pdf"), QByteArray("%PDF-1.4 ..."));
    EXPECT_TRUE(image.isPdf());
    EXPECT_EQ(image.sha256.size(), 64);
    EXPECT_NE(image.sha256, PlanImage::of(QStringLiteral("a.pdf"), QByteArray("%PDF-1.5 ...")).sha256);
    RoofPlan plan = tracedHip();
    plan.replaceImage(image);
    EXPECT_TRUE(plan.facets.isEmpty());
    EXPECT_TRUE(plan.scales.isEmpty());
}
