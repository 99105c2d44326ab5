#include "EstimateFixture.h"

#include "data/DateText.h"
#include "estimate/OpenEstimate.h"
#include "estimate/SaveEstimate.h"
#include "lines/EstimateTotals.h"
#include "takeoff/LinealTypes.h"

using namespace qx;

namespace qxtest {

namespace {

const QString kToday = QDate::currentDate().toString(Qt::ISODate);

class SaveEstimateTest : public EstimateTest {
protected:
    void SetUp() override {
        EstimateTest::SetUp();
        ctx->data.file(mast()).exec("update master set estdate='2020-02-03'");
    }
    SaveOutcome save(Prompter::Answer answer, const QString& summary = {}, const QString& terms = {}) {
        prompter.queueAnswer(answer);
        return SaveEstimate(*ctx, state, *lines).SaveEst(summary, terms);
    }
    void fillEstimate() {
        roof->addArea({kShapeRect, 40, 0, 16, 640});
        roof->addArea({kShapeTrap, 14, 30, 9, 198});
        roof->addLineal({kLinealCap, "Bob's ridge", 82, 85});
        add("Roof", 20, "Shingles", "Material", 30, 4599);
        add("Roof", 9, "Tear-off crew", "Labor", 16, 3250);
        add("Gutters", 5, "Seamless gutter", "SubCon", 120, 875);
    }
    QStringList storedLines() {
        return rows(est(), "select ID,Sect,SecOrder,Name,ItemTable,Qty,Unit,Cost,LineTotal from LineItems "
                           "order by ID");
    }
};

TEST_F(SaveEstimateTest, YesStoresEverythingAndMakesTheEstimatePendingToday) {
    fillEstimate();
    totals->setAdmin(EstimateTotals::Contingency, AdminAmount::fixedAmount(Money::fromCents(25000)));
    EXPECT_EQ(save(Prompter::Answer::Yes, "Tear off and\nreroof, O'Neil's house"), SaveOutcome::Saved);

    EXPECT_EQ(prompter.log().first(),
              "message: Is this estimate complete? | Click 'Yes' if estimate is complete.\\nClick 'No' if "
              "not.\\nClick 'Cancel' if neither and return to estimate.\\n -> yes");
    EXPECT_EQ(registerRow(), QStringList({"Pending | " + kToday}));
    EXPECT_EQ(state.sEstStatus, "Pending");
    EXPECT_EQ(
        rows(est(), "select Overhead,Profit,Contingency,Management,EstSummary,PaymentTerms from Main"),
        QStringList({"%-15 | %-15 | Fixed-250.00 | %-2 | Tear off and\nreroof, O'Neil's house | No terms"}));
    EXPECT_EQ(rows(est(), "select ID,Shape,Width1,Width2,Height,Total from Areas"),
              QStringList({"1 | 0 | 40 | 0 | 16 | 640", "2 | 2 | 14 | 30 | 9 | 198"}));
    EXPECT_EQ(rows(est(), "select ID,Type,Name,Length,Total from Lineal"),
              QStringList({"1 | 1 | Bob's ridge | 82 | 85"}));
    EXPECT_EQ(storedLines(), QStringList({"1 | Roof | 0 | Shingles | Material | 30 | sq | 459900 | 13797000",
                                          "2 | Roof | 0 | Tear-off crew | Labor | 16 | sq | 325000 | 5200000",
                                          "3 | Gutters | 1 | Seamless gutter | SubCon | 120 | sq | 87500 | "
                                          "10500000"}));
    // The estimate is stored: unchanged, and no longer new.
    EXPECT_FALSE(state.bChanged);
    EXPECT_EQ(state.sOpenMode, WorkState::kOpen);
}

TEST_F(SaveEstimateTest, TheAnswerDecidesStatusAndDate) {
    struct Case {
        QString status;
        std::optional<Prompter::Answer> answer; // none: no question is asked
        SaveOutcome outcome;
        QString registerAfter;
        bool written;
    } cases[] = {
        {"Working", Prompter::Answer::No, SaveOutcome::Saved, "Working | 2020-02-03", true},
        {"Working", Prompter::Answer::Cancel, SaveOutcome::Cancelled, "Working | 2020-02-03", false},
        {"Working", Prompter::Answer::Yes, SaveOutcome::Saved, "Pending | " + kToday, true},
        {"Accepted", std::nullopt, SaveOutcome::Saved, "Accepted | 2020-02-03", true},
        {"Rejected", std::nullopt, SaveOutcome::Saved, "Rejected | 2020-02-03", true},
    };
    fillEstimate();
    for (const Case& c : cases) {
        ctx->data.file(mast()).exec("update master set eststatus=?, estdate='2020-02-03'", {c.status});
        ctx->data.file(est()).exec("delete from LineItems");
        ctx->data.file(temp()).exec("update tplineitems set lineitemid=0");
        state.sEstStatus = c.status;
        state.bChanged = true;
        const int shown = prompter.messageCount();
        if (c.answer)
            prompter.queueAnswer(*c.answer);
        EXPECT_EQ(SaveEstimate(*ctx, state, *lines).SaveEst({}, {}), c.outcome) << c.status.toStdString();
        EXPECT_EQ(prompter.messageCount() - shown, c.answer ? 1 : 0);
        EXPECT_EQ(registerRow(), QStringList({c.registerAfter}));
        EXPECT_EQ(storedLines().size(), c.written ? 3 : 0);
        EXPECT_EQ(state.bChanged, !c.written);
    }
}

TEST_F(SaveEstimateTest, CancelWritesNothingAndKeepsTheEstimateNew) {
    fillEstimate();
    state.bChanged = true;
    const QStringList before = estimateFile();
    EXPECT_EQ(save(Prompter::Answer::Cancel), SaveOutcome::Cancelled);
    EXPECT_EQ(estimateFile(), before);
    EXPECT_EQ(rows(temp(), "select AreaID from TempAreas"), QStringList({"0", "0"}));
    EXPECT_EQ(state.sOpenMode, WorkState::kNew);
    EXPECT_TRUE(state.bChanged);
}

TEST_F(SaveEstimateTest, AnEstimateWithoutLinesIsNotSaved) {
    roof->addArea({kShapeRect, 40, 0, 16, 640});
    const QStringList before = estimateFile();
    EXPECT_EQ(SaveEstimate(*ctx, state, *lines).SaveEst({}, {}), SaveOutcome::NoItems);
    EXPECT_EQ(
        prompter.log(),
        QStringList({"message: Quorvex | There are no items listed for this estimate so it cannot be saved. "
                     "-> ok"}));
    EXPECT_EQ(estimateFile(), before);
}

TEST_F(SaveEstimateTest, RepeatedSavesUpdateStoredRowsAndAddOnlyNewOnes) {
    fillEstimate();
    ASSERT_EQ(save(Prompter::Answer::No), SaveOutcome::Saved);
    ASSERT_EQ(save(Prompter::Answer::No), SaveOutcome::Saved);
    const QStringList once = estimateFile();
    EXPECT_EQ(storedLines().size(), 3);

    // An edit, a new line and a new area: the stored rows change in place, the new ones are added (a new
    // line's key is the highest key so far plus its working number).
    lines->pending() = {20,
                        0,
                        "Roof",
                        "Material",
                        32,
                        "sq",
                        "Shingles",
                        Money::fromCents(4599),
                        lineTotalOf(32, Money::fromCents(4599)),
                        true};
    ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Edit, 1));
    add("Gutters", 6, "Downspout", "Material", 4, 2100);
    roof->addArea({kShapeTri, 16, 0, 9, 72});
    ASSERT_EQ(save(Prompter::Answer::No), SaveOutcome::Saved);
    ASSERT_EQ(save(Prompter::Answer::No), SaveOutcome::Saved);
    EXPECT_EQ(storedLines(),
              QStringList({"1 | Roof | 0 | Shingles | Material | 32 | sq | 459900 | 14716800",
                           "2 | Roof | 0 | Tear-off crew | Labor | 16 | sq | 325000 | 5200000",
                           "3 | Gutters | 1 | Seamless gutter | SubCon | 120 | sq | 87500 | "
                           "10500000",
                           "7 | Gutters | 1 | Downspout | Material | 4 | sq | 210000 | 840000"}));
    EXPECT_EQ(rows(est(), "select count(*) from Areas"), QStringList({"3"}));
    EXPECT_EQ(rows(est(), "select count(*) from Lineal"), QStringList({"1"}));
    EXPECT_EQ(rows(temp(), "select autoid,lineitemid from tplineitems order by autoid"),
              QStringList({"1 | 1", "2 | 2", "3 | 3", "4 | 7"}));
    EXPECT_NE(estimateFile(), once);
}

TEST_F(SaveEstimateTest, AFailingStatementLeavesTheLastGoodSaveIntact) {
    fillEstimate();
    ASSERT_EQ(save(Prompter::Answer::No, "First summary"), SaveOutcome::Saved);
    const QStringList lastGood = estimateFile();

    // The next save changes a stored line, adds an area and a line, and the line's insert fails.
    ctx->data.file(est()).exec("create trigger refuse before insert on LineItems when new.Name='Broken' "
                               "begin select raise(abort, 'refused'); end");
    roof->addArea({kShapeTri, 16, 0, 9, 72});
    roof->addLineal({kLinealMisc, "Flashing", 12, 12});
    lines->pending() = {20,
                        0,
                        "Roof",
                        "Material",
                        99,
                        "sq",
                        "Shingles",
                        Money::fromCents(4599),
                        lineTotalOf(99, Money::fromCents(4599)),
                        true};
    ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Edit, 1));
    add("Roof", 30, "Broken", "Material", 1, 100);
    state.bChanged = true;
    EXPECT_EQ(save(Prompter::Answer::Yes, "Second summary"), SaveOutcome::Failed);

    EXPECT_EQ(prompter.lastText(), "Error 19 (refused) in procedure SaveEst of Form frmQuovi");
    EXPECT_EQ(estimateFile(), lastGood);
    EXPECT_EQ(registerRow(), QStringList({"Working | 2020-02-03"}));
    EXPECT_EQ(state.sEstStatus, "Working");
    EXPECT_TRUE(state.bChanged);
    // The new line keeps the key it was to be stored under: the next save stores it under that key.
    EXPECT_EQ(rows(temp(), "select lineitemid from tplineitems order by autoid"),
              QStringList({"1", "2", "3", "7"}));

    // Once the cause is gone the same working copy saves whole, each row once.
    ctx->data.file(est()).exec("drop trigger refuse");
    ASSERT_EQ(save(Prompter::Answer::No), SaveOutcome::Saved);
    ASSERT_EQ(save(Prompter::Answer::No), SaveOutcome::Saved);
    EXPECT_EQ(rows(est(), "select count(*) from Areas"), QStringList({"3"}));
    EXPECT_EQ(rows(est(), "select count(*) from Lineal"), QStringList({"2"}));
    EXPECT_EQ(rows(est(), "select ID,Name,Qty from LineItems order by ID"),
              QStringList({"1 | Shingles | 99", "2 | Tear-off crew | 16", "3 | Seamless gutter | 120",
                           "7 | Broken | 1"}));
}

TEST_F(SaveEstimateTest, AFailingRoofStatementIsReportedWhereItHappened) {
    fillEstimate();
    ctx->data.file(est()).exec("create trigger refuse before insert on Lineal "
                               "begin select raise(abort, 'no lineal'); end");
    const QStringList before = estimateFile();
    EXPECT_EQ(save(Prompter::Answer::No), SaveOutcome::Failed);
    EXPECT_EQ(prompter.lastText(), "Error 19 (no lineal) in procedure SaveLineals of Module modRoof");
    EXPECT_EQ(estimateFile(), before);
}

TEST_F(SaveEstimateTest, DocumentCreationSavesWithoutTheQuestionAndKeepsTheStatus) {
    fillEstimate();
    EXPECT_EQ(SaveEstimate(*ctx, state, *lines).saveWithoutQuestion({}, {}), SaveOutcome::Saved);
    EXPECT_EQ(prompter.messageCount(), 0);
    EXPECT_EQ(state.sEstStatus, "Working");
    EXPECT_EQ(registerRow(), QStringList({"Working | 2020-02-03"}));
    EXPECT_EQ(state.sOpenMode, WorkState::kOpen);
    EXPECT_EQ(storedLines().size(), 3);
}

} // namespace

} // namespace qxtest
