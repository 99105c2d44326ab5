#include "takeoff/PlanGeometry.h"
#include "takeoff/PitchFactors.h"
#include "takeoff/PlanTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace qx;

namespace {

// A roof drawn by hand in feet: corners numbered from 1 in the order given.
struct Roof {
    RoofShape shape;

    Roof& corners(std::initializer_list<QPointF> points) {
        std::int32_t id = 0;
        for (QPointF p : points)
            shape.corners.insert(++id, p);
        return *this;
    }
    Roof& facet(QList<std::int32_t> ids, std::int32_t pitch, std::int32_t eave = 0) {
        shape.facets << FacetShape{ids, pitch, eave};
        return *this;
    }
    RoofFigures figures() const { return figureRoof(shape); }
};

// 30 by 40 gable, ridge along the 40-foot length: eaves at y = 0 and y = 30.
Roof gable() {
    Roof roof;
    roof.corners({{0, 0}, {40, 0}, {40, 15}, {0, 15}, {40, 30}, {0, 30}})
        .facet({1, 2, 3, 4}, 6)
        .facet({5, 6, 4, 3}, 6);
    return roof;
}

// 40 by 30 hip roof: ridge from (15,15) to (25,15).
Roof hip(std::int32_t pitch = 6) {
    Roof roof;
    roof.corners({{0, 0}, {40, 0}, {40, 30}, {0, 30}, {15, 15}, {25, 15}})
        .facet({1, 2, 6, 5}, pitch) // south
        .facet({2, 3, 6}, pitch)    // east end
        .facet({3, 4, 5, 6}, pitch) // north
        .facet({4, 1, 5}, pitch);   // west end
    return roof;
}

// A 40 by 30 main gable (ridge along x at y = 15) with a 20-foot wide wing to the north, its ridge
// at x = 20 running into the main roof at (20, 20); valleys from (10,30) and (30,30) to (20,20).
Roof crossGable() {
    Roof roof;
    roof.corners({{0, 0},
                  {40, 0},
                  {40, 15},
                  {0, 15}, // 1-4 main south
                  {0, 30},
                  {10, 30},
                  {20, 20},
                  {30, 30},
                  {40, 30}, // 5-9 main north
                  {10, 50},
                  {20, 50},
                  {30, 50}}) // 10-12 wing
        .facet({1, 2, 3, 4}, 6)
        .facet({5, 6, 7, 8, 9, 3, 4}, 6) // concave: the wing cuts into it
        .facet({6, 10, 11, 7}, 6, 0)     // wing west, eave x = 10
        .facet({8, 7, 11, 12}, 6, 3);    // wing east, eave x = 30 (edge 12 -> 8)
    return roof;
}

double classLength(const RoofFigures& f, EdgeClass cls) {
    return std::round(f.length(cls) * 10) / 10;
}

int countOf(const RoofFigures& f, EdgeClass cls) {
    return int(
        std::count_if(f.edges.cbegin(), f.edges.cend(), [cls](const EdgeFigure& e) { return e.cls == cls; }));
}

struct Expected {
    const char* name;
    Roof (*roof)();
    std::int64_t area;
    double eave, rake, ridge, hip, valley;
    int valleys;
};

const Expected kRoofs[] = {
    {"gable", [] { return gable(); }, 1342, 80, 67.1, 40, 0, 0, 0},
    {"hip", [] { return hip(); }, 1342, 140, 0, 10, 90, 0, 0},
    // Plan areas 600 + 500 + 250 + 250: 671 + 559 + 280 + 280.
    {"cross gable", [] { return crossGable(); }, 1790, 100, 89.4, 70, 0, 30, 2},
};

class KnownRoofs : public ::testing::TestWithParam<Expected> {};

} // namespace

TEST_P(KnownRoofs, FigureAsWorkedByHand) {
    const Expected& e = GetParam();
    const RoofFigures f = e.roof().figures();
    ASSERT_TRUE(f.ok()) << f.problem.toStdString();
    EXPECT_EQ(f.roofArea, e.area);
    EXPECT_DOUBLE_EQ(classLength(f, EdgeClass::Eave), e.eave);
    EXPECT_DOUBLE_EQ(classLength(f, EdgeClass::Rake), e.rake);
    EXPECT_DOUBLE_EQ(classLength(f, EdgeClass::Ridge), e.ridge);
    EXPECT_DOUBLE_EQ(classLength(f, EdgeClass::Hip), e.hip);
    EXPECT_DOUBLE_EQ(classLength(f, EdgeClass::Valley), e.valley);
    EXPECT_EQ(countOf(f, EdgeClass::Valley), e.valleys);
}

INSTANTIATE_TEST_SUITE_P(PlanGeometry, KnownRoofs, ::testing::ValuesIn(kRoofs), [](const auto& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});

TEST(PlanGeometry, HipRoofFacetsAndEdgesOneByOne) {
    const RoofFigures f = hip().figures();
    ASSERT_TRUE(f.ok());
    // Trapezoids of 375 and triangles of 225 square feet at 1.11803.
    QList<std::int64_t> areas;
    for (const FacetFigure& facet : f.facets)
        areas << facet.roofArea;
    EXPECT_EQ(areas, (QList<std::int64_t>{419, 252, 419, 252}));
    EXPECT_DOUBLE_EQ(f.heights.value(5), 7.5);
    EXPECT_EQ(countOf(f, EdgeClass::Hip), 4);
    for (const EdgeFigure& e : f.edges) {
        if (e.cls == EdgeClass::Hip) {
            EXPECT_NEAR(e.trueLength, 22.5, 1e-9);
            EXPECT_EQ(e.facets.size(), 2);
        }
    }
}

TEST(PlanGeometry, EveryPitchUsesTheRoofPanelsFactorAndAFlatFacetItsPlanArea) {
    for (std::int32_t pitch : {0, 1, 9, 12, 18}) {
        Roof flat;
        flat.corners({{0, 0}, {20, 0}, {20, 10}, {0, 10}}).facet({1, 2, 3, 4}, pitch);
        const RoofFigures f = flat.figures();
        ASSERT_TRUE(f.ok());
        const double factor = pitch == 0 ? 1.0 : double(PitchValue(pitch));
        EXPECT_EQ(f.roofArea, std::int64_t(std::nearbyint(200 * factor))) << pitch;
    }
}

TEST(PlanGeometry, FacetsOfDifferentPitchesMeetAtAnOffCentreRidge) {
    // 30 wide: pitch 6 over a run of 20 and pitch 12 over a run of 10 both reach 10 feet.
    Roof roof;
    roof.corners({{0, 0}, {40, 0}, {40, 20}, {0, 20}, {40, 30}, {0, 30}})
        .facet({1, 2, 3, 4}, 6)
        .facet({5, 6, 4, 3}, 12);
    const RoofFigures f = roof.figures();
    ASSERT_TRUE(f.ok()) << f.problem.toStdString();
    EXPECT_DOUBLE_EQ(f.heights.value(3), 10);
    EXPECT_DOUBLE_EQ(classLength(f, EdgeClass::Ridge), 40);
    // 800 x 1.11803 = 894.4 and 400 x 1.41421 = 565.7.
    EXPECT_EQ(f.roofArea, 894 + 566);
    // Rakes: 20 run rising 10, and 10 run rising 10, at both ends.
    EXPECT_NEAR(f.length(EdgeClass::Rake), 2 * (std::hypot(20, 10) + std::hypot(10, 10)), 1e-9);
}

TEST(PlanGeometry, FacetsThatDoNotMeetWaitForTheCornerToBeMended) {
    // The same off-centre ridge with both facets at pitch 6: 10 and 5 feet at corners 3 and 4.
    Roof roof;
    roof.corners({{0, 0}, {40, 0}, {40, 20}, {0, 20}, {40, 30}, {0, 30}})
        .facet({1, 2, 3, 4}, 6)
        .facet({5, 6, 4, 3}, 6);
    const RoofFigures f = roof.figures();
    EXPECT_EQ(f.problem, kMsgFacetsDoNotMeet.arg(3));
    EXPECT_EQ(f.problem.toStdString(), "These facets do not meet at corner 3.");
    EXPECT_EQ(f.roofArea, 0);
    EXPECT_TRUE(f.edges.isEmpty());

    // Within six inches they meet: a ridge corner clicked a little off.
    Roof close = gable();
    close.shape.corners[3] = QPointF(40, 15.4);
    EXPECT_TRUE(close.figures().ok());
    close.shape.corners[3] = QPointF(40, 15.6);
    EXPECT_EQ(close.figures().problem, kMsgFacetsDoNotMeet.arg(3));
}

TEST(PlanGeometry, ConcaveFacetKeepsItsAreaAndEaves) {
    // An L-shaped porch roof of one plane rising from its south eave at pitch 4.
    Roof roof;
    roof.corners({{0, 0}, {30, 0}, {30, 10}, {10, 10}, {10, 20}, {0, 20}}).facet({1, 2, 3, 4, 5, 6}, 4);
    const RoofFigures f = roof.figures();
    ASSERT_TRUE(f.ok());
    EXPECT_DOUBLE_EQ(f.facets.first().planArea, 400);
    EXPECT_EQ(f.roofArea, 422); // 400 x 1.05409 = 421.6
    // Level edges: the eave and the two back edges (at 10/3 and 20/3 feet); the rest rise.
    EXPECT_DOUBLE_EQ(classLength(f, EdgeClass::Eave), 30 + 20 + 10);
    EXPECT_EQ(countOf(f, EdgeClass::Rake), 3);
}

TEST(PlanGeometry, ChosenClassCountsInsteadOfTheFoundOne) {
    Roof roof = gable();
    roof.shape.chosenClasses.insert(EdgeKey::of(4, 3), EdgeClass::Hip);
    const RoofFigures f = roof.figures();
    EXPECT_DOUBLE_EQ(f.length(EdgeClass::Ridge), 0);
    EXPECT_DOUBLE_EQ(f.length(EdgeClass::Hip), 40);
    for (const EdgeFigure& e : f.edges) {
        if (e.key == EdgeKey::of(3, 4)) {
            EXPECT_EQ(e.found, EdgeClass::Ridge);
            EXPECT_EQ(e.cls, EdgeClass::Hip);
        }
    }
}

TEST(PlanGeometry, OutlinesThatAreNoFacet) {
    struct Case {
        const char* name;
        QList<QPointF> outline;
        bool crosses;
    };
    const Case cases[] = {
        {"square", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, false},
        {"square drawn the other way", {{0, 10}, {10, 10}, {10, 0}, {0, 0}}, false},
        {"concave L", {{0, 0}, {30, 0}, {30, 10}, {10, 10}, {10, 20}, {0, 20}}, false},
        {"bow tie", {{0, 0}, {10, 10}, {10, 0}, {0, 10}}, true},
        {"two corners", {{0, 0}, {10, 0}}, true},
        {"all on a line", {{0, 0}, {5, 0}, {10, 0}}, true},
        {"corner twice", {{0, 0}, {10, 0}, {10, 10}, {10, 0}, {0, 10}}, true},
        {"edge touching another", {{0, 0}, {20, 0}, {20, 10}, {10, 0}, {0, 10}}, true},
        {"folding back", {{0, 0}, {10, 0}, {5, 0}, {5, 5}}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(outlineCrosses(c.outline), c.crosses) << c.name;
}

TEST(PlanGeometry, EdgeClassNamesReadBack) {
    for (int i = 0; i < kEdgeClassCount; ++i)
        EXPECT_EQ(edgeClassNamed(edgeClassName(EdgeClass(i)).toUpper()), EdgeClass(i));
    EXPECT_FALSE(edgeClassNamed(QStringLiteral("Gutter")));
}
