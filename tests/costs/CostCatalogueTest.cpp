#include "TestFolders.h"

#include "costs/CostCatalogue.h"

namespace {

using qx::CostCatalogue;
using qx::Money;

// A small cost database of known rows in place of the shipped one.
class CostCatalogueTest : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        qx::Database& file = ctx->data.file(cost());
        file.execScript("delete from costitem; delete from costunit; delete from unititems;");
        const char* items[] = {
            "(1,'Material','Shingles','Timberline','GAF','sk1','bdl','d',459900)",
            "(2,'Material','Fasteners','Coil nails','Acme',NULL,'box','d',1250)",
            "(3,'Material','Shingles','Duration','Owens','sk3','bdl','d',429900)",
            "(4,'Material','shingles','Duration','Acme','sk4','bdl','d',419900)",
            "(5,'Labor','Hourly','Roofer',NULL,NULL,'hr','d',333333)",
            "(6,'Labor','Crew','Tear off',NULL,NULL,'sq','d',650000)",
            "(7,'SubCon','Gutters','Gutter sub',NULL,NULL,'lf','d',80000)",
            "(8,'Equip','Lifts','Lift',NULL,NULL,'day','d',1500000)",
            "(9,'Fee','Permits','Permit',NULL,NULL,'ea','d',750000)",
        };
        for (const char* row : items)
            file.exec(
                QStringLiteral("insert into costitem(ID,costtype,Cat,CostName,manufacturer,sku,Unit,Descrip,"
                               "Amount) values") +
                row);
        file.execScript(
            "insert into costunit(ID,MLName,MLCat,MLUnit,MLDesc) values"
            "(1,'Nail-up','Roofing','sq','n'),(2,'Empty','Roofing','ea','no parts'),"
            "(3,'Vent','Vents','ea','v');"
            "insert into unititems(matlaborid,itemid,itemqty) values(1,2,1.15),(1,5,0.5),(3,6,1);");
    }
    QStringList keys(const qx::ResultSet& rows) {
        QStringList out;
        for (const QVariantList& row : rows.rows)
            out << row.at(0).toString();
        return out;
    }
};

TEST_F(CostCatalogueTest, EveryTabListsItsRowsInItsOrderUnderItsCaptions) {
    CostCatalogue picker(ctx->data, cost(), CostCatalogue::Use::Picker);
    const struct {
        const char* caption;
        QStringList keys;
        int columns;
    } tabs[] = {{"Material", {"2", "4", "3", "1"}, 9},
                {"Labor", {"5", "6"}, 7},
                {"Subs", {"7"}, 7},
                {"Equipment", {"8"}, 7},
                {"Fees", {"9"}, 7},
                {"Unit Items", {"1", "3"}, 6}};
    for (int tab = 0; tab < CostCatalogue::kTabCount; ++tab) {
        EXPECT_EQ(picker.tabCaption(tab), tabs[tab].caption);
        const qx::ResultSet rows = *picker.PopGrid(tab);
        EXPECT_EQ(keys(rows), tabs[tab].keys) << tab;
        EXPECT_EQ(rows.columns.size(), tabs[tab].columns);
        EXPECT_EQ(CostCatalogue::columnCaptions(tab).size(), tabs[tab].columns);
        EXPECT_EQ(CostCatalogue::columnCaptions(tab).at(CostCatalogue::costColumn(tab)), "Cost");
    }
    EXPECT_EQ(CostCatalogue::columnCaptions(0).join(','),
              "ID,Category,Name,Manufacturer,SKU,Unit,Desc,Cost,Price Date");
    EXPECT_EQ(CostCatalogue::columnCaptions(3).join(','), "ID,Cat,Name,Unit,Desc,Cost,Price Date");
    EXPECT_EQ(CostCatalogue::columnCaptions(5).join(','), "ID,Cat,Name,Unit,Desc,Cost");
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(CostCatalogueTest, CategoriesNarrowTheCostItemTabsWithoutRegardToCase) {
    CostCatalogue picker(ctx->data, cost(), CostCatalogue::Use::Picker);
    EXPECT_EQ(picker.PopCat(0), QStringList({"All", "Fasteners", "Shingles"}));
    EXPECT_EQ(keys(picker.FilterGrid(0, "Shingles")), QStringList({"4", "3", "1"}));
    EXPECT_EQ(keys(picker.FilterGrid(0, "All")), QStringList({"2", "4", "3", "1"}));
    EXPECT_EQ(picker.PopCat(1), QStringList({"All", "Crew", "Hourly"}));
    EXPECT_EQ(keys(picker.FilterGrid(1, "Hourly")), QStringList({"5"}));
    EXPECT_TRUE(keys(picker.FilterGrid(2, "x' or '1'='1")).isEmpty());
}

TEST_F(CostCatalogueTest, NarrowingTheRowsHeldGivesWhatTheDatabaseGives) {
    const struct {
        CostCatalogue::Use use;
        int tab;
        const char* category;
    } cases[] = {{CostCatalogue::Use::Picker, 0, "Shingles"}, {CostCatalogue::Use::Picker, 0, "SHINGLES"},
                 {CostCatalogue::Use::Picker, 0, "All"},      {CostCatalogue::Use::Picker, 1, "Hourly"},
                 {CostCatalogue::Use::Picker, 2, "none"},     {CostCatalogue::Use::Picker, 5, "Vents"},
                 {CostCatalogue::Use::CostTables, 5, "vents"}};
    for (const auto& c : cases) {
        CostCatalogue catalogue(ctx->data, cost(), c.use);
        const QString category = QLatin1String(c.category);
        EXPECT_EQ(keys(catalogue.narrow(*catalogue.PopGrid(c.tab), c.tab, category)),
                  keys(catalogue.FilterGrid(c.tab, category)))
            << c.tab << c.category;
    }
}

TEST_F(CostCatalogueTest, UnitItemCategoriesAreOfferedAndNarrowOnlyInTheCostTables) {
    CostCatalogue picker(ctx->data, cost(), CostCatalogue::Use::Picker);
    CostCatalogue tables(ctx->data, cost(), CostCatalogue::Use::CostTables);
    EXPECT_EQ(picker.PopCat(5), QStringList({"All"}));
    EXPECT_EQ(keys(picker.FilterGrid(5, "Vents")), QStringList({"1", "3"}));
    EXPECT_EQ(tables.tabCaption(5), "CostUnit");
    EXPECT_EQ(tables.PopCat(5), QStringList({"All", "Roofing", "Vents"}));
    EXPECT_EQ(keys(tables.FilterGrid(5, "Vents")), QStringList({"3"}));
}

TEST_F(CostCatalogueTest, AUnitItemIsPricedFromItsComponentsAsTheMoneyRuleRoundsThem) {
    CostCatalogue picker(ctx->data, cost(), CostCatalogue::Use::Picker);
    // 1.15 x 0.1250 = 0.14375 -> 0.1438; 0.5 x 33.3333 = 16.66665 -> 16.6667.
    const Money expected =
        Money::fromRaw(1250).timesRoundedToRaw(1.15) + Money::fromRaw(333333).timesRoundedToRaw(0.5);
    EXPECT_EQ(expected, Money::fromRaw(1438 + 166667));
    EXPECT_EQ(picker.unitItemPrice(1), expected);
    EXPECT_EQ(picker.PopGrid(5)->at(0, 5).toLongLong(), expected.raw());
    EXPECT_FALSE(picker.unitItemPrice(2).has_value());
}

TEST_F(CostCatalogueTest, AFailingListIsReportedUnderTheFormsName) {
    ctx->data.file(cost()).execScript("drop view UnitQry");
    CostCatalogue tables(ctx->data, cost(), CostCatalogue::Use::CostTables);
    EXPECT_FALSE(tables.PopGrid(5).has_value());
    EXPECT_TRUE(
        prompter.lastText().startsWith("Error 1 (no such table: UnitQry) in procedure PopGrid of Form "
                                       "frmUnitItem"));
}

} // namespace
