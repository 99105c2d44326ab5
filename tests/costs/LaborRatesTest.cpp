#include "costs/LaborRates.h"
#include "CostsFixture.h"
#include "costs/CostInput.h"
#include "costs/CostTexts.h"
#include "data/InputRules.h"

using namespace qx;

namespace qxtest {

namespace {

BurdenPercents percents(const char* fringe, const char* workComp, const char* taxes, const char* other) {
    return {*Decimal::parse(QLatin1String(fringe)), *Decimal::parse(QLatin1String(workComp)),
            *Decimal::parse(QLatin1String(taxes)), *Decimal::parse(QLatin1String(other))};
}

const BurdenPercents kDefaults = percents("2", "45", "7.65", "0");

BurdenTexts burdens(const char* a, const char* b, const char* c, const char* d) {
    return {QLatin1String(a), QLatin1String(b), QLatin1String(c), QLatin1String(d)};
}

} // namespace

TEST(LaborMathTest, BaseTwentyWithTheDefaultPercentages) {
    const auto proposed = ComputeDefault(QStringLiteral("20"), kDefaults);
    ASSERT_TRUE(proposed);
    EXPECT_EQ(*proposed, burdens("0.4", "9", "1.53", "0"));
    const RateTotal rate = ComputeTotal(QStringLiteral("20"), *proposed);
    ASSERT_TRUE(rate.ok());
    EXPECT_EQ(rate.total, Money::fromCents(3093));
    EXPECT_EQ(rate.total.toCurrency(), "$30.93");
}

TEST(LaborMathTest, BurdensRoundToThreeDecimalsHalfToEven) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"1.2345", "1.234"},  {"1.2355", "1.236"},       {"1.23450001", "1.235"},
        {"0.0005", "0"},      {"0.0015", "0.002"},       {"2", "2"},
        {"9.05625", "9.056"}, {"0.1234999999", "0.123"}, {"1,234.5675", "1234.568"},
    };
    for (const auto& c : cases) {
        const RateTotal rate = ComputeTotal(QStringLiteral("0"), burdens(c.typed, "0", "0", "0"));
        ASSERT_TRUE(rate.ok()) << c.typed;
        EXPECT_EQ(rate.burdens[0], QLatin1String(c.shown)) << c.typed;
        // The total is figured from the rounded burden, not from what was typed.
        EXPECT_EQ(Decimal::fromMoney(rate.total).toPlain(), QLatin1String(c.shown)) << c.typed;
    }
}

TEST(LaborMathTest, ProposalIsExactAndTakenOfTheBaseAlone) {
    // 45% of 20.125 is 9.05625: shown as figured, rounded by the total.
    const auto proposed = ComputeDefault(QStringLiteral("20.125"), kDefaults);
    ASSERT_TRUE(proposed);
    EXPECT_EQ(*proposed, burdens("0.4025", "9.05625", "1.5395625", "0"));
    const RateTotal rate = ComputeTotal(QStringLiteral("20.125"), *proposed);
    EXPECT_EQ(rate.burdens, burdens("0.402", "9.056", "1.54", "0"));
    EXPECT_EQ(rate.total, Money::fromRaw(311230)); // 20.125 + 0.402 + 9.056 + 1.54
    EXPECT_EQ(ComputeDefault(QStringLiteral("10"), percents("0.1", "0", "0", "3.3")),
              burdens("0.01", "0", "0", "0.33"));
}

TEST(LaborMathTest, BoxesThatHoldNoRateAreNamed) {
    const struct {
        const char* base;
        BurdenTexts burden;
        int box;
        QString message;
    } cases[] = {
        {"", burdens("0", "0", "0", "0"), 0, kMustBeNumber},
        {"abc", burdens("0", "0", "0", "0"), 0, kMustBeNumber},
        {"-20", burdens("0", "0", "0", "0"), 0, amountRangeMessage()},
        {"20", burdens("0", "x", "0", "0"), 2, kMustBeNumber},
        {"20", burdens("0", "0", "0", "-0.5"), 4, amountRangeMessage()},
        {"99999999999999999999", burdens("0", "0", "0", "0"), 0, amountRangeMessage()},
        {"20'; drop table costitem; --", burdens("0", "0", "0", "0"), 0, kMustBeNumber},
        {"999999999.99", burdens("0.01", "0", "0", "0"), 0,
         "With its burdens this rate would come to $1,000,000,000.00, which passes the limit of "
         "$999,999,999.99."},
    };
    for (const auto& c : cases) {
        const RateTotal rate = ComputeTotal(QLatin1String(c.base), c.burden);
        EXPECT_EQ(rate.problemBox, c.box) << c.base;
        EXPECT_EQ(rate.problem, c.message) << c.base;
    }
    EXPECT_FALSE(ComputeDefault(QStringLiteral("twenty"), kDefaults));
}

TEST(LaborMathTest, PercentageCalculator) {
    EXPECT_EQ(percentageOf(QStringLiteral("10"), QStringLiteral("20")), "2");
    EXPECT_EQ(percentageOf(QStringLiteral("7.65"), QStringLiteral("20")), "1.53");
    EXPECT_EQ(percentageOf(QStringLiteral("33.3333"), QStringLiteral("3")), "0.999999");
    EXPECT_FALSE(percentageOf(QStringLiteral("-5"), QStringLiteral("20")));
    EXPECT_FALSE(percentageOf(QStringLiteral("ten"), QStringLiteral("20")));
    for (const char* base : {"0", "", "0.000", "abc", "-3"})
        EXPECT_FALSE(opensPercentage(QLatin1String(base))) << base;
    EXPECT_TRUE(opensPercentage(QStringLiteral("0.01")));
    EXPECT_EQ(burdenCaption(Burden::EmpTaxes), "Employer Taxes %");
}

TEST(LaborMathTest, DecimalReadsTypedNumbersExactly) {
    const struct {
        const char* typed;
        std::optional<QString> plain;
    } cases[] = {
        {"20", "20"},       {"  7.650 ", "7.65"},  {"1,234.5", "1234.5"},
        {"-2.50", "-2.5"},  {".5", "0.5"},         {"0.000", "0"},
        {"007", "7"},       {"abc", std::nullopt}, {"1.2.3", std::nullopt},
        {"", std::nullopt}, {"1e3", std::nullopt}, {"1234567890123456789", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto value = Decimal::parse(QLatin1String(c.typed));
        EXPECT_EQ(value ? std::optional(value->toPlain()) : std::nullopt, c.plain) << c.typed;
    }
    EXPECT_EQ(Decimal::parse(QStringLiteral("0.00005"))->toMoney(), Money::fromRaw(1));
    EXPECT_EQ(Decimal::parse(QStringLiteral("-0.00005"))->toMoney(), Money::fromRaw(-1));
    EXPECT_EQ(Decimal::parse(QStringLiteral("0.00004"))->toMoney(), Money());
    EXPECT_FALSE(Decimal::parse(QStringLiteral("999999999999999999"))->toMoney());
    EXPECT_EQ(plainAmount(Money::fromRaw(309300)), "30.93");
}

class LaborRatesTest : public CostsTest {
protected:
    LaborRates rates() { return LaborRates(ctx->data, cost()); }
};

TEST_F(LaborRatesTest, DefaultPercentagesComeFromTheSettings) {
    writeDefaultSettings(ctx->settings);
    EXPECT_EQ(readBurdenPercents(ctx->settings)[int(Burden::EmpTaxes)].toPlain(), "7.65");
    ctx->settings.write(kAppName, QStringLiteral("Op"), QStringLiteral("Fringe"), QStringLiteral("2.5"));
    ctx->settings.write(kAppName, QStringLiteral("Op"), QStringLiteral("OtherCosts"), QStringLiteral("lots"));
    const BurdenPercents read = readBurdenPercents(ctx->settings);
    QStringList texts;
    for (const Decimal& d : read)
        texts << d.toPlain();
    EXPECT_EQ(texts, (QStringList{"2.5", "45", "7.65", "0"}));
}

TEST_F(LaborRatesTest, NamingARateStoresItWithoutAPrice) {
    const auto id = rates().nameRate(QStringLiteral(" O'Brien's \"lead\" roofer\u00a0"));
    ASSERT_TRUE(id);
    EXPECT_EQ(
        rows(cost(),
             QStringLiteral("select costtype,cat,costname,unit,amount from costitem where id=%1").arg(*id)),
        (QStringList{"Labor | Hourly | O'Brien's \"lead\" roofer | hr | 0"}));
    EXPECT_EQ(rows(cost(), QStringLiteral("select baserate,fringe,workcomp,taxes,other from laborcost where "
                                          "costid=%1")
                               .arg(*id)),
              (QStringList{"0 | 0 | 0 | 0 | 0"}));
}

TEST_F(LaborRatesTest, JobTitleRules) {
    EXPECT_EQ(LaborRates::titleProblem(QString()), kMsgEnterJobTitle);
    EXPECT_EQ(LaborRates::titleProblem(QStringLiteral(" \t ")), kMsgEnterJobTitle);
    EXPECT_EQ(LaborRates::titleProblem(QString(51, u'x')), tooLongMessage(50));
    EXPECT_FALSE(LaborRates::titleProblem(QString(50, u'x')));
    const qint64 before = scalar(QStringLiteral("select count(*) from costitem")).toLongLong();
    EXPECT_FALSE(rates().nameRate(QStringLiteral("  ")));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costitem")).toLongLong(), before);
}

TEST_F(LaborRatesTest, SaveStoresTheRoundedPartsAndTheBurdenedRate) {
    const qint32 id = *rates().nameRate(QStringLiteral("Roofer"));
    const RateTotal rate = ComputeTotal(QStringLiteral("20"), burdens("0.4", "9.0004", "1.53", "0.0005"));
    ASSERT_TRUE(rates().save(id, rate, QStringLiteral("Crew; \"night\" shift")));
    EXPECT_EQ(rows(cost(), QStringLiteral("select baserate,fringe,workcomp,taxes,other from laborcost where "
                                          "costid=%1")
                               .arg(id)),
              (QStringList{"200000 | 4000 | 90000 | 15300 | 0"}));
    EXPECT_EQ(rows(cost(), QStringLiteral("select descrip,amount from costitem where id=%1").arg(id)),
              (QStringList{"Crew; \"night\" shift | 309300"}));
    const auto stored = rates().load(id);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->base, Money::fromWhole(20));
    EXPECT_EQ(stored->burdens[1], Money::fromWhole(9));
    EXPECT_EQ(rates().PopCostItem(id)->notes, "Crew; \"night\" shift");
}

TEST_F(LaborRatesTest, AnHourlyItemWithoutPartsGetsThemWhenOpened) {
    const qint32 id = costItem(kTypeLabor, kCatHourly, QStringLiteral("Sweeper"), 150000, kUnitHour);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from laborcost where costid=?"), {id}).toInt(), 0);
    const auto stored = rates().load(id);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->base, Money());
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from laborcost where costid=?"), {id}).toInt(), 1);
    rates().load(id);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from laborcost where costid=?"), {id}).toInt(), 1);
}

} // namespace qxtest
