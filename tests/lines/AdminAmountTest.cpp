#include "lines/AdminAmount.h"
#include "UserLocale.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using qx::AdminAmount;
using qx::Money;
using qxtest::UserLocale;

const char* const kLocales[] = {"en_US", "de_DE", "fr_FR", "de_CH", "en_IN", "sv_SE", "ar_EG", "C"};

std::optional<AdminAmount> readStored(const QString& text) {
    const qx::AdminText split = qx::splitAdminText(text);
    return qx::readAdminAmount(split.kind, split.number);
}

// Stored numbers are plain decimals in every locale: "1.125" is not 1125 where "." groups thousands.
TEST(AdminAmountText, StoredNumbersReadTheSameInEveryLocale) {
    const struct {
        const char* stored;
        const char* encoded;
        qint64 centsOnAThousand;
    } cases[] = {
        {"%-0.658", "%-0.658", 658},
        {"%-12.345", "%-12.345", 12345},
        {"%-15", "%-15", 15000},
        {"Fixed-1.125", "Fixed-1.13", 113},
        {"Fixed-250", "Fixed-250.00", 25000},
        {"Fixed-1250.5", "Fixed-1250.50", 125050},
    };
    for (const char* name : kLocales) {
        const UserLocale locale(name);
        for (const auto& c : cases) {
            const auto amount = readStored(QString::fromLatin1(c.stored));
            ASSERT_TRUE(amount) << name << ' ' << c.stored;
            EXPECT_EQ(amount->encoded(), c.encoded) << name << ' ' << c.stored;
            EXPECT_EQ(amount->amountOn(Money::fromWhole(1000)), Money::fromCents(c.centsOnAThousand))
                << name << ' ' << c.stored;
        }
    }
}

TEST(AdminAmountText, AHandWrittenCurrencyTextIsReadInTheUsersFormat) {
    {
        const UserLocale locale("en_US");
        EXPECT_EQ(readStored("Fixed-$1,000.50"), AdminAmount::fixedAmount(Money::fromCents(100050)));
    }
    const UserLocale locale("de_DE");
    EXPECT_EQ(readStored(QStringLiteral("Fixed-1.000,50 €")),
              AdminAmount::fixedAmount(Money::fromCents(100050)));
    EXPECT_EQ(readStored("%-7,5"), AdminAmount::percentage("7.5"));
    EXPECT_FALSE(readStored("%-1.000,5")); // more than 1000 percent
}

// What the "Admin Amounts" box shows is typed back in the user's format and gives the same amount.
TEST(AdminAmountText, TheBoxTextReadsBackInEveryLocale) {
    const AdminAmount amounts[] = {AdminAmount::percentage("0.658"), AdminAmount::percentage("1000"),
                                   AdminAmount::percentage("7.65"),
                                   AdminAmount::fixedAmount(Money::fromCents(112)),
                                   AdminAmount::fixedAmount(Money::fromCents(99'999'999'999))};
    for (const char* name : kLocales) {
        const UserLocale locale(name);
        for (const AdminAmount& amount : amounts) {
            const QString shown = amount.boxText();
            EXPECT_EQ(qx::typedAdminAmount(amount.isFixed(), shown), amount)
                << name << ' ' << qPrintable(shown);
            EXPECT_FALSE(qx::adminAmountRefusal(amount.isFixed(), shown)) << name << ' ' << qPrintable(shown);
        }
    }
    const UserLocale locale("de_DE");
    EXPECT_EQ(AdminAmount::percentage("0.658").boxText(), "0,658");
    EXPECT_EQ(qx::typedAdminAmount(true, "1.125"), AdminAmount::fixedAmount(Money::fromWhole(1125)));
}

// A share too large for an amount is held at the largest one instead of running over.
TEST(AdminAmountArithmetic, AShareBeyondTheAmountRangeIsHeldAtItsEnd) {
    const std::int64_t maxCents = std::numeric_limits<std::int64_t>::max() / 100;
    const Money huge = Money::fromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(qx::percentOf(huge, 10'000'000), Money::fromCents(maxCents));
    EXPECT_EQ(qx::percentOf(-huge, 10'000'000), Money::fromCents(-maxCents));
    EXPECT_EQ(AdminAmount::percentage("1000").amountOn(Money::fromRaw(-6'132'603'112'576'731'510)),
              Money::fromCents(-maxCents));
}

} // namespace
