#include "setup/CompanySetup.h"
#include "UserLocale.h"
#include "app/StartUp.h"
#include "data/InputRules.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qx;

namespace {

class CompanySetupTest : public ::testing::Test {
protected:
    void SetUp() override { StartUp::ensureSettings(store, "/opt/quorvex"); }
    QStringList op() {
        QStringList out;
        for (const auto& [key, value] : store.list(kAppName, "Op"))
            out << key + '=' + value;
        return out;
    }
    QTemporaryDir config;
    SettingsStore store{config.path()};
};

TEST_F(CompanySetupTest, TheDefaultsLoadByTheirPositions) {
    const SetupValues values = CompanySetup::load(store);
    EXPECT_EQ(values.company[0], "ABC Construction");
    EXPECT_EQ(values.company[3], "MT");
    EXPECT_EQ(values.company[9], "www.example.com");
    EXPECT_TRUE(values.showGreet);
    const std::array<AdminDefault, 4> admin{{{true, "15"}, {true, "15"}, {false, "100"}, {true, "2"}}};
    EXPECT_EQ(values.admin, admin);
    EXPECT_EQ(values.labour, (std::array<QString, 4>{"45", "7.65", "0", "2"}));
    const std::array<bool, 9> include{true, true, true, true, true, false, false, false, false};
    EXPECT_EQ(values.include, include);
}

TEST_F(CompanySetupTest, SavingTheValuesKeepsEveryKeyAtItsPosition) {
    SetupValues values = CompanySetup::load(store);
    values.admin[1] = {false, "250"};
    values.showGreet = false;
    values.labour[1] = "8";
    ASSERT_TRUE(CompanySetup::saveValues(store, values));
    EXPECT_EQ(op(), (QStringList{"Greet=0", "Overhead=%-15", "Profit=Fixed-250", "Contingency=Fixed-100",
                                 "Management=%-2", "WorkComp=45", "EmpTaxes=8", "OtherCosts=0", "Fringe=2"}));
    EXPECT_EQ(CompanySetup::load(store), values);
}

TEST_F(CompanySetupTest, SavingTheCompanyWritesItsKeysAndFlagsInPlace) {
    SetupValues values = CompanySetup::load(store);
    values.company[0] = "O'Neil & Sons Roofing";
    values.company[8] = "";
    values.include[5] = true;
    values.include[8] = true;
    CompanySetup::saveCompany(store, values);
    EXPECT_EQ(store.readAt(kAppName, "CoInfo", 0), "O'Neil & Sons Roofing");
    EXPECT_EQ(store.read(kAppName, "CoInfo", "Email"), "");
    EXPECT_EQ(store.list(kAppName, "CoInfo").size(), 10);
    EXPECT_EQ(store.read(kAppName, "CoInfoInc", "CellInc"), "1");
    EXPECT_EQ(store.read(kAppName, "CoInfoInc", "LetHead"), "1");
    EXPECT_EQ(store.read(kAppName, "CoInfoInc", "Name"), "1");
    EXPECT_EQ(CompanySetup::load(store), values);
}

// Amounts and burdens as typed, and what is stored or the message that refuses them.
TEST_F(CompanySetupTest, OnlyNumbersThatCanBeReadBackAreStored) {
    const QString number = kMustBeNumber;
    const QString percentRange = percentRangeMessage();
    const QString amountRange = amountRangeMessage();
    struct Case {
        bool percent;
        QString typed;
        QString stored; // empty: refused with `message`
        QString message;
    };
    const Case cases[] = {
        {false, "250", "Fixed-250", {}},
        {false, "$1,250.50", "Fixed-1250.5", {}},
        {false, " 100.00 ", "Fixed-100", {}},
        {true, "7.5", "%-7.5", {}},
        {true, "15%", "%-15", {}},
        {true, "0", "%-0", {}},
        {false, "-100", {}, amountRange},
        {true, "-5", {}, percentRange},
        {true, "5-3", {}, number},
        {true, "", {}, number},
        {false, "\u200b", {}, number},
        {true, "abc", {}, number},
        {true, "'; drop table master; --", {}, number},
        {true, "$15", {}, number},
        {true, "1001", {}, percentRange},
        {false, "1000000000", {}, amountRange},
        {false, QString(10000, '9'), {}, amountRange},
        {true, "1e3", {}, number},
        {false, "😀", {}, number},
    };
    for (const Case& c : cases) {
        SetupValues values = CompanySetup::load(store);
        values.admin[2] = {c.percent, c.typed};
        const auto refusal = CompanySetup::checkValues(values);
        if (c.stored.isEmpty()) {
            ASSERT_TRUE(refusal) << c.typed.left(20).toStdString();
            EXPECT_EQ(refusal->message, c.message) << c.typed.left(20).toStdString();
            EXPECT_EQ(refusal->box, 2);
            EXPECT_FALSE(CompanySetup::saveValues(store, values));
            EXPECT_EQ(store.readAt(kAppName, "Op", 3), "Fixed-100") << "nothing is written";
        } else {
            EXPECT_FALSE(refusal) << c.typed.toStdString() << ": " << refusal->message.toStdString();
            ASSERT_TRUE(CompanySetup::saveValues(store, values));
            EXPECT_EQ(store.read(kAppName, "Op", "Contingency"), c.stored);
            store.write(kAppName, "Op", "Contingency", "Fixed-100");
        }
    }
}

TEST_F(CompanySetupTest, ALabourPercentageIsCheckedLikeAnAmountPercentage) {
    SetupValues values = CompanySetup::load(store);
    values.labour[3] = "-2";
    EXPECT_EQ(CompanySetup::checkValues(values)->box, 7);
    EXPECT_EQ(CompanySetup::checkValues(values)->message, percentRangeMessage());
    values.labour[3] = "2.50";
    ASSERT_TRUE(CompanySetup::saveValues(store, values));
    EXPECT_EQ(store.read(kAppName, "Op", "Fringe"), "2.5");
}

TEST_F(CompanySetupTest, StoredValuesWithoutAKindOrFlagLoadAsTheOtherCase) {
    store.write(kAppName, "Op", "Greet", "yes");
    store.write(kAppName, "Op", "Overhead", "12");
    store.write(kAppName, "Op", "Profit", "Fixed-$100.00");
    store.write(kAppName, "CoInfoInc", "Name", "true");
    const SetupValues values = CompanySetup::load(store);
    EXPECT_FALSE(values.showGreet);
    EXPECT_EQ(values.admin[0], (AdminDefault{false, ""}));
    EXPECT_EQ(values.admin[1], (AdminDefault{false, "$100.00"}));
    EXPECT_FALSE(values.include[0]);
    EXPECT_FALSE(CompanySetup::checkAdmin(values.admin[1])); // a currency text saves as a plain one
}

// Where "." groups thousands, the boxes show the stored numbers with the locale's decimal point: saved
// unchanged, 0.658 % stays 0.658 % and never becomes 658 %.
TEST_F(CompanySetupTest, StoredNumbersShowAndSaveBackInTheUsersFormat) {
    store.write(kAppName, "Op", "Overhead", "%-0.658");
    store.write(kAppName, "Op", "Contingency", "Fixed-1.125");
    store.write(kAppName, "Op", "EmpTaxes", "12.345");
    const QStringList stored = op();
    const qxtest::UserLocale german("de_DE");
    const SetupValues values = CompanySetup::load(store);
    EXPECT_EQ(values.admin[0], (AdminDefault{true, "0,658"}));
    EXPECT_EQ(values.admin[2], (AdminDefault{false, "1,125"}));
    EXPECT_EQ(values.labour[1], "12,345");
    EXPECT_EQ(values.labour[0], "45");
    ASSERT_TRUE(CompanySetup::saveValues(store, values));
    EXPECT_EQ(op(), stored);
}

} // namespace
