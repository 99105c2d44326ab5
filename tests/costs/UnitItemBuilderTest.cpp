#include "costs/UnitItemBuilder.h"
#include "CostsFixture.h"
#include "costs/CostTexts.h"
#include "data/InputRules.h"

using namespace qx;

namespace qxtest {

class UnitItemBuilderTest : public CostsTest {
protected:
    void SetUp() override {
        CostsTest::SetUp();
        builder = std::make_unique<UnitItemBuilder>(ctx->data, ctx->working, cost());
        ASSERT_TRUE(builder->CreateUnitDB());
        nails =
            costItem(kTypeMaterial, QStringLiteral("Nails"), QStringLiteral("Coil nails"), 100000); // 10.00
        labor = costItem(kTypeLabor, kCatHourly, QStringLiteral("Roofer"), 309300, kUnitHour);      // 30.93
    }
    QStringList scratch() {
        return rows(
            ctx->working.unitConn(),
            QStringLiteral(
                "select mainid,unitid,itemid,qty,unit,name,cost,linetotal from tempunit order by id"));
    }
    QStringList components(qint32 unitId) {
        return rows(cost(),
                    QStringLiteral("select itemid,itemqty from unititems where matlaborid=%1 order by id")
                        .arg(unitId));
    }
    qint32 tempId(int row) {
        return ctx->data.Read(ctx->working.unitConn(), QStringLiteral("select id from tempunit order by id"))
            .at(row, 0)
            .toInt();
    }
    // A stored unit item "Ridge" with two components; the scratch list then holds them.
    qint32 storedRidge() {
        builder->addComponent(nails, 2.5);
        builder->addComponent(labor, 0.25);
        editing.mode = CostEditing::Mode::Add;
        const qint32 id = *builder->save(editing, ridge);
        builder->CreateUnitDB();
        builder->PopTempTable(id);
        return id;
    }

    const UnitHeader ridge{QStringLiteral("Ridge vent"), QStringLiteral("Vents"), QStringLiteral("lf"),
                           QStringLiteral("Cut slot, O'Neil vent")};
    std::unique_ptr<UnitItemBuilder> builder;
    qint32 nails = 0;
    qint32 labor = 0;
};

TEST_F(UnitItemBuilderTest, ComponentTotalsAreQuantityTimesAmount) {
    builder->addComponent(nails, 2.5);
    EXPECT_EQ(
        scratch(),
        (QStringList{QStringLiteral("0 | 0 | %1 | 2.5 | ea | Coil nails | 100000 | 250000").arg(nails)}));
    EXPECT_EQ(builder->ComputeTotal(), Money::fromWhole(25));
    // 0.125 of an hour at 30.93 is 3.86625, kept to four decimals: 3.8663.
    builder->addComponent(labor, 0.125);
    EXPECT_EQ(builder->ComputeTotal(), Money::fromRaw(250000 + 38663));
    EXPECT_EQ(builder->ComputeTotal().toCurrency(), "$28.87");
}

TEST_F(UnitItemBuilderTest, TheBuilderPricesAsTheStoredQueryDoes) {
    // 1.15 x 0.1250 is 0.14375: half away from zero gives 0.1438 in both places.
    const qint32 washer = costItem(kTypeMaterial, QStringLiteral("Nails"), QStringLiteral("Washer"), 1250);
    builder->addComponent(washer, 1.15);
    builder->addComponent(nails, 0.1);
    builder->addComponent(labor, 1.0 / 3);
    editing.mode = CostEditing::Mode::Add;
    const qint32 id = *builder->save(editing, ridge);
    EXPECT_EQ(builder->ComputeTotal(), Money::fromRaw(1438 + 10000 + 103100));
    EXPECT_EQ(scalar(QStringLiteral("select sum([Line Total]) from UnitQry where ID=?"), {id}).toLongLong(),
              builder->ComputeTotal().raw());
}

TEST_F(UnitItemBuilderTest, AComponentTotalBeyondWhatALineHoldsIsRefusedNotClamped) {
    const qint32 dear = costItem(kTypeMaterial, QStringLiteral("Slate"), QStringLiteral("Slate"),
                                 kMaxAmount.raw()); // 999,999,999.99
    EXPECT_EQ(builder->addComponent(dear, 2147483647), lineTotalRangeMessage());
    EXPECT_TRUE(scratch().isEmpty());
    EXPECT_EQ(builder->addComponent(dear, 1000), std::nullopt);
    EXPECT_EQ(builder->changeQuantity(tempId(0), 1001), lineTotalRangeMessage());
    EXPECT_EQ(builder->ComputeTotal(), *kMaxAmount.times(1000));
}

TEST_F(UnitItemBuilderTest, AnEmptyListTotalsZero) {
    EXPECT_EQ(builder->ComputeTotal(), Money());
    const auto grid = builder->PopItemGrid();
    ASSERT_TRUE(grid);
    EXPECT_TRUE(grid->isEmpty());
    EXPECT_EQ(grid->columns, UnitItemBuilder::gridCaptions());
}

TEST_F(UnitItemBuilderTest, SavingANewUnitItemStoresItsHeaderAndComponents) {
    const qint32 id = storedRidge();
    EXPECT_EQ(
        rows(cost(), QStringLiteral("select mlname,mlcat,mlunit,mldesc from costunit where id=%1").arg(id)),
        (QStringList{"Ridge vent | Vents | lf | Cut slot, O'Neil vent"}));
    EXPECT_EQ(components(id),
              (QStringList{QStringLiteral("%1 | 2.5").arg(nails), QStringLiteral("%1 | 0.25").arg(labor)}));
    // Loaded again, the components know their stored keys and their unit item.
    const QStringList loaded = scratch();
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_FALSE(loaded[0].startsWith(QStringLiteral("0 |")));
    EXPECT_TRUE(loaded[1].contains(
        QStringLiteral(" | %1 | %2 | 0.25 | hr | Roofer | 309300 | 77325").arg(id).arg(labor)));
}

TEST_F(UnitItemBuilderTest, AUnitItemWithoutComponentsIsStoredButNotPriced) {
    editing.mode = CostEditing::Mode::Add;
    const auto id = builder->save(editing, ridge);
    ASSERT_TRUE(id);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costunit where id=?"), {*id}).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from UnitQry where ID=?"), {*id}).toInt(), 0);
}

TEST_F(UnitItemBuilderTest, ANameAndAUnitAreRequired) {
    const struct {
        UnitHeader header;
        UnitField field;
        QString message;
    } cases[] = {
        {{QString(), QStringLiteral("Vents"), QStringLiteral("lf"), QString()},
         UnitField::Name,
         kMsgNameBlank},
        {{QStringLiteral("\u00a0 "), QString(), QStringLiteral("lf"), QString()},
         UnitField::Name,
         kMsgNameBlank},
        {{QStringLiteral("Vent"), QString(), QString(), QString()}, UnitField::Unit, kMsgUnitBlank},
        {{QStringLiteral("Vent"), QString(16, u'c'), QStringLiteral("lf"), QString()},
         UnitField::Category,
         unitHeaderTooLong(15)},
        {{QStringLiteral("Vent"), QString(), QString(11, u'u'), QString()},
         UnitField::Unit,
         unitHeaderTooLong(10)},
        {{QString(51, u'n'), QString(), QStringLiteral("lf"), QString()},
         UnitField::Name,
         unitHeaderTooLong(50)},
    };
    editing.mode = CostEditing::Mode::Add;
    for (const auto& c : cases) {
        const auto problem = UnitItemBuilder::check(c.header);
        ASSERT_TRUE(problem) << c.message.toStdString();
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(problem->message, c.message);
        EXPECT_FALSE(builder->save(editing, c.header));
    }
    EXPECT_EQ(unitHeaderTooLong(15), "This field cannot be longer than 15 characters.");
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costunit where mlname like 'Vent%'")).toInt(), 0);
}

TEST_F(UnitItemBuilderTest, DeletingAStoredComponentLeavesTheCostDatabaseAtOnce) {
    const qint32 id = storedRidge();
    builder->removeComponent(tempId(0));
    // No Save: the builder is cancelled here, and the component is gone all the same.
    EXPECT_EQ(components(id), QStringList{QStringLiteral("%1 | 0.25").arg(labor)});
    EXPECT_EQ(scratch().size(), 1);
    EXPECT_EQ(builder->ComputeTotal(), Money::fromRaw(77325));
}

TEST_F(UnitItemBuilderTest, ChangingAQuantityKeepsComponentsNotYetSaved) {
    const qint32 id = storedRidge();
    builder->addComponent(nails, 1);
    // A stored component's new quantity is stored at once.
    builder->changeQuantity(tempId(0), 4);
    EXPECT_EQ(components(id),
              (QStringList{QStringLiteral("%1 | 4").arg(nails), QStringLiteral("%1 | 0.25").arg(labor)}));
    // A new one changes in the scratch list only, and nothing is dropped.
    builder->changeQuantity(tempId(2), 0.5);
    EXPECT_EQ(components(id).size(), 2);
    const QStringList list = scratch();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[2], QStringLiteral("0 | 0 | %1 | 0.5 | ea | Coil nails | 100000 | 50000").arg(nails));
    EXPECT_EQ(builder->quantityOf(tempId(0)), 4.0);
    EXPECT_EQ(builder->ComputeTotal(), Money::fromRaw(400000 + 77325 + 50000));

    editing = {CostEditing::Mode::Edit, id};
    builder->save(editing, ridge);
    EXPECT_EQ(components(id),
              (QStringList{QStringLiteral("%1 | 4").arg(nails), QStringLiteral("%1 | 0.25").arg(labor),
                           QStringLiteral("%1 | 0.5").arg(nails)}));
}

TEST_F(UnitItemBuilderTest, EditingAndSavingWithoutChangesRewritesTheSame) {
    const qint32 id = storedRidge();
    const QStringList before = components(id);
    editing = {CostEditing::Mode::Edit, id};
    EXPECT_EQ(builder->loadHeader(id)->description, ridge.description);
    EXPECT_EQ(builder->save(editing, *builder->loadHeader(id)), id);
    EXPECT_EQ(components(id), before);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costunit where mlname='Ridge vent'")).toInt(), 1);
}

TEST_F(UnitItemBuilderTest, ComponentsOfDeletedCostItemsAreNotLoaded) {
    const qint32 id = storedRidge();
    exec(QStringLiteral("delete from costitem where id=?"), {nails});
    builder->PopTempTable(id);
    EXPECT_EQ(scratch().size(), 1);
    EXPECT_EQ(components(id).size(), 2);
}

TEST_F(UnitItemBuilderTest, ListsForTheHeader) {
    emptyCostDatabase();
    EXPECT_TRUE(builder->PopCatCombo().isEmpty());
    costItem(kTypeMaterial, QStringLiteral("Vents"), QStringLiteral("Box vent"), 10);
    exec(QStringLiteral("insert into costunit(mlname,mlunit) values('A','sq'),('B','lf'),('C','sq')"));
    EXPECT_EQ(builder->PopCatCombo(), QStringList{"Vents"});
    EXPECT_EQ(builder->PopUnitCombo(), (QStringList{"lf", "sq"}));
}

} // namespace qxtest
