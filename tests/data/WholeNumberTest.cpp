#include "data/WholeNumber.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

const QLocale kUs(QStringLiteral("en_US"));
const QLocale kDe(QStringLiteral("de_DE"));
const QLocale kFr(QStringLiteral("fr_FR")); // groups with a narrow no-break space

} // namespace

TEST(WholeNumberTest, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{2.5, 2},     {3.5, 4},   {7.5, 8},         {-2.5, -2},
                                               {0.5, 0},     {1.5, 2},   {1341.636, 1342}, {2.4999, 2},
                                               {2.50001, 3}, {-3.7, -4}, {-7.5, -8}};
    for (auto [value, expected] : cases)
        EXPECT_EQ(qx::roundHalfEven(value), expected) << value;
    EXPECT_FALSE(std::signbit(qx::roundHalfEven(-0.5)));
}

TEST(WholeNumberTest, RoundingIgnoresTheThreadsRoundingMode) {
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const double twoAndAHalf = qx::roundHalfEven(2.5);
    const double almostTwo = qx::roundHalfEven(1.7);
    std::fesetround(saved);
    EXPECT_EQ(twoAndAHalf, 2);
    EXPECT_EQ(almostTwo, 2);
}

TEST(WholeNumberTest, ToWholeRefusesWhatDoesNotFit32Bits) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(qx::toWhole(2147483647.4), kMax);
    EXPECT_FALSE(qx::toWhole(2147483647.5)); // the even neighbour is 2^31
    EXPECT_EQ(qx::toWhole(-2147483648.5), kMin);
    EXPECT_FALSE(qx::toWhole(-2147483649.0));
    EXPECT_FALSE(qx::toWhole(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(qx::toWhole(std::numeric_limits<double>::infinity()));
}

TEST(WholeNumberTest, ParseNumberReadsWhatUsersType) {
    const struct {
        const QLocale& locale;
        const char* text;
        double expected;
    } cases[] = {
        {kUs, "12", 12},          {kUs, " 12 ", 12},        {kUs, "12.5", 12.5},        {kUs, "-3", -3},
        {kUs, "+4", 4},           {kUs, "1,000", 1000},     {kUs, "1,234.25", 1234.25}, {kUs, ".5", 0.5},
        {kDe, "12,5", 12.5},      {kDe, "-3,25", -3.25},    {kDe, "1.000", 1000},       {kDe, "12.5", 12.5},
        {kDe, "1.234,5", 1234.5}, {kFr, "1 234,5", 1234.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qx::parseNumber(QString::fromLatin1(c.text), c.locale), c.expected) << c.text;
}

TEST(WholeNumberTest, ParseNumberRefusesWhatIsNoNumber) {
    for (const char* bad :
         {"", "  ", "abc", "12a", "1e5", "1,00", "1.2.3", "--3", "- 3", "3-", ".", "$5", "0x10"})
        EXPECT_FALSE(qx::parseNumber(QString::fromLatin1(bad), kUs)) << bad;
    EXPECT_FALSE(qx::parseNumber(QStringLiteral("12,5.0"), kDe));
}

TEST(WholeNumberTest, ParseWholeRoundsAndRefuses) {
    EXPECT_EQ(qx::parseWhole(QStringLiteral("2.5"), kUs), 2);
    EXPECT_EQ(qx::parseWhole(QStringLiteral("3,5"), kDe), 4);
    EXPECT_EQ(qx::parseWhole(QStringLiteral("-2,147,483,648"), kUs),
              std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(qx::parseWhole(QStringLiteral("3000000000"), kUs));
    EXPECT_FALSE(qx::parseWhole(QStringLiteral("12a"), kUs));
}
