#include "LinesFixture.h"

#include "data/InputRules.h"
#include "lines/AdminAmount.h"

namespace {

using namespace qxtest;
using qx::AdminAmount;
using qx::EstimateTotals;
using qx::Money;

QStringList figures(const EstimateTotals& t) {
    QStringList out;
    for (int i = 0; i < qx::kCategoryCount; ++i)
        out << t.category(i).toCurrency();
    out << t.lineTotal().toCurrency();
    for (int i = 0; i < EstimateTotals::kAdminCount; ++i)
        out << t.admin(i).kindLabel() + " " + t.adminAmount(i).toCurrency();
    out << t.adminTotal().toCurrency() << t.estimateTotal().toCurrency();
    return out;
}

TEST_F(LinesTest, DefaultAmountsOnAThousandGiveTheEstimateTotal) {
    totals->PopAdmin();
    add("Roof", 1, "Shingles", "Material", 10, 6000);
    add("Roof", 2, "Crew", "Labor", 4, 10000);
    EXPECT_EQ(figures(*totals), QStringList({"$600.00", "$400.00", "$0.00", "$0.00", "$0.00", "$0.00",
                                             "$1,000.00", "15% $150.00", "15% $150.00", "Fixed @ $100.00",
                                             "2% $20.00", "$420.00", "$1,420.00"}));
}

TEST_F(LinesTest, AnEstimateWithoutLinesStillCountsItsFixedAmounts) {
    totals->PopAdmin();
    add("Roof", 1, "Shingles", "Unit_Item", 1, 5000);
    ASSERT_TRUE(lines->AddLineItem(qx::LineItems::Change::Delete, 1));
    EXPECT_EQ(totals->category(5), Money());
    EXPECT_EQ(totals->lineTotal(), Money());
    EXPECT_EQ(totals->adminTotal(), Money::fromWhole(100));
    EXPECT_EQ(totals->estimateTotal(), Money::fromWhole(100));
}

TEST_F(LinesTest, SubtotalsMatchTagsWithoutRegardToCase) {
    const char* tags[] = {"material", "LABOR", "subcon", "EQUIP", "fee", "unit_item", "Other"};
    for (int i = 0; i < 7; ++i)
        add("Roof", i + 1, "Thing", tags[i], 1, 100 * (i + 2));
    EXPECT_EQ(figures(*totals).mid(0, 7),
              QStringList({"$2.00", "$3.00", "$4.00", "$5.00", "$6.00", "$7.00", "$27.00"}));
}

TEST_F(LinesTest, PercentagesApplyToTheLineTotalAloneAndCountAsShown) {
    totals->setAdmin(0, AdminAmount::percentage("15"));
    totals->setAdmin(1, AdminAmount::percentage("0.5"));
    totals->setAdmin(2, AdminAmount::percentage("33.333"));
    totals->setAdmin(3, AdminAmount::fixedAmount(Money::fromRaw(12345)));
    add("Roof", 1, "Thing", "Fee", 1, 33333);
    // 15% of 333.33 is 49.9995, 0.5% is 1.66665, 33.333% is 111.10888...
    EXPECT_EQ(figures(*totals).mid(7), QStringList({"15% $50.00", "0.5% $1.67", "33.333% $111.11",
                                                    "Fixed @ $1.23", "$164.01", "$497.34"}));
}

struct AdminCase {
    int index;
    const char* kind;
    const char* number;
    const char* label; // kind label after FigureAdmin, "" when refused
    const char* stored;
};

TEST_F(LinesTest, FigureAdminReadsKindsAndNumbersAndRefusesWhatCannotBeReadBack) {
    const AdminCase cases[] = {
        {0, "%", "15", "15%", "%-15"},
        {0, "%", "15.50", "15.5%", "%-15.5"},
        {1, "%", "15.5 %", "15.5%", "%-15.5"},
        {1, "%", "1000", "1000%", "%-1000"},
        {2, "%", " 7.650 ", "7.65%", "%-7.65"},
        {3, "15%", "2", "2%", "%-2"}, // any kind but Fixed is a percentage
        {1, "Fixed", "100", "Fixed @", "Fixed-100.00"},
        {1, "Fixed", "$1,234.565", "Fixed @", "Fixed-1234.57"},
        {2, "fixed", "0", "Fixed @", "Fixed-0.00"},
        {0, "%", "abc", "", ""},
        {0, "%", "", "", ""},
        {0, "%", "-5", "", ""},
        {2, "Fixed", "-100", "", ""},
        {2, "Fixed", "1e3", "", ""},
        {0, "%", "1000.01", "", ""},
        {2, "Fixed", "1000000000", "", ""},
        {3, "%", "'; drop table main; --", "", ""},
    };
    for (const AdminCase& c : cases) {
        totals->setAdmin(c.index, AdminAmount::fixedAmount(Money::fromWhole(9)));
        const int before = prompter.messageCount();
        const bool ok = totals->FigureAdmin(c.index, c.kind, c.number);
        const bool refused = QString(c.label).isEmpty();
        EXPECT_EQ(ok, !refused) << c.number;
        if (refused) {
            EXPECT_EQ(prompter.messageCount(), before + 1);
            EXPECT_EQ(prompter.lastText(),
                      "Error 13 (Type mismatch) in procedure FigureAdmin of Module modGrid");
            EXPECT_EQ(totals->admin(c.index), AdminAmount::fixedAmount(Money::fromWhole(9))) << c.number;
        } else {
            EXPECT_EQ(totals->admin(c.index).kindLabel(), c.label) << c.number;
            EXPECT_EQ(totals->admin(c.index).encoded(), c.stored) << c.number;
        }
    }
}

TEST_F(LinesTest, AStoredTextSplitsAtItsFirstDash) {
    EXPECT_EQ(qx::splitAdminText("Fixed-$100.00").number, "$100.00");
    EXPECT_EQ(qx::splitAdminText("%--5").number, "");
    EXPECT_EQ(qx::splitAdminText("%").number, "");
    EXPECT_EQ(qx::splitAdminText("%-15").kind, "%");
}

TEST_F(LinesTest, OpenedEstimateAmountsComeFromItsMainRow) {
    const qx::Conn est = makeEstimateFile("Test");
    ctx->data.file(est).exec("insert into main(fname,lname,address,citystzip,overhead,profit,contingency,"
                             "management,paymentterms,estsummary) values('A','B','C','D','%-10','%-12.50',"
                             "'Fixed-$100.00',NULL,'Net 30',NULL)");
    const qx::EstimateTexts texts = totals->PopEstAdmin(est);
    EXPECT_EQ(texts.terms, std::optional<QString>("Net 30"));
    EXPECT_FALSE(texts.summary.has_value());
    totals->FigureEstAdmin();
    EXPECT_EQ(figures(*totals).mid(7), QStringList({"10% $0.00", "12.5% $0.00", "Fixed @ $100.00",
                                                    "Fixed @ $0.00", "$100.00", "$100.00"}));
    EXPECT_EQ(totals->admin(3).encoded(), "Fixed-0.00");
}

TEST_F(LinesTest, AnUnreadableStoredAmountIsReportedAndStopsTheLoading) {
    const qx::Conn est = makeEstimateFile("Test");
    ctx->data.file(est).exec(
        "insert into main(fname,lname,address,citystzip,overhead,profit,contingency,"
        "management,paymentterms) values('A','B','C','D','%-10','Fixed--100','%-1','%-2','T')");
    const qx::EstimateTexts texts = totals->PopEstAdmin(est);
    EXPECT_EQ(prompter.lastText(), "Error 13 (Type mismatch) in procedure PopEstAdmin of Module modEst");
    EXPECT_EQ(totals->admin(0).kindLabel(), "10%");
    EXPECT_FALSE(texts.terms.has_value());
}

TEST(AdminAmountArithmetic, PercentOfRoundsHalfAwayFromZeroToCents) {
    struct Case {
        qint64 baseRaw;
        qint64 percent; // ten-thousandths
        qint64 cents;
    } cases[] = {{10000000, 150000, 15000}, {3333300, 150000, 5000}, {10000, 5000, 1}, {10000, 4900, 0},
                 {-3333300, 150000, -5000}, {1, 1000000, 0},         {50, 1000000, 1}, {10000000, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(qx::percentOf(Money::fromRaw(c.baseRaw), c.percent), Money::fromCents(c.cents))
            << c.percent;
}

} // namespace

namespace {

const QString kBeyondTotal =
    "This would take the estimate's total beyond what it can hold ($999,999,999,999.99).";

} // namespace

TEST_F(LinesTest, LinesAndAmountsThatWouldTakeATotalBeyondWhatItHoldsAreRefused) {
    EXPECT_EQ(qx::estimateTotalRangeMessage(), kBeyondTotal);
    const Money most = qx::kMaxTotal;
    const Money cent = Money::fromCents(1);
    EXPECT_FALSE(totals->totalRefusal(most));
    EXPECT_EQ(totals->totalRefusal(most + cent), kBeyondTotal);
    // The default amounts (15 %, 15 %, $100 and 2 %) count too: 1.32 times the lines plus $100.
    totals->PopAdmin();
    EXPECT_FALSE(totals->totalRefusal(Money::fromWhole(700'000'000'000)));
    EXPECT_FALSE(totals->totalRefusal(Money::fromCents(75'757'575'749'999))); // total 999,999,999,999.99
    EXPECT_EQ(totals->totalRefusal(Money::fromCents(75'757'575'750'000)), kBeyondTotal);
    EXPECT_EQ(totals->totalRefusal(most), kBeyondTotal);

    add("Roof", 1, "Tiles", "Material", 1000, 50'000'000'000); // lines of $500,000,000,000.00
    const struct {
        int index;
        bool fixed;
        const char* text;
        QString refusal; // empty when taken
    } cases[] = {
        {0, false, "50", ""},
        {0, false, "100", kBeyondTotal},
        {3, false, "1000", kBeyondTotal},
        {1, true, "999999999.99", ""},
        {0, false, "-5", qx::percentRangeMessage()},
        {2, true, "1e3", qx::kMustBeNumber},
    };
    for (const auto& c : cases)
        EXPECT_EQ(totals->adminRefusal(c.index, c.fixed, c.text).value_or(""), c.refusal) << c.text;
}
