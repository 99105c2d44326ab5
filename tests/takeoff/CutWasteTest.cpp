#include "takeoff/CutWaste.h"
#include "PlanFixture.h"
#include "data/InputRules.h"
#include "takeoff/PlanPicture.h"

#include <QTemporaryDir>

using namespace qx;

namespace qxtest {

namespace {

RoofFigures figuresOf(double hip, double valley, double rake, std::int64_t area) {
    RoofFigures figures;
    figures.lengths[size_t(EdgeClass::Hip)] = hip;
    figures.lengths[size_t(EdgeClass::Valley)] = valley;
    figures.lengths[size_t(EdgeClass::Rake)] = rake;
    figures.roofArea = area;
    return figures;
}

WasteSettings rates(std::int64_t base, std::int64_t hipValley, std::int64_t rake) {
    WasteSettings settings;
    settings.values = {base, hipValley, rake};
    return settings;
}

} // namespace

TEST(CutWaste, PercentFromTheRoofsEdges) {
    const struct {
        RoofFigures figures;
        WasteSettings rates;
        std::optional<std::int32_t> percent;
    } cases[] = {
        {figuresOf(90, 0, 0, 1342), WasteSettings(), 15},  // 5 + 10.06
        {figuresOf(40, 50, 0, 1000), WasteSettings(), 18}, // valleys count with hips: 18.5 to the even 18
        {figuresOf(0, 0, 100, 1000), WasteSettings(), 10}, // 5 + 5
        {figuresOf(0, 0, 50, 1000), rates(0, 0, 5000), 2}, // 2.5 goes to the even 2
        {figuresOf(0, 0, 70, 1000), rates(0, 0, 5000), 4}, // 3.5 goes to the even 4
        {figuresOf(90, 0, 0, 0), WasteSettings(), {}},     // no roof area: no waste
        {figuresOf(1e9, 0, 0, 1), rates(0, 10'000'000, 0), {}}, // beyond a whole number
    };
    for (const auto& c : cases) {
        const auto waste = cutWaste(c.figures, c.rates);
        EXPECT_EQ(waste ? std::optional(waste->percent) : std::nullopt, c.percent) << c.figures.roofArea;
    }
}

TEST(CutWaste, TheRoofDetailPrintsTheWorking) {
    const QStringList lines = planReportLines(tracedHip(), WasteSettings());
    EXPECT_EQ(lines.last(), QStringLiteral("Cut waste 15% = 5% + 1.5 sq ft x 90.0 ft of hips and valleys + "
                                           "0.5 sq ft x 0.0 ft of rakes over 1342 sq ft"));
}

TEST(WasteSettings, KeptInTheSettingsStore) {
    const QTemporaryDir config;
    SettingsStore store(config.path());
    EXPECT_EQ(WasteSettings::load(store), WasteSettings());
    EXPECT_EQ(WasteSettings::load(store).typed(), (WasteSettings::Typed{"5", "1.5", "0.5"}));

    const WasteSettings::Typed typed{"7.25", "0", "1000"};
    ASSERT_FALSE(WasteSettings::check(typed));
    WasteSettings::from(typed).save(store);
    EXPECT_EQ(WasteSettings::load(store), rates(72'500, 0, 10'000'000));

    // Refused: negative, no number, beyond 1000; the first refused box is named.
    const auto refusal = WasteSettings::check({"5", "-1", "x"});
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->field, WasteSettings::HipValley);
    EXPECT_EQ(WasteSettings::checkValue(QStringLiteral("x")), kMustBeNumber);
    EXPECT_EQ(WasteSettings::checkValue(QStringLiteral("1000.5")), percentRangeMessage());
}

} // namespace qxtest
