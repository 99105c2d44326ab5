#pragma once

#include "takeoff/RoofPlan.h"

#include <gtest/gtest.h>

namespace qxtest {

inline qx::PlanSnap freeClick(double x, double y) {
    return {qx::PlanSnap::Free, QPointF(x, y), 0, {}};
}

// A plan at 10 pixels to the foot: the scale line is the 400-pixel eave, 40 feet.
inline qx::RoofPlan scaledPlan() {
    qx::RoofPlan plan;
    plan.image = qx::PlanImage::of(QStringLiteral("roof.png"), QByteArray("png bytes"));
    EXPECT_FALSE(plan.setScale(0, {100, 400}, {500, 400}, 40));
    return plan;
}

// The hip roof of 40 by 30 feet traced as a user does: the first facet with free clicks, the others
// by clicking near the corners already there (within the snapping distance).
inline qx::RoofPlan tracedHip() {
    qx::RoofPlan plan = scaledPlan();
    const double tolerance = 8;
    auto near = [&](double x, double y) { return plan.snap(0, QPointF(x + 3, y - 4), tolerance); };
    EXPECT_EQ(
        std::get<std::int32_t>(plan.addFacet(
            0, {freeClick(100, 400), freeClick(500, 400), freeClick(350, 250), freeClick(250, 250)}, 6)),
        1);
    plan.addFacet(0, {near(500, 400), plan.snap(0, {500, 100}, tolerance), near(350, 250)}, 6);
    plan.addFacet(0, {near(500, 100), plan.snap(0, {100, 100}, tolerance), near(250, 250), near(350, 250)},
                  6);
    plan.addFacet(0, {near(100, 100), near(100, 400), near(250, 250)}, 6);
    return plan;
}

} // namespace qxtest
