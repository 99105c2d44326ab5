#include "EstimateFixture.h"

#include "data/DateText.h"
#include "estimate/DuplicateEstimate.h"
#include "estimate/OpenEstimate.h"
#include "estimate/SaveEstimate.h"
#include "takeoff/LinealTypes.h"

using namespace qx;

namespace qxtest {

namespace {

// O'Neil's Tear Off, saved with a roof, lines of two cost items, amounts, summary and terms; then a
// second estimate made from it for another owner.
class DuplicateTest : public EstimateTest {
protected:
    void SetUp() override {
        EstimateTest::SetUp();
        const ResultSet items = ctx->data.Read(
            cost(),
            "select id,costtype,amount from costitem where costtype in ('Material','Labor') order by id");
        ASSERT_GE(items.size(), 2);
        material = {items.at(0, 0).toInt(), items.at(0, 1).toString()};
        labor = {items.at(items.size() - 1, 0).toInt(), items.at(items.size() - 1, 1).toString()};
        roof->addArea({kShapeRect, 40, 0, 16, 640});
        roof->addLineal({kLinealCap, "Bob's ridge", 82, 85});
        add("Roof", material.id, "Shingles", material.type, 30, 4599);
        add("Crew", labor.id, "Tear-off crew", labor.type, 16, 3250);
        add("Crew", 999999, "Gone from the cost database", "Material", 2, 1000);
        totals->setAdmin(EstimateTotals::Profit, AdminAmount::percentage("12.5"));
        ASSERT_NO_THROW(totals->FigureEstAdmin());
        oldId = state.lEstID;
        oldTotal = totals->estimateTotal();
        prompter.queueAnswer(Prompter::Answer::Yes);
        ASSERT_EQ(SaveEstimate(*ctx, state, *lines).SaveEst("Tear off and reroof.", "Net 30"),
                  SaveOutcome::Saved);
        ctx->working.ClearTempDB();
        oldFile = state.sEstConn;
        oldContent = estimateFile();
    }

    // New with the old owner and type, the first name changed, then Start and the copy.
    void duplicate() {
        const auto owner = DuplicateEstimate(*ctx).ownerOf(oldId);
        ASSERT_TRUE(owner);
        OwnerInput input = *owner;
        input.names[1] = "Hayes";
        state = WorkState();
        NewEstimate create(*ctx, state);
        ASSERT_TRUE(create.begin());
        ASSERT_FALSE(create.start(input));
        ASSERT_TRUE(DuplicateEstimate(*ctx).copyContent(oldId, state.lEstID, state.sEstConn));
    }

    // The Open command on fresh models: the estimate total it shows.
    Money openedTotal(qint32 id) {
        openStored(id);
        return totals->estimateTotal();
    }

    struct Item {
        qint32 id = 0;
        QString type;
    };
    Item material;
    Item labor;
    qint32 oldId = 0;
    Money oldTotal;
    Conn oldFile;
    QStringList oldContent;
};

TEST_F(DuplicateTest, TheOwnerPanelStartsFromTheOldOwnerAndTypeWithoutAName) {
    const auto owner = DuplicateEstimate(*ctx).ownerOf(oldId);
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->names[1], "O'Neil");
    EXPECT_EQ(owner->names[2], "4 Bay Rd");
    EXPECT_EQ(owner->type, "Tear Off");
    EXPECT_EQ(owner->estName, "");
    EXPECT_FALSE(DuplicateEstimate(*ctx).ownerOf(4711));
    EXPECT_TRUE(prompter.log().last().contains("in procedure cmdDuplicate_Click of Form frmManageStatus"));
}

TEST_F(DuplicateTest, TheCopyTotalsAsTheOldOneAndLaterEditsLeaveTheOldOneAlone) {
    duplicate();
    const qint32 newId = state.lEstID;
    const Conn newFile = state.sEstConn;
    EXPECT_EQ(state.estName, "HayesTearOff");
    EXPECT_EQ(rows(mast(), QStringLiteral("select eststatus,estdate from master where id=%1").arg(newId)),
              QStringList{"Working | " + storedDate(QDate::currentDate())});
    for (const char* table : {"Areas", "Lineal", "LineItems"}) {
        SCOPED_TRACE(table);
        const QString all = QStringLiteral("select * from %1 order by ID").arg(table);
        EXPECT_EQ(rows(newFile, all), rows(oldFile, all));
    }
    const QString texts = "select overhead,profit,contingency,management,paymentterms,estsummary from main";
    EXPECT_EQ(rows(newFile, texts), rows(oldFile, texts));
    EXPECT_EQ(rows(newFile, "select lname from main"), QStringList{"Hayes"});
    EXPECT_EQ(openedTotal(newId), oldTotal);
    EXPECT_EQ(openedTotal(oldId), oldTotal);

    // The new one is edited and saved: the old one stays as it was.
    openedTotal(newId);
    add("Roof", material.id, "Drip edge", material.type, 10, 250);
    ASSERT_EQ(SaveEstimate(*ctx, state, *lines).SaveEst("Another roof", "Net 10"), SaveOutcome::Saved);
    EXPECT_NE(openedTotal(newId), oldTotal);
    EXPECT_EQ(openedTotal(oldId), oldTotal);
    state.sEstConn = oldFile;
    EXPECT_EQ(estimateFile(), oldContent);
}

TEST_F(DuplicateTest, RepriceTakesTheCostDatabasesPricesAndListsTheLinesThatChanged) {
    ctx->data.file(cost()).exec("update costitem set amount=? where id=?",
                                {qint64(Money::fromCents(4999).raw()), material.id});
    ctx->data.file(cost()).exec("update costitem set amount=? where id=?",
                                {qint64(Money::fromCents(3250).raw()), labor.id});
    duplicate();
    const auto changed = DuplicateEstimate(*ctx).reprice(state.sEstConn);
    ASSERT_TRUE(changed);
    ASSERT_EQ(changed->size(), 1);
    EXPECT_EQ(changed->at(0).name, "Shingles");
    EXPECT_EQ(changed->at(0).before, Money::fromCents(4599));
    EXPECT_EQ(changed->at(0).after, Money::fromCents(4999));
    EXPECT_EQ(DuplicateEstimate::repricedMessage(*changed),
              "The prices of these lines changed:\nShingles: $45.99 -> $49.99");
    EXPECT_EQ(rows(state.sEstConn, "select name,cost,linetotal from lineitems order by id"),
              (QStringList{"Shingles | 499900 | 14997000", "Tear-off crew | 325000 | 5200000",
                           "Gone from the cost database | 100000 | 200000"}));
    EXPECT_EQ(DuplicateEstimate::repricedMessage({}), "No line's price changed.");
    state.sEstConn = oldFile;
    EXPECT_EQ(estimateFile(), oldContent);
}

} // namespace

} // namespace qxtest
