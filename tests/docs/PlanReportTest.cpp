#include "../takeoff/PlanFixture.h"
#include "EstimateFixture.h"
#include "docs/DetailReports.h"
#include "docs/DocumentBuilder.h"
#include "takeoff/AreaShapes.h"
#include "takeoff/PlanStore.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>

namespace qxtest {

namespace {

// The hip roof's plan as a white PNG picture of 600 by 500 pixels.
qx::RoofPlan pictureHip() {
    QImage page(600, 500, QImage::Format_RGB32);
    page.fill(Qt::white);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    page.save(&png, "PNG");
    qx::RoofPlan plan = tracedHip();
    plan.image = qx::PlanImage::of(QStringLiteral("hip.png"), png.data());
    return plan;
}

QList<QImage> imagesOf(QTextDocument& document) {
    QList<QImage> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                EXPECT_EQ(block.blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysBefore);
                images << document.resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()))
                              .value<QImage>();
            }
        }
    }
    return images;
}

} // namespace

class PlanReportTest : public EstimateFixture {
protected:
    void keep(const qx::RoofPlan& plan) { qx::PlanStore(ctx->data, ctx->conns.sTempConn).store(plan); }
    QString roofDetail() { return qx::DetailReports(*ctx, totals()).roofDetail(estId, {1342, 162, 1504}); }
};

TEST_F(PlanReportTest, RoofDetailGivesThePlansLengthsAfterTheLinealItems) {
    addLineal(1, QStringLiteral("Ridge and hip cap"), 100, 104);
    keep(pictureHip());
    const QString expected =
        QStringLiteral("\r\nPLAN\r\nFacets: 4 traced on hip.png\r\n"
                       "Roof area         1342\r\nEave             140.0\r\nRake               0.0\r\n"
                       "Ridge             10.0\r\nHip               90.0\r\nValley             0.0\r\n"
                       "Cut waste 15% = 5% + 1.5 sq ft x 90.0 ft of hips and valleys + 0.5 sq ft x 0.0 ft of "
                       "rakes over 1342 sq ft\r\n\r\n"
                       "               Total area:     1342");
    const QString roof = roofDetail();
    EXPECT_TRUE(roof.contains(expected)) << roof.toStdString();
    EXPECT_LT(roof.indexOf(QStringLiteral("Ridge and hip cap")), roof.indexOf(QStringLiteral("PLAN")));
}

TEST_F(PlanReportTest, TracedFacetsArePrintedAsFacetsWithTheirPitch) {
    addArea(0, 0, 12, 0, 10, 120);
    for (const auto& [plan, roof] : {std::pair{375, 419}, {225, 252}, {375, 419}, {225, 252}})
        addArea(6, qx::kShapePlan, plan, 0, 0, roof);
    keep(pictureHip());
    const QString roof = roofDetail();
    EXPECT_TRUE(roof.contains(QStringLiteral("AREAS\r\n#   Pitch  Shape  Width 1  Width 2  Height  Total\r\n"
                                             "1    0       0       12        0      10     120\r\n\r\n"
                                             "FACETS\r\n#   Facet  Pitch  Plan area  Total\r\n"
                                             "2       1      6        375    419\r\n"
                                             "3       2      6        225    252\r\n"
                                             "4       3      6        375    419\r\n"
                                             "5       4      6        225    252\r\n\r\nLINEAL")))
        << roof.toStdString();
}

TEST_F(PlanReportTest, FacetsThatDoNotMeetAreNamedInsteadOfFigures) {
    qx::RoofPlan misfit = pictureHip();
    misfit.setPitch(misfit.facets[0].id, 12);
    keep(misfit);
    EXPECT_TRUE(roofDetail().contains(
        QStringLiteral("Facets: 4 traced on hip.png\r\nThese facets do not meet at corner 3.\r\n\r\n")));
}

TEST_F(PlanReportTest, WithoutATracedPlanTheReportIsAsBefore) {
    EXPECT_FALSE(roofDetail().contains(QStringLiteral("PLAN")));
    keep(scaledPlan()); // opened and scaled, nothing traced
    EXPECT_FALSE(roofDetail().contains(QStringLiteral("PLAN")));
    QTextDocument document;
    qx::DocumentBuilder(*ctx, totals()).BuildPage(qx::DocKind::Roof, estId, {}, document);
    EXPECT_TRUE(imagesOf(document).isEmpty());
}

TEST_F(PlanReportTest, PicturePageShowsTheTracedFacets) {
    keep(pictureHip());
    QTextDocument document;
    qx::DocumentBuilder(*ctx, totals()).BuildPage(qx::DocKind::Roof, estId, {1342, 162, 1504}, document);
    const QList<QImage> images = imagesOf(document);
    ASSERT_EQ(images.size(), 1);
    const QImage& picture = images.first();
    EXPECT_EQ(picture.size(), QSize(600, 500));
    // Inside a facet the page is tinted, outside the eaves it is as drawn, and each facet's number
    // stands at its middle in black.
    EXPECT_NE(picture.pixelColor(300, 380), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(50, 50), QColor(Qt::white));
    int dark = 0;
    for (int y = 320; y < 350; ++y)
        for (int x = 285; x < 315; ++x)
            dark += qGray(picture.pixel(x, y)) < 80;
    EXPECT_GT(dark, 5);
    EXPECT_TRUE(document.toPlainText().contains(QStringLiteral("Total roof:     1504")));
    EXPECT_TRUE(prompter.log().isEmpty());
}

} // namespace qxtest
