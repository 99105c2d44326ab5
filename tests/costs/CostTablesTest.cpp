#include "costs/CostTables.h"
#include "CostsFixture.h"
#include "costs/CostCatalogue.h"
#include "costs/CostTexts.h"

using namespace qx;

namespace qxtest {

TEST(CostTablesRouting, EachTabOpensItsEditor) {
    const struct {
        int tab;
        const char* category;
        CostEditor add;
        CostEditor edit;
    } cases[] = {
        {0, "Shingles", CostEditor::CostItem, CostEditor::CostItem},
        {1, "Hourly", CostEditor::LaborRate, CostEditor::LaborRate},
        {1, "Tear Off", CostEditor::LaborRate, CostEditor::CostItem},
        {1, "hourly", CostEditor::LaborRate, CostEditor::CostItem},
        {2, "Hourly", CostEditor::CostItem, CostEditor::CostItem},
        {3, "", CostEditor::CostItem, CostEditor::CostItem},
        {4, "Permit", CostEditor::CostItem, CostEditor::CostItem},
        {5, "Roofing", CostEditor::UnitItem, CostEditor::UnitItem},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CostTables::editorForAdd(c.tab), c.add) << c.tab << c.category;
        EXPECT_EQ(CostTables::editorForEdit(c.tab, QLatin1String(c.category)), c.edit) << c.tab << c.category;
    }
}

class CostTablesTest : public CostsTest {
protected:
    CostTables tables() { return CostTables(ctx->data, cost()); }
    std::optional<Money> price(qint32 unitId) {
        return CostCatalogue(ctx->data, cost(), CostCatalogue::Use::CostTables).unitItemPrice(unitId);
    }
};

TEST_F(CostTablesTest, DeletingACostItemRepricesTheUnitItemsThatUseIt) {
    // Ridge vent (unit item 2) uses the Journeyman Roofer (53) for 0.12 hr at 45.622.
    const Money before = *price(2);
    ASSERT_TRUE(tables().remove(1, 53));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costitem where id=53")).toInt(), 0);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from laborcost where costid=53")).toInt(), 0);
    // The component stays; the price leaves it out.
    EXPECT_EQ(
        scalar(QStringLiteral("select count(*) from unititems where matlaborid=2 and itemid=53")).toInt(), 1);
    EXPECT_EQ(*price(2), before - Money::fromRaw(54746)); // 0.12 x 45.6220 = 5.47464
}

TEST_F(CostTablesTest, AUnitItemWhoseOnlyComponentIsDeletedIsNoLongerPriced) {
    const qint32 nails =
        costItem(kTypeMaterial, QStringLiteral("Nails"), QStringLiteral("Coil nails"), 100000);
    exec(QStringLiteral("insert into costunit(mlname,mlunit) values('Nail-up','sq')"));
    const qint32 unit = qint32(ctx->data.file(cost()).lastInsertId());
    exec(QStringLiteral("insert into unititems(matlaborid,itemid,itemqty) values(?,?,2.5)"), {unit, nails});
    EXPECT_EQ(price(unit), Money::fromWhole(25));
    tables().remove(0, nails);
    EXPECT_FALSE(price(unit));
}

TEST_F(CostTablesTest, DeletingAUnitItemRemovesItsComponents) {
    const qint64 others =
        scalar(QStringLiteral("select count(*) from unititems where matlaborid<>1")).toLongLong();
    ASSERT_TRUE(tables().remove(CostCatalogue::kUnitTab, 1));
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costunit where id=1")).toInt(), 0);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from unititems where matlaborid=1")).toInt(), 0);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from unititems")).toLongLong(), others);
    // Cost item 1 is a component of unit item 1, not the unit item itself: it stays.
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costitem where id=1")).toInt(), 1);
}

} // namespace qxtest
