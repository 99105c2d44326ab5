#include "TestFolders.h"

#include "app/MainWindowTexts.h"
#include "app/StartUp.h"
#include "app/WorkModes.h"
#include "data/WorkState.h"
#include "setup/Greeting.h"

using namespace qx;

namespace {

using StartUpTest = qxtest::ProgramFolderTest;

QStringList keys(const SettingsList& list) {
    QStringList out;
    for (const auto& [key, value] : list)
        out << key;
    return out;
}

TEST_F(StartUpTest, FirstStartWritesDefaultsInOrderAndThePath) {
    EXPECT_TRUE(StartUp::ensureSettings(ctx->settings, ctx->folder.root()));
    EXPECT_EQ(
        keys(ctx->settings.list(kAppName, "CoInfo")),
        QStringList({"Name", "Address", "City", "ST", "Zip", "Phone", "Fax", "Cell", "Email", "Website"}));
    EXPECT_EQ(keys(ctx->settings.list(kAppName, "Op")),
              QStringList({"Greet", "Overhead", "Profit", "Contingency", "Management", "WorkComp", "EmpTaxes",
                           "OtherCosts", "Fringe"}));
    EXPECT_EQ(ctx->settings.read(kAppName, "Common", "Path"), ctx->folder.root());
    EXPECT_TRUE(StartUp::GreetingPredicate(ctx->settings));
}

TEST_F(StartUpTest, LaterStartsKeepWhatTheUserChanged) {
    StartUp::ensureSettings(ctx->settings, ctx->folder.root());
    ctx->settings.write(kAppName, "Op", "Overhead", "Fixed-100");
    Greeting::okay(ctx->settings, false);
    EXPECT_FALSE(StartUp::ensureSettings(ctx->settings, "/elsewhere"));
    EXPECT_EQ(ctx->settings.readAt(kAppName, "Op", 1), "Fixed-100");
    EXPECT_EQ(ctx->settings.read(kAppName, "Op", "Greet"), "0");
    EXPECT_FALSE(StartUp::GreetingPredicate(ctx->settings));
    EXPECT_EQ(ctx->settings.read(kAppName, "Common", "Path"), ctx->folder.root());
}

TEST_F(StartUpTest, GreetingShowsOnlyForTheNumberOne) {
    StartUp::ensureSettings(ctx->settings, ctx->folder.root());
    Greeting::okay(ctx->settings, true); // left checked: nothing written
    EXPECT_EQ(ctx->settings.read(kAppName, "Op", "Greet"), "1");
    for (const auto& [value, shown] : {std::pair{"1.0", true}, {"2", false}, {"", false}, {"yes", false}}) {
        ctx->settings.write(kAppName, "Op", "Greet", value);
        EXPECT_EQ(StartUp::GreetingPredicate(ctx->settings), shown) << value;
    }
}

TEST(WorkModes, MenusFollowIdleAndNonIdle) {
    const MenuState idle = ActiveMenuState("idle");
    EXPECT_TRUE(idle.newEstimate && idle.open && idle.figure && idle.manage && idle.about && idle.setupMenu);
    EXPECT_FALSE(idle.closeEstimate);
    const MenuState busy = ActiveMenuState("nonidle");
    EXPECT_FALSE(busy.newEstimate || busy.open || busy.figure || busy.manage || busy.about ||
                 busy.setupMenu || busy.reportsMenu || busy.reportBug);
    EXPECT_TRUE(busy.closeEstimate && busy.contents);
}

TEST(WorkModes, FigureAndReportOfferOnlyTheirTabs) {
    EXPECT_EQ(figureView().tabs, (TabEnablement{false, true, false, false, true}));
    EXPECT_EQ(figureView().docTabs, (DocTabEnablement{false, false, false, true}));
    EXPECT_EQ(reportView().tabs, (TabEnablement{false, false, false, false, true}));
    EXPECT_EQ(reportView().docTabs, (DocTabEnablement{true, false, false, false}));
    EXPECT_EQ(newEstimateView().tabs, (TabEnablement{true, false, false, false, false}));
    EXPECT_TRUE(exitQuestion(WorkState::kNew).has_value());
    EXPECT_TRUE(exitQuestion(WorkState::kOpen)->endsWith("Doing so loses any unsaved work."));
    EXPECT_FALSE(exitQuestion(WorkState::kFigure).has_value());
    EXPECT_FALSE(exitQuestion(QString()).has_value());
    EXPECT_EQ(bugReportUrl(), "mailto:support@quorvex.example?subject=QX_Bug");
}

} // namespace
