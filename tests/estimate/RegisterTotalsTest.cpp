#include "EstimateFixture.h"

#include "estimate/RegisterTotals.h"
#include "estimate/SaveEstimate.h"
#include "lines/EstimateTotals.h"

using namespace qx;

namespace qxtest {

namespace {

class RegisterTotalsTest : public EstimateTest {
protected:
    void save() {
        prompter.queueAnswer(Prompter::Answer::Yes);
        ASSERT_EQ(SaveEstimate(*ctx, state, *lines).SaveEst({}, {}), SaveOutcome::Saved);
    }
    QStringList storedTotals() { return rows(mast(), "select estname,esttotal from master order by id"); }
};

TEST_F(RegisterTotalsTest, EverySaveStoresTheTotalTermsTotalsShowsAsTheFileWouldGiveIt) {
    add("Roof", 20, "Shingles", "Material", 30, 4599);
    add("Roof", 9, "Tear-off crew", "labor", 16, 3250);
    totals->setAdmin(EstimateTotals::Contingency, AdminAmount::fixedAmount(Money::fromCents(25000)));
    save();
    // Lines $1,899.70; overhead and profit 15 % each $284.96, contingency $250.00, management 2 % $37.99.
    EXPECT_EQ(storedTotals(), QStringList({"O'NeilTearOff | 27576100"}));
    EXPECT_EQ(totals->estimateTotal(), Money::fromRaw(27576100));
    EXPECT_EQ(RegisterTotals(*ctx).figure(est()), totals->estimateTotal());

    add("Gutters", 5, "Seamless gutter", "SubCon", 120, 875);
    save();
    EXPECT_EQ(RegisterTotals(*ctx).figure(est()), totals->estimateTotal());
    EXPECT_EQ(storedTotals(),
              QStringList({"O'NeilTearOff | " + QString::number(totals->estimateTotal().raw())}));
}

TEST_F(RegisterTotalsTest, AnOlderRegisterLearnsTotalsFromTheFilesOnce) {
    add("Roof", 20, "Shingles", "Material", 10, 10000);
    save();
    SqlFile& reg = ctx->data.local(mast());
    // The register as an earlier build left it: no totals, and a row whose file is gone.
    reg.execScript("create table old as select id,estname,estaddress,estdate,esttype,eststatus,estlength,"
                   "estpath from master; drop table master; alter table old rename to master;"
                   "insert into master(id,estname,estpath) values(7,'Gone','Gone\\Gone.mdb')");
    RegisterTotals(*ctx).upgrade(reg);
    // $1,000.00 of lines, 15 % + 15 % + 2 % of them and a fixed $100.00.
    EXPECT_EQ(storedTotals(), QStringList({"O'NeilTearOff | 14200000", "Gone | NULL"}));

    // A stored total is kept; the next start adds and fills nothing.
    reg.exec("update master set esttotal=5 where id=7");
    reg.exec("update master set esttotal=9 where id<>7");
    RegisterTotals(*ctx).upgrade(reg);
    EXPECT_EQ(storedTotals(), QStringList({"O'NeilTearOff | 9", "Gone | 5"}));
}

} // namespace

} // namespace qxtest
