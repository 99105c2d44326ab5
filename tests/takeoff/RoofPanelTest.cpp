#include "TakeoffFixture.h"
#include "takeoff/RoofSave.h"
#include "takeoff/TakeoffTexts.h"

using namespace qx;

namespace qxtest {

using RoofPanelTest = TakeoffTest;

TEST_F(RoofPanelTest, AreasAndLinealsMakeTheRoofTotal) {
    panel->addArea(rect(12, 10));
    RoofShow shown = panel->addArea(AreaMeasures{kShapeTri, 5, 0, 3, 8});
    ASSERT_TRUE(shown.areaGrid);
    EXPECT_EQ(shown.areaGrid->columns, RoofAreas::gridCaptions());
    EXPECT_EQ(shown.areaGrid->size(), 2);
    EXPECT_EQ(shown.boxes, (RoofBoxes{128, 0, 128}));
    EXPECT_EQ(rows(temp(), QStringLiteral("select AreaID,Pitch from TempAreas")),
              (QStringList{QStringLiteral("0 | 0"), QStringLiteral("0 | 0")}));

    shown = panel->addLineal(item(kLinealCap, QStringLiteral("Ridge"), 100, 104));
    EXPECT_TRUE(shown.changed);
    EXPECT_EQ(shown.boxes.areaText() + "/" + shown.boxes.linealText() + "/" + shown.boxes.totalText(),
              QStringLiteral("128/104/232"));

    // Deleting every area leaves the lineal total alone.
    prompter.queueAnswer(Prompter::Answer::Yes);
    panel->deleteArea(1);
    prompter.queueAnswer(Prompter::Answer::Yes);
    shown = panel->deleteArea(2);
    EXPECT_EQ(shown.areaGrid->size(), 0);
    EXPECT_EQ(shown.boxes, (RoofBoxes{0, 104, 104}));
}

TEST_F(RoofPanelTest, RoomIsWhatTheTotalBoxCanStillTake) {
    EXPECT_EQ(panel->room(), kMaxMeasure);
    panel->addArea(rect(12, 10));
    panel->addLineal(item(kLinealCap, QStringLiteral("Ridge"), 100, 104));
    EXPECT_EQ(panel->room(), kMaxMeasure - 224);
    // Editing the rectangle may use its own 120 again.
    EXPECT_EQ(panel->room(120), kMaxMeasure - 104);
}

TEST_F(RoofPanelTest, EditTakesThePitchAway) {
    panel->Figure(QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("40"));
    const RoofShow shown = panel->editArea(1, AreaMeasures{kShapeTrap, 10, 20, 5, 75});
    EXPECT_EQ(shown.boxes.area, 75);
    EXPECT_EQ(rows(temp(), QStringLiteral("select Shape,Pitch,Width1,Width2,Height,Total from TempAreas")),
              QStringList{QStringLiteral("2 | 0 | 10 | 20 | 5 | 75")});
    EXPECT_EQ(panel->loadArea(1), (AreaMeasures{kShapeTrap, 10, 20, 5, 75}));
}

TEST_F(RoofPanelTest, DeleteAsksAndNoChangesNothing) {
    panel->addArea(rect(12, 10));
    panel->addLineal(item(kLinealMisc, QStringLiteral("Flashing"), 12, 12));
    state.bChanged = false;

    RoofShow shown = panel->deleteArea(1); // unanswered: No is the default
    EXPECT_EQ(
        prompter.log().last(),
        QStringLiteral("message: Confirm delete. | Are you sure you want to delete this area? -> default"));
    shown = panel->deleteLineal(1);
    EXPECT_EQ(prompter.lastText(), kAskDeleteItem);
    EXPECT_FALSE(shown.changed);
    EXPECT_FALSE(shown.areaGrid || shown.linealGrid);
    EXPECT_EQ(shown.boxes, (RoofBoxes{120, 12, 132}));
    EXPECT_FALSE(state.bChanged);

    // With an empty list there is no row to act on: nothing is asked.
    const int asked = prompter.messageCount();
    panel->deleteArea(0);
    panel->editLineal(0, item(kLinealMisc, QStringLiteral("x"), 1, 1));
    EXPECT_EQ(prompter.messageCount(), asked);
    EXPECT_EQ(count(temp(), QStringLiteral("TempAreas")) + count(temp(), QStringLiteral("TempLineal")), 2);
}

TEST_F(RoofPanelTest, DeletingAStoredRowRemovesItFromTheEstimateFileAtOnce) {
    openEstimate();
    panel->addArea(rect(12, 10));
    panel->addArea(rect(2, 2));
    panel->addLineal(item(kLinealCap, QStringLiteral("Ridge"), 100, 104));
    SaveAreas(ctx->data, temp(), est());
    SaveLineals(ctx->data, temp(), est());

    prompter.queueAnswer(Prompter::Answer::Yes);
    panel->deleteArea(1);
    prompter.queueAnswer(Prompter::Answer::Yes);
    panel->deleteLineal(1);
    EXPECT_EQ(rows(est(), QStringLiteral("select Width1 from Areas")), QStringList{QStringLiteral("2")});
    EXPECT_EQ(count(est(), QStringLiteral("Lineal")), 0);
}

TEST_F(RoofPanelTest, ViewSwitchClearsWorkingAndStoredAreas) {
    const QString zero = QStringLiteral("0");
    openEstimate();
    // With an Area box of 0 nothing is asked.
    EXPECT_EQ(panel->switchView(false, zero, zero).outcome, ViewSwitch::Switched);
    EXPECT_EQ(prompter.messageCount(), 0);

    panel->addArea(rect(12, 10));
    SaveAreas(ctx->data, temp(), est());
    panel->addArea(rect(3, 3));
    panel->addLineal(item(kLinealMisc, QStringLiteral("Flashing"), 12, 12));
    EXPECT_EQ(panel->switchView(true, zero, zero).outcome, ViewSwitch::Ignored);

    ViewSwitch change = panel->switchView(false, zero, zero); // No by default
    EXPECT_EQ(prompter.lastText(), kAskChangeView);
    EXPECT_EQ(change.outcome, ViewSwitch::Kept);
    EXPECT_EQ(count(temp(), QStringLiteral("TempAreas")), 2);

    prompter.queueAnswer(Prompter::Answer::Yes);
    change = panel->switchView(false, zero, zero);
    EXPECT_EQ(change.outcome, ViewSwitch::Switched);
    EXPECT_TRUE(change.clearInputs);
    EXPECT_EQ(change.show.areaGrid->size(), 0);
    EXPECT_EQ(change.show.boxes, (RoofBoxes{0, 12, 12}));
    EXPECT_EQ(count(temp(), QStringLiteral("TempAreas")), 0);
    EXPECT_EQ(count(est(), QStringLiteral("Areas")), 0);
}

TEST_F(RoofPanelTest, OpenedEstimateShowsTheViewItsRowsAskFor) {
    exec(temp(),
         QStringLiteral("insert into TempAreas(AreaID,Pitch,Width1,Height,Total) values(4,6,30,40,1342)"));
    exec(temp(), QStringLiteral(
                     "insert into TempLineal(LinealID,Type,Name,Length,Total) values(2,1,'Ridge',100,104)"));
    OpenedRoof opened = panel->showOpened();
    EXPECT_EQ(opened.view, RoofView::TotalArea);
    EXPECT_EQ(QStringList({opened.pitch, opened.width, opened.height}),
              (QStringList{QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("40")}));
    EXPECT_EQ(opened.show.linealGrid->size(), 1);
    EXPECT_EQ(opened.show.boxes, (RoofBoxes{1342, 104, 1446}));

    panel->reset();
    exec(temp(), QStringLiteral("update TempAreas set Pitch=0"));
    opened = panel->showOpened();
    EXPECT_EQ(opened.view, RoofView::IndividualAreas);
    EXPECT_EQ(opened.show.areaGrid->size(), 1);

    // Without areas the lineal items and totals still show.
    panel->reset();
    exec(temp(), QStringLiteral("delete from TempAreas"));
    opened = panel->showOpened();
    EXPECT_EQ(opened.show.boxes, (RoofBoxes{0, 104, 104}));
}

TEST_F(RoofPanelTest, FailedReadsAreReportedAndKeepTheBoxes) {
    panel->addArea(rect(12, 10));
    exec(temp(), QStringLiteral("drop table TempAreas"));
    const RoofShow shown = panel->addArea(rect(1, 1));
    EXPECT_FALSE(shown.areaGrid);
    EXPECT_EQ(shown.boxes.area, 120);
    const QStringList log = prompter.log();
    EXPECT_TRUE(log.last().contains(QStringLiteral(") in procedure TotalArea of Form frmQuovi")));
    EXPECT_TRUE(
        log.at(log.size() - 2).contains(QStringLiteral(") in procedure PopAreaGrid of Form frmQuovi")));
}

} // namespace qxtest
