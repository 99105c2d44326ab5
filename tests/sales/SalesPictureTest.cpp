#include "TestFolders.h"

#include "data/DateText.h"
#include "data/InputRules.h"
#include "data/SqlFile.h"
#include "estimate/OpenList.h"
#include "sales/SalesPicture.h"
#include "sales/SalesTexts.h"

using namespace qx;

namespace qxtest {

namespace {

const QDate kToday(2026, 6, 15);

class SalesPictureTest : public ProgramFolderTest {
protected:
    // A register row dated `daysAgo` before kToday; a total of -1 is left unknown.
    void add(const QString& name, const QString& status, int daysAgo, qint64 cents,
             const QString& type = "Reroof", int length = 30) {
        ctx->data.file(mast()).exec(
            "insert into master(estname,estdate,esttype,eststatus,estlength,estpath,esttotal)"
            "values(?,?,?,?,?,?,?)",
            {name, storedDate(kToday.addDays(-daysAgo)), type, status, length,
             ProgramFolder::storedEstimatePath(name), cents < 0 ? QVariant() : QVariant(cents * 100)});
    }
    SalesFigures figures(SalesPeriod period = SalesPeriod::Last12Months) {
        return SalesPicture(ctx->data, mast()).figures(period, kToday);
    }
};

TEST(SalesTexts, FiguresAreWorded) {
    struct Case {
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {SalesTexts::pipeline(2, Money::fromCents(1500050)), "Pending: 2 estimates, $15,000.50"},
        {SalesTexts::pipeline(1, Money()), "Pending: 1 estimate, $0.00"},
        {SalesTexts::winRate(3, 4), "Accepted 3 of 4 decided (75%)"},
        {SalesTexts::winRate(2, 3), "Accepted 2 of 3 decided (67%)"},
        {SalesTexts::winRate(1, 8), "Accepted 1 of 8 decided (13%)"},
        {SalesTexts::winRate(0, 0), "No estimates decided yet"},
        {SalesTexts::average(std::nullopt), "Average accepted: none"},
        {SalesTexts::unknownTotals(0), ""},
        {SalesTexts::unknownTotals(1), "1 estimate without a stored total"},
        {SalesTexts::unknownTotals(1200), "1,200 estimates without a stored total"},
        {SalesTexts::followUpCount(0), ""},
        {SalesTexts::followUpCount(1), "1 estimate needs follow-up"},
        {SalesTexts::followUpCount(2), "2 estimates need follow-up"},
        {SalesTexts::followUpLine("SmithReroof", 3), "SmithReroof              expires in 3 days"},
        {SalesTexts::followUpLine("JonesRepair", -2), "JonesRepair              expired 2 days ago"},
        {SalesTexts::followUpLine("Lee", 1), "Lee                      expires in 1 day"},
        {SalesTexts::followUpLine("Lee", 0), "Lee                      expired today"},
        {SalesTexts::followUpLine("Lee", -1), "Lee                      expired 1 day ago"},
        {SalesTexts::followUpLine("AVeryLongEstimateNameOfThirtyOne", 2),
         "AVeryLongEstimateNameOfT expires in 2 days"},
        {SalesTexts::month(QDate(2026, 12, 1)), "Dec 2026"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

// The open dialog and the follow-up list agree on the day an estimate stops being valid.
TEST(SalesTexts, FollowUpAndOpenListCallTheSameDaysExpired) {
    const QDate today(2026, 6, 15);
    for (const int length : {29, 30, 31}) {
        const int days = daysLeft(today.addDays(-30), length, today);
        const bool openListExpired = expiryText(days) == QStringLiteral("**EXPIRED**");
        const QString followUp = SalesTexts::followUpLine("Lee", days);
        EXPECT_EQ(openListExpired, length <= 30) << length;
        EXPECT_EQ(followUp.contains(QStringLiteral(" expired ")), openListExpired) << followUp;
    }
}

TEST(SalesFigures, TheAverageIsTheExactMeanToTheCent) {
    struct Case {
        std::int64_t sumRaw;
        int count;
        std::int64_t cents;
    };
    const Case cases[] = {
        {240002500, 3, 800008}, // $24,000.25 / 3 = $8,000.0833
        {50, 1, 1},             // half a cent goes up
        {149, 1, 1},
        {20000, 3, 67},
    };
    for (const Case& c : cases) {
        SalesFigures figures;
        figures.acceptedWithTotal = c.count;
        figures.acceptedValue = Money::fromRaw(c.sumRaw);
        EXPECT_EQ(figures.averageAccepted(), Money::fromCents(c.cents)) << c.sumRaw << " / " << c.count;
    }
}

TEST_F(SalesPictureTest, TheRegisterGivesThePipelineWinRateAndAverage) {
    add("SmithReroof", "Pending", 27, 1000000);
    add("JonesRepair", "Pending", 2, 500050, "Repair");
    add("Baker", "Accepted", 5, 800000);
    add("Carter", "Accepted", 40, 1200000);
    add("Dunn", "Accepted", 3, 400025, "Repair");
    add("Evans", "Rejected", 60, 700000, "Garage");
    add("Fox", "Working", 1, 300000, "Garage");
    const SalesFigures f = figures();
    EXPECT_EQ(SalesTexts::pipeline(f.pending, f.pendingValue), "Pending: 2 estimates, $15,000.50");
    EXPECT_EQ(SalesTexts::winRate(f.accepted, f.decided()), "Accepted 3 of 4 decided (75%)");
    EXPECT_EQ(SalesTexts::average(f.averageAccepted()), "Average accepted: $8,000.08");
    EXPECT_EQ(f.unknownTotals, 0);
}

TEST_F(SalesPictureTest, ThePeriodBoundsEveryFigureButTheMonths) {
    add("ThisMonth", "Accepted", 1, 100000);           // Jun 2026
    add("January", "Accepted", 156, 200000, "Repair"); // Jan 2026
    add("LastJuly", "Accepted", 345, 400000);          // Jul 2025: the first of the last 12 months
    add("LastJune", "Accepted", 370, 800000);          // Jun 2025: before them
    add("Unknown", "Accepted", 2, -1);
    add("Old", "Rejected", 900, 1600000, "Garage");
    struct Case {
        SalesPeriod period;
        int accepted;
        int decided;
        std::int64_t acceptedCents;
        int types;
    };
    const Case cases[] = {
        {SalesPeriod::Last12Months, 4, 4, 700000, 2},
        {SalesPeriod::ThisYear, 3, 3, 300000, 2},
        {SalesPeriod::AllTime, 5, 6, 1500000, 3},
    };
    for (const Case& c : cases) {
        const SalesFigures f = figures(c.period);
        EXPECT_EQ(f.accepted, c.accepted) << int(c.period);
        EXPECT_EQ(f.decided(), c.decided) << int(c.period);
        EXPECT_EQ(f.acceptedValue, Money::fromCents(c.acceptedCents)) << int(c.period);
        EXPECT_EQ(f.unknownTotals, 1) << int(c.period);
        EXPECT_EQ(f.types.size(), c.types) << int(c.period);
        // An unknown total counts in the counts, not in the value or the average.
        EXPECT_EQ(f.acceptedWithTotal, c.accepted - 1) << int(c.period);
        ASSERT_EQ(f.months.size(), 12);
        EXPECT_EQ(f.months.first().month, QDate(2026, 6, 1));
        EXPECT_EQ(f.months.first().tally, (SalesTally{2, 2, Money::fromCents(100000)}));
        EXPECT_EQ(f.months.at(5).tally, (SalesTally{1, 1, Money::fromCents(200000)}));
        EXPECT_EQ(f.months.last().month, QDate(2025, 7, 1));
        EXPECT_EQ(f.months.last().tally, (SalesTally{1, 1, Money::fromCents(400000)}));
    }
}

// A stored total no estimate can have counts as unknown, and a sum beyond what an amount holds is said
// to be so: no figure is ever wrapped round or read from a real number's bits.
TEST_F(SalesPictureTest, StoredTotalsOutOfRangeAreUnknownAndSumsTooLargeAreRefused) {
    const qint64 most = kMaxTotal.raw();
    const QString mostText = kMaxTotal.toCurrency();
    using Rows = QList<QPair<const char*, QVariant>>;
    struct Case {
        const char* name;
        Rows rows; // status and esttotal as stored
        QString pipeline;
        QString average;
        QString unknown;
    };
    // 923 of the largest totals pass what an amount can hold.
    const auto thousandOf = [](const char* status, const QVariant& total) {
        return Rows(1000, {status, total});
    };
    const Case cases[] = {
        {"a real 1e300 beside good totals",
         {{"Accepted", qint64(60000000)},
          {"Accepted", qint64(60001000)},
          {"Accepted", 1e300},
          {"Pending", 1e300},
          {"Pending", qint64(10000000)}},
         "Pending: 2 estimates, $1,000.00",
         "Average accepted: $6,000.05",
         "2 estimates without a stored total"},
        {"beyond the largest total, a fraction, a text",
         {{"Accepted", most + 1},
          {"Accepted", qint64(std::numeric_limits<qint64>::max())},
          {"Accepted", 12345.5},
          {"Pending", "lots"},
          {"Accepted", -most - 1}},
         "Pending: 1 estimate, $0.00",
         "Average accepted: none",
         "5 estimates without a stored total"},
        {"the largest totals either way",
         {{"Accepted", most}, {"Accepted", -most}, {"Pending", most}},
         "Pending: 1 estimate, " + mostText,
         "Average accepted: $0.00",
         ""},
        {"sums past 64 bits", thousandOf("Pending", most) + thousandOf("Accepted", most),
         "Pending: 1,000 estimates, too large to add up", "Average accepted: " + mostText, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Transaction transaction(ctx->data.file(mast()));
        ctx->data.file(mast()).exec("delete from master");
        for (const auto& [status, total] : c.rows)
            ctx->data.file(mast()).exec("insert into master(estname,estdate,esttype,eststatus,esttotal)"
                                        "values('E',?,'Reroof',?,?)",
                                        {storedDate(kToday), status, total});
        transaction.commit();
        prompter.takeLog();
        const SalesFigures f = figures();
        EXPECT_EQ(prompter.takeLog(), QStringList());
        EXPECT_EQ(SalesTexts::pipeline(f.pending, f.pendingValue), c.pipeline);
        EXPECT_EQ(SalesTexts::average(f.averageAccepted()), c.average);
        EXPECT_EQ(SalesTexts::unknownTotals(f.unknownTotals), c.unknown);
        EXPECT_EQ(SalesTexts::sum(f.months.first().tally.acceptedValue), SalesTexts::sum(f.acceptedValue));
    }
}

TEST_F(SalesPictureTest, FollowUpListsPendingEstimatesEndingWithinAWeekValidOnesFirst) {
    add("EndsIn3", "Pending", 27, 100);
    add("EndsIn8", "Pending", 22, 100);
    add("EndsIn7", "Pending", 23, 100);
    add("Ended2DaysAgo", "Pending", 32, 100);
    add("Ended40DaysAgo", "Pending", 70, 100);
    add("EndsToday", "Pending", 10, 100, "Reroof", 10);
    add("AcceptedEnded", "Accepted", 40, 100);
    add("WorkingEnded", "Working", 40, 100);
    SalesPicture picture(ctx->data, mast());
    QStringList lines;
    for (const FollowUpEstimate& e : picture.followUp(kToday))
        lines << SalesTexts::followUpLine(e.name, e.daysLeft);
    EXPECT_EQ(lines, QStringList({
                         "EndsIn3                  expires in 3 days",
                         "EndsIn7                  expires in 7 days",
                         "EndsToday                expired today",
                         "Ended2DaysAgo            expired 2 days ago",
                         "Ended40DaysAgo           expired 40 days ago",
                     }));
    EXPECT_EQ(picture.followUpCount(kToday), lines.size());
}

} // namespace

} // namespace qxtest
