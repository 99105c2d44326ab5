#include "../estimate/EstimateFixture.h"

#include "app/EstimateCommands.h"
#include "estimate/SaveEstimate.h"
#include "takeoff/LinealTypes.h"

using namespace qx;

namespace {

struct Case {
    const char* what;
    QString mode;
    bool readOnly;
    bool changed;
    // save, saveForDocuments, markSent, askSaveOnClose
    EstimateCommands allowed;
    bool quitAsks;
};

TEST(EstimateCommands, AnEstimateOpenedReadOnlyIsNeverStoredAndClosesWithoutAQuestion) {
    const Case cases[] = {
        {"new", WorkState::kNew, false, false, {true, true, true, true}, true},
        {"open, unchanged", WorkState::kOpen, false, false, {true, true, true, false}, true},
        {"open, changed", WorkState::kOpen, false, true, {true, true, true, true}, true},
        {"open read-only, changed", WorkState::kOpen, true, true, {false, false, false, false}, false},
        {"figure, changed", WorkState::kFigure, false, true, {false, false, false, false}, false},
        {"report", WorkState::kReport, false, false, {false, false, false, false}, false},
        {"idle", QString(), false, false, {false, false, false, false}, false},
    };
    for (const Case& c : cases) {
        WorkState state;
        state.sOpenMode = c.mode;
        state.readOnly = c.readOnly;
        state.bChanged = c.changed;
        const EstimateCommands got = estimateCommands(state);
        EXPECT_EQ(got.save, c.allowed.save) << c.what;
        EXPECT_EQ(got.saveForDocuments, c.allowed.saveForDocuments) << c.what;
        EXPECT_EQ(got.markSent, c.allowed.markSent) << c.what;
        EXPECT_EQ(got.askSaveOnClose, c.allowed.askSaveOnClose) << c.what;
        EXPECT_EQ(exitQuestion(state).has_value(), c.quitAsks) << c.what;
        EXPECT_EQ(windowCaption(state), c.readOnly ? "Quorvex (read-only)" : "Quorvex") << c.what;
    }
}

class ReadOnlyEstimate : public qxtest::EstimateTest {};

// Deleting a line on screen takes a stored line out of the estimate file at once; not out of the file
// of an estimate that another PC holds.
TEST_F(ReadOnlyEstimate, DeletingALineOrARoofRowLeavesTheStoredRowsInTheFile) {
    add("Roof", 1, "Shingles", "Material", 10, 4599);
    roof->addArea({kShapeRect, 40, 0, 16, 640});
    roof->addLineal({kLinealCap, "Ridge", 82, 85});
    ASSERT_EQ(SaveEstimate(*ctx, state, *lines).saveWithoutQuestion("Stored", {}), SaveOutcome::Saved);
    state.readOnly = true;
    const qint32 line = lines->workingLines().first().autoId;
    EXPECT_TRUE(lines->AddLineItem(LineItems::Change::Delete, line));
    EXPECT_FALSE(lines->lineExists(line));
    prompter.queueAnswer(Prompter::Answer::Yes);
    prompter.queueAnswer(Prompter::Answer::Yes);
    roof->deleteArea(1);
    roof->deleteLineal(1);
    EXPECT_EQ(rows(temp(), "select count(*) from TempAreas"), QStringList{"0"});
    EXPECT_EQ(rows(est(), "select name from lineitems"), QStringList{"Shingles"});
    EXPECT_EQ(rows(est(), "select (select count(*) from areas), (select count(*) from lineal)"),
              QStringList{"1 | 1"});
    EXPECT_EQ(prompter.messageCount(), 2) << prompter.log().join("\n").toStdString();
}

} // namespace
