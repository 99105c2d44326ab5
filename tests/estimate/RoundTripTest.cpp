#include "EstimateFixture.h"

#include "estimate/OpenEstimate.h"
#include "estimate/SaveEstimate.h"
#include "takeoff/LinealTypes.h"

using namespace qx;

namespace qxtest {

namespace {

// An estimate saved, closed and opened again comes back as it was saved.
class RoundTripTest : public EstimateTest {
protected:
    // What the open estimate shows: its working rows (without their stored keys), grid and figures.
    QStringList shown() {
        QStringList all;
        all << rows(temp(), "select Shape,Pitch,Width1,Width2,Height,Total from TempAreas order by ID");
        all << rows(temp(), "select Type,Name,Length,Total from TempLineal order by ID");
        all << rows(temp(), "select SecDesc,SecOrder from TempSect order by SecOrder");
        all << rows(temp(),
                    "select Name,ItemTable,Qty,Unit,Cost,LineTotal,SubTotal from EstiGrid order by autoID");
        for (int i = 0; i < 6; ++i)
            all << totals->category(i).toPlain();
        for (int i = 0; i < EstimateTotals::kAdminCount; ++i)
            all << totals->admin(i).encoded() << totals->adminAmount(i).toPlain();
        all << totals->lineTotal().toPlain() << totals->adminTotal().toPlain()
            << totals->estimateTotal().toPlain();
        return all;
    }
    void saveAndClose(const QString& summary, const QString& terms) {
        prompter.queueAnswer(Prompter::Answer::Yes);
        ASSERT_EQ(SaveEstimate(*ctx, state, *lines).SaveEst(summary, terms), SaveOutcome::Saved);
        ctx->working.ClearTempDB();
    }
    EstimateTexts open(qint32 id) { return openStored(id); }
};

TEST_F(RoundTripTest, EverythingSavedComesBackAndSavesAgainInPlace) {
    roof->addArea({kShapeRect, 40, 0, 16, 640});
    roof->addArea({kShapeTri, 16, 0, 9, 72});
    roof->addLineal({kLinealCap, "Bob's ridge", 82, 85});
    roof->addLineal({kLinealPercent, "Waste", 10, 71});
    add("Roof", 20, "Shingles", "Material", 30, 4599);
    add("Roof", 9, "Tear-off crew", "Labor", 16, 3250);
    add("Gutters", 5, "Seamless gutter", "SubCon", 120, 875);
    add("O'Neil's porch", 3, "Permit", "Fee", 1, 7500);
    totals->setAdmin(EstimateTotals::Profit, AdminAmount::percentage("12.5"));
    totals->setAdmin(EstimateTotals::Contingency, AdminAmount::fixedAmount(Money::fromCents(25000)));
    ASSERT_NO_THROW(totals->FigureEstAdmin());
    const QStringList before = shown();
    const qint32 id = state.lEstID;

    saveAndClose("Tear off and reroof.\nO'Neil's \"main\" house", QString());
    const EstimateTexts texts = open(id);

    EXPECT_EQ(shown(), before);
    EXPECT_EQ(texts.summary, "Tear off and reroof.\nO'Neil's \"main\" house");
    EXPECT_EQ(texts.terms, "No terms");
    EXPECT_EQ(state.sEstStatus, "Pending");
    // Every working row knows its stored row.
    EXPECT_EQ(rows(temp(), "select count(*) from tplineitems where lineitemid=0"), QStringList({"0"}));
    EXPECT_EQ(rows(temp(), "select count(*) from TempAreas where AreaID=0"), QStringList({"0"}));

    // Saving it right away rewrites the same rows and adds none.
    const QStringList stored = rows(state.sEstConn, "select * from LineItems order by ID");
    ASSERT_EQ(SaveEstimate(*ctx, state, *lines).SaveEst(*texts.summary, *texts.terms), SaveOutcome::Saved);
    EXPECT_EQ(rows(state.sEstConn, "select * from LineItems order by ID"), stored);
    EXPECT_EQ(rows(state.sEstConn, "select count(*) from Areas"), QStringList({"2"}));
    EXPECT_EQ(rows(state.sEstConn, "select count(*) from Lineal"), QStringList({"2"}));
}

TEST_F(RoundTripTest, HostileSummaryAndTermsComeBackAsTyped) {
    add("Roof", 20, "Shingles", "Material", 14, 4599);
    const QString summary = "'); DROP TABLE Main; --\n" + QString(10000, QChar(0x00E9)) +
                            QString::fromUtf8("\xF0\x9F\x8F\xA0") + QChar(0x200B);
    const QString terms = "<b>50%</b> down\t\"net\" 30";
    saveAndClose(summary, terms);
    const EstimateTexts texts = open(1);
    EXPECT_EQ(texts.summary, summary);
    EXPECT_EQ(texts.terms, terms);
}

TEST_F(RoundTripTest, AFiguredRoofComesBackAsOneRowWithItsPitch) {
    ASSERT_EQ(roof->Figure("6", "30", "40").show.boxes.area, 1342);
    add("Roof", 20, "Shingles", "Material", 14, 4599);
    saveAndClose({}, {});
    open(1);
    const OpenedRoof opened = roof->showOpened();
    EXPECT_EQ(opened.view, RoofView::TotalArea);
    EXPECT_EQ(opened.pitch, "6");
    EXPECT_EQ(opened.width, "30");
    EXPECT_EQ(opened.show.boxes.area, 1342);
}

TEST_F(RoundTripTest, AnEstimateWithoutAreasStillShowsItsLinealItems) {
    roof->addLineal({kLinealMisc, "Flashing", 12, 12});
    add("Roof", 20, "Shingles", "Material", 14, 4599);
    saveAndClose({}, "Net 30");
    const EstimateTexts texts = open(1);
    const OpenedRoof opened = roof->showOpened();
    EXPECT_EQ(opened.view, RoofView::IndividualAreas);
    ASSERT_TRUE(opened.show.linealGrid);
    EXPECT_EQ(opened.show.linealGrid->size(), 1);
    EXPECT_EQ(opened.show.boxes.total, 12);
    EXPECT_EQ(texts.summary, "No summary");
    EXPECT_EQ(texts.terms, "Net 30");
}

} // namespace

} // namespace qxtest
