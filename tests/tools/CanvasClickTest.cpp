#include "CanvasClick.h"
#include "takeoff/UiPlanCanvas.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace qx;
using namespace qx::uidrive;

namespace {

// A canvas showing a 600 by 500 page, as the plan window shows it.
struct ShownCanvas {
    UiPlanCanvas canvas;
    ShownCanvas() {
        canvas.resize(400, 300);
        canvas.show();
        QImage page(600, 500, QImage::Format_RGB32);
        page.fill(Qt::white);
        canvas.setPage(page);
    }
    Target target() { return Target{&canvas, -1}; }
};

} // namespace

TEST(CanvasClick, PicturePointsLandWhereverZoomAndPanHaveMovedThem) {
    ShownCanvas shown;
    QSignalSpy clicks(&shown.canvas, &UiPlanCanvas::pointClicked);
    for (int zoom = 0; zoom < 3; ++zoom) {
        ASSERT_EQ(clickAt(shown.target(), "picPlan", QPointF(300, 250.5)), QString());
        ASSERT_EQ(clicks.size(), zoom + 1);
        const QPointF landed = clicks.last().at(0).toPointF();
        EXPECT_NEAR(landed.x(), 300, 1e-9);
        EXPECT_NEAR(landed.y(), 250.5, 1e-9);
        shown.canvas.zoomIn();
    }
    // Zoomed in around the middle: a corner of the page is out of view, as it is for a user.
    EXPECT_EQ(clickAt(shown.target(), "picPlan", QPointF(5, 5)),
              QStringLiteral("the point 5 5 is not on view in picPlan"));
    shown.canvas.fit();
    EXPECT_EQ(clickAt(shown.target(), "picPlan", QPointF(5, 5)), QString());
}

TEST(CanvasClick, OnlyAShownCanvasCanBeClicked) {
    ShownCanvas shown;
    shown.canvas.hide();
    EXPECT_FALSE(clickAt(shown.target(), "picPlan", QPointF(1, 1)).isEmpty());
    QWidget plain;
    plain.show();
    EXPECT_EQ(clickAt(Target{&plain, -1}, "lblPlain", QPointF(1, 1)),
              QStringLiteral("lblPlain is no canvas"));
}
