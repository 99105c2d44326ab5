#include "data/Money.h"

#include <gtest/gtest.h>

#include <limits>

using qx::Money;

namespace {

Money amount(const char* plain) {
    return Money::parsePlain(QString::fromLatin1(plain)).value();
}

const QLocale kUs(QStringLiteral("en_US"));
const QLocale kDe(QStringLiteral("de_DE"));

} // namespace

TEST(MoneyTest, ProductsTakeTheFactorAsItsShortestDecimal) {
    EXPECT_EQ(amount("1000.00").timesRoundedToRaw(0.15), amount("150.0000"));
    EXPECT_EQ(amount("19.99").timesRoundedToRaw(0.333), amount("6.6567")); // 6.65667
    // 1.15 is 1.149999... in binary; 50 ten-thousandths times it is exactly 57.5 of them, not 57.4999...
    EXPECT_EQ(Money::fromRaw(50).timesRoundedToRaw(1.15), Money::fromRaw(58));
    EXPECT_EQ(Money::fromRaw(-50).timesRoundedToRaw(1.15), Money::fromRaw(-58));
    EXPECT_EQ(Money::fromRaw(3).timesRoundedToRaw(0.1), Money::fromRaw(0));
    EXPECT_EQ(amount("12.50").timesRoundedToRaw(-2.0), amount("-25.00"));
}

TEST(MoneyTest, ProductsRoundHalfAwayFromZero) {
    EXPECT_EQ(Money::fromRaw(5).timesRoundedToRaw(0.5), Money::fromRaw(3)); // 2.5 -> 3, not 2
    EXPECT_EQ(Money::fromRaw(-5).timesRoundedToRaw(0.5), Money::fromRaw(-3));
    EXPECT_EQ(amount("1.25").timesRoundedToCents(0.5), amount("0.63"));
    EXPECT_EQ(amount("-1.25").timesRoundedToCents(0.5), amount("-0.63"));
    // Rounded once from the exact product: 0.00495 is under half a cent, although to four decimals
    // it would read 0.0050.
    EXPECT_EQ(amount("4.95").timesRoundedToCents(0.001), Money());
    EXPECT_EQ(amount("0.005").roundedToCents(), amount("0.01"));
    EXPECT_EQ(amount("-0.005").roundedToCents(), amount("-0.01"));
    EXPECT_EQ(amount("0.0049").roundedToCents(), Money());
}

TEST(MoneyTest, ProductsOfLargeAndTinyFactorsStayExact) {
    const Money trillion = Money::fromWhole(1'000'000'000'000);
    EXPECT_EQ(trillion.timesRoundedToRaw(1.0001), Money::fromWhole(1'000'100'000'000));
    EXPECT_EQ(trillion.timesRoundedToRaw(1e-20), Money());
    EXPECT_EQ(Money::fromRaw(1).timesRoundedToRaw(1e15), Money::fromWhole(100'000'000'000));
    // Too large for an amount: held at the largest one instead of wrapping round to a negative.
    EXPECT_EQ(trillion.timesRoundedToRaw(1e20).raw(), std::numeric_limits<std::int64_t>::max());
}

TEST(MoneyTest, PlainTextForStorage) {
    EXPECT_EQ(Money::fromWhole(100).toPlain(), QStringLiteral("100.00"));
    EXPECT_EQ(Money::fromWhole(100).toPlain(4), QStringLiteral("100.0000"));
    EXPECT_EQ(amount("-0.5").toPlain(), QStringLiteral("-0.50"));
    EXPECT_EQ(amount("-0.004").toPlain(), QStringLiteral("0.00"));
    EXPECT_EQ(amount("1.235").toPlain(), QStringLiteral("1.24"));
    EXPECT_EQ(amount("-2.5").toPlain(0), QStringLiteral("-3"));
    const Money largest = Money::fromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Money::parsePlain(largest.toPlain(4)), largest);
    // The negative range is one ten-thousandth longer; its end reads back too, and no further.
    const Money lowest = Money::fromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Money::parsePlain(lowest.toPlain(4)), lowest);
    EXPECT_EQ(Money::parsePlain(lowest.toPlain(2)), lowest.roundedToCents());
    EXPECT_FALSE(Money::parsePlain(QStringLiteral("-922337203685477.5809")));
    EXPECT_FALSE(Money::parsePlain(QStringLiteral("922337203685477.5808")));
}

TEST(MoneyTest, ParsePlainReadsOnlyPlainDecimals) {
    EXPECT_EQ(amount("1234.5").raw(), 12'345'000);
    EXPECT_EQ(amount("+3").raw(), 30'000);
    EXPECT_EQ(amount(".5").raw(), 5'000);
    EXPECT_EQ(amount("1.23455").raw(), 12'346); // the fifth decimal rounds half away from zero
    EXPECT_EQ(amount("-1.23455").raw(), -12'346);
    for (const char* bad : {"", "12a", "1.2.3", "--5", "1,000", "$5", ".", "1e3", "99999999999999999999"})
        EXPECT_FALSE(Money::parsePlain(QString::fromLatin1(bad))) << bad;
}

TEST(MoneyTest, CurrencyTextFollowsTheLocale) {
    EXPECT_EQ(amount("1234.5").toCurrency(kUs), QStringLiteral("$1,234.50"));
    EXPECT_EQ(amount("-5").toCurrency(kUs), kUs.toCurrencyString(-5.0, QString(), 2));
    EXPECT_EQ(amount("0.004").toCurrency(kUs), QStringLiteral("$0.00"));
    EXPECT_EQ(amount("-0.004").toCurrency(kUs), QStringLiteral("$0.00")); // no "-$0.00"
    EXPECT_EQ(amount("1234.505").toCurrency(kDe), QStringLiteral("1.234,51\u00a0€"));
    EXPECT_EQ(amount("-5").toCurrency(kDe), QStringLiteral("-5,00\u00a0€"));
    // Seventeen digits: more than a double carries.
    EXPECT_EQ(Money::fromCents(12'345'678'901'234'567).toCurrency(kUs),
              QStringLiteral("$123,456,789,012,345.67"));
}

TEST(MoneyTest, CurrencyTextReadsBackInEveryLocale) {
    const Money amounts[] = {Money(),
                             amount("0.5"),
                             amount("-0.5"),
                             amount("1234.5"),
                             amount("-1234.5"),
                             amount("100"),
                             Money::fromCents(12'345'678'901'234'567),
                             Money::fromCents(-98'765'432'109'876)};
    for (const char* name : {"en_US", "de_DE", "fr_FR", "de_CH", "en_IN", "sv_SE", "nl_NL", "ar_EG", "C"}) {
        const QLocale locale{QString::fromLatin1(name)};
        for (const Money& m : amounts)
            EXPECT_EQ(Money::parseCurrency(m.toCurrency(locale), locale), m)
                << name << ' ' << qPrintable(m.toPlain());
    }
}

TEST(MoneyTest, ParseCurrencyReadsPlainAndLocaleNumbers) {
    const struct {
        const QLocale& locale;
        const char* text;
        const char* expected;
    } cases[] = {
        {kUs, "100", "100"},
        {kUs, "100.5", "100.5"},
        {kUs, "1234.5678", "1234.5678"},
        {kUs, "1,234.5", "1234.5"},
        {kUs, "-12.00", "-12"},
        {kUs, "(12.00)", "-12"},
        {kUs, " $ 7 ", "7"},
        {kUs, "USD 7", "7"},
        {kUs, "-$0.50", "-0.5"},
        {kDe, "100,5", "100.5"},
        {kDe, "1234,5678", "1234.5678"},
        {kDe, "100.5", "100.5"},
        {kDe, "1.234,5", "1234.5"},
        {kDe, "1.234", "1234"},
        {kDe, "-12,00 €", "-12"},
        {kDe, "12 EUR", "12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Money::parseCurrency(QString::fromUtf8(c.text), c.locale), amount(c.expected))
            << qPrintable(c.locale.name()) << ' ' << c.text;
    }
}

TEST(MoneyTest, ParseCurrencyRefusesWhatIsNoAmount) {
    for (const char* bad :
         {"", "12a", "1.2.3", "--5", "-(5)", "(-5)", "$", "()", "1,00", "1e5", "5 5", "$5$"})
        EXPECT_FALSE(Money::parseCurrency(QString::fromLatin1(bad), kUs)) << bad;
    for (const char* bad : {"1,2,3", "1.2.3", "1,234.50"})
        EXPECT_FALSE(Money::parseCurrency(QString::fromLatin1(bad), kDe)) << bad;
}

TEST(MoneyTest, AProductWithAWholeQuantityIsExactOrNothing) {
    const std::int64_t largest = std::numeric_limits<std::int64_t>::max();
    struct Case {
        Money price;
        std::int64_t qty;
        std::optional<Money> product;
    };
    const Case cases[] = {
        {amount("45.99"), 3, amount("137.97")},
        {amount("999999999.99"), 2147483647, std::nullopt}, // wraps round to a negative in 64 bits
        {Money::fromRaw(largest), 1, Money::fromRaw(largest)},
        {Money::fromRaw(largest), 2, std::nullopt},
        {Money::fromRaw(largest / 2), 2, Money::fromRaw(largest - 1)},
        {amount("-1"), largest, std::nullopt},
        {Money(), largest, Money()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.price.times(c.qty), c.product) << c.price.toPlain(4).toStdString() << " x " << c.qty;
}
