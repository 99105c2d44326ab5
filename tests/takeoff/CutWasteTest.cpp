#include "takeoff/CutWaste.h"
#include "PlanFixture.h"
#include "data/InputRules.h"
#include "takeoff/PlanPicture.h"
#include "takeoff/PlanRows.h"

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

// The roof detail prints the working of exactly the cut waste that applying the plan writes as an item:
// none for one that comes to 0%.
TEST(CutWaste, TheRoofDetailPrintsTheWorkingOfTheItemWritten) {
    const struct {
        WasteSettings rates;
        QString line; // empty: no item and no line
    } cases[] = {
        {WasteSettings(), "Cut waste 15% = 5% + 1.5 sq ft x 90.0 ft of hips and valleys + 0.5 sq ft x 0.0 ft "
                          "of rakes over 1342 sq ft"},
        {rates(0, 1000, 0), "Cut waste 1% = 0% + 0.1 sq ft x 90.0 ft of hips and valleys + 0 sq ft x 0.0 ft "
                            "of rakes over 1342 sq ft"}, // 0.67%
        {rates(0, 500, 0), ""},                          // 0.34%: 0%
        {rates(0, 0, 0), ""},
    };
    for (const auto& c : cases) {
        const auto rows = planRows(tracedHip(), c.rates);
        ASSERT_TRUE(std::holds_alternative<PlanRows>(rows));
        const auto& item = std::get<PlanRows>(rows).waste;
        const QStringList lines = planReportLines(tracedHip(), c.rates);
        EXPECT_EQ(item.has_value(), !c.line.isEmpty()) << c.rates.values[1];
        EXPECT_EQ(lines.last(), c.line.isEmpty() ? QStringLiteral("Valley             0.0") : c.line);
    }
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
