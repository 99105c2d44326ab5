#include "takeoff/PlanPages.h"
#include "TestFolders.h"
#include "takeoff/PlanSession.h"
#include "takeoff/PlanTexts.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>

using namespace qx;

namespace qxtest {

namespace {

// A PDF of two letter pages; on the second a 40-foot eave drawn 400 points long (10 points to the
// foot), from (100, 200) points.
QByteArray twoPagePlan() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        painter.drawText(QPointF(72, 72), QStringLiteral("Site plan"));
        writer.newPage();
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(QPointF(100, 200), QPointF(500, 200));
    }
    return buffer.data();
}

// The first and last dark pixel of the image's darkest row.
std::pair<QPointF, QPointF> darkLine(const QImage& image) {
    int bestRow = -1, bestCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
        if (count > bestCount) {
            bestCount = count;
            bestRow = y;
        }
    }
    int first = image.width(), last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, bestRow)) < 128) {
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    return {QPointF(first, bestRow), QPointF(last + 1, bestRow)};
}

} // namespace

TEST(PlanPages, PdfPagesAreDrawnAtTheirScaleAndCalibrated) {
    const auto read = PlanPages::read(twoPagePlan());
    ASSERT_TRUE(std::holds_alternative<PlanPages>(read));
    const PlanPages& pages = std::get<PlanPages>(read);
    EXPECT_EQ(pages.count(), 2);
    const QImage page = pages.page(1);
    // Letter at kPdfDpi: 8.5 by 11 inches.
    EXPECT_EQ(page.size(), QSize(8.5 * kPdfDpi, 11 * kPdfDpi));
    EXPECT_TRUE(pages.page(2).isNull());

    const auto [from, to] = darkLine(page);
    EXPECT_NEAR(from.x(), 100 * kPdfDpi / 72, 2);
    EXPECT_NEAR(to.x(), 500 * kPdfDpi / 72, 2);
    RoofPlan plan;
    plan.image = PlanImage::of(QStringLiteral("plan.pdf"), twoPagePlan());
    const FeetLength eave = PlanSession::readScaleLength(QStringLiteral("40'"));
    ASSERT_TRUE(eave.ok());
    ASSERT_FALSE(plan.setScale(1, from, to, eave.feet));
    // 10 points to the foot, drawn at 144 pixels to the inch of 72 points: 20 pixels to the foot.
    EXPECT_NEAR(plan.scaleOf(1)->pixelsPerFoot(), 10 * kPdfDpi / 72, 0.15);
    EXPECT_TRUE(plan.scaleOf(1)->text().startsWith(QStringLiteral("1 ft = 20.")));
}

TEST(PlanPages, PicturesAreOnePageAndOtherFilesAreRefused) {
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (const char* format : {"PNG", "JPEG"}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, format);
        const auto read = PlanPages::read(buffer.data());
        ASSERT_TRUE(std::holds_alternative<PlanPages>(read)) << format;
        EXPECT_EQ(std::get<PlanPages>(read).count(), 1);
        EXPECT_EQ(std::get<PlanPages>(read).page(0).size(), QSize(400, 300));
    }
    for (const QByteArray& bytes : {QByteArray(), QByteArray("%PDF-1.4 cut short"), QByteArray("GIF89a...."),
                                    QByteArray("'; DROP TABLE Plan; --")})
        EXPECT_TRUE(std::holds_alternative<QString>(PlanPages::read(bytes))) << bytes.constData();
}

class PlanSessionTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        ctx->working.CreateTempDB();
    }
    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = programDir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

TEST_F(PlanSessionTest, OpenedPlanIsKeptAndAnotherAsksFirst) {
    PlanSession session(*ctx);
    ASSERT_TRUE(session.load());
    EXPECT_TRUE(session.plan.isEmpty());
    EXPECT_FALSE(session.openFile(writeFile(QStringLiteral("notes.txt"), "roof notes")));
    EXPECT_EQ(prompter.lastText(), kMsgPlanNotRead.arg(QStringLiteral("it is no PDF, PNG or JPEG file.")));
    EXPECT_FALSE(session.keep());

    ASSERT_TRUE(session.openFile(writeFile(QStringLiteral("plan.pdf"), twoPagePlan())));
    EXPECT_EQ(session.pages().count(), 2);
    session.plan.setScale(0, {0, 0}, {100, 0}, 10);
    session.plan.addFacet(0,
                          {{PlanSnap::Free, {0, 0}, 0, {}},
                           {PlanSnap::Free, {50, 0}, 0, {}},
                           {PlanSnap::Free, {50, 50}, 0, {}}},
                          4);
    EXPECT_TRUE(session.keep());
    EXPECT_FALSE(session.keep()); // nothing changed since

    PlanSession reopened(*ctx);
    ASSERT_TRUE(reopened.load());
    EXPECT_EQ(reopened.plan, session.plan);
    EXPECT_EQ(reopened.pages().count(), 2);
    // Another file would drop the facets: No keeps them.
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_FALSE(reopened.openFile(writeFile(QStringLiteral("other.pdf"), twoPagePlan())));
    EXPECT_EQ(prompter.lastText(), kAskReplacePlan);
    EXPECT_EQ(reopened.plan.facets.size(), 1);
}

} // namespace qxtest
