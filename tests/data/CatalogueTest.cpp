#include "TestFolders.h"

#include "data/Catalogue.h"
#include "data/SqlFile.h"

#include <QTemporaryDir>

using namespace qx;

namespace {

class CatalogueTest : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        ctx->working.CreateTempDB();
        est = makeEstimateFile(QStringLiteral("Smith"));
    }
    // "name:default" per column, in order.
    QStringList columns(const Conn& conn, const QString& table) {
        QStringList out;
        const ResultSet info = ctx->data.Read(conn, QStringLiteral("PRAGMA table_info(%1)").arg(table));
        for (const QVariantList& row : info.rows)
            out << row.at(1).toString() + QLatin1Char(':') + row.at(4).toString();
        return out;
    }
    bool inserts(const Conn& conn, const QString& sql, const Params& params) {
        return ctx->data.ActionQuery(sql, conn, params);
    }
    Conn est;
};

TEST_F(CatalogueTest, WorkingTablesHaveTheirColumnsInOrderWithZeroDefaults) {
    EXPECT_EQ(columns(temp(), "tpLineItems"),
              QStringList({"autoID:", "LineItemID:0", "EstID:0", "ItemID:0", "SecOrder:0",
                           "Sect:", "Name:", "ItemTable:", "Qty:0", "Unit:", "Cost:", "LineTotal:"}));
    EXPECT_EQ(columns(temp(), "TempAreas"), QStringList({"ID:", "AreaID:0", "Shape:0", "Pitch:0", "Width1:0",
                                                         "Width2:0", "Height:0", "Total:0"}));
    EXPECT_EQ(columns(temp(), "TempLineal"),
              QStringList({"ID:", "LinealID:0", "Type:0", "Name:", "Length:0", "Total:0"}));
    EXPECT_EQ(columns(temp(), "TempSect"), QStringList({"autoID:", "SecDesc:", "SecOrder:"}));
    EXPECT_EQ(columns(temp(), "EstiGrid").size(), 14);
    EXPECT_EQ(
        columns(est, "Main"),
        QStringList({"ID:", "FName:", "LName:", "Address:", "CityStZip:", "HomePH:", "WorkPH:", "Ext:",
                     "Overhead:", "Profit:", "Contingency:", "Management:", "PaymentTerms:", "EstSummary:"}));
    EXPECT_EQ(columns(est, "LineItems").at(1), QStringLiteral("ItemID:0"));
    // SectSort is made only on demand.
    EXPECT_TRUE(columns(temp(), "SectSort").isEmpty());
}

TEST_F(CatalogueTest, CreatedTablesRefuseTheEmptyStringExceptMainPhones) {
    EXPECT_FALSE(inserts(temp(), "insert into templineal(name) values(?)", {QString()}));
    EXPECT_TRUE(prompter.lastText().contains("in procedure ActionQuery of Module modData"));
    EXPECT_TRUE(inserts(temp(), "insert into templineal(name) values(?)", {QVariant()})); // null is fine
    EXPECT_FALSE(inserts(est, "insert into main(fname) values('')", {}));
    EXPECT_TRUE(inserts(est, "insert into main(fname,lname,homeph,workph,ext) values('A','B','','','')", {}));
    EXPECT_EQ(rows(est, "select id, workph, ext from main"), QStringList({"1 |  | "}));
    // The shipped register accepts empty texts.
    EXPECT_TRUE(inserts(mast(), "insert into master(estname, esttype) values('', '')", {}));
}

TEST_F(CatalogueTest, TextCompareIgnoresCaseAndSizesAreEnforced) {
    ASSERT_TRUE(inserts(temp(), "insert into tplineitems(itemtable, unit) values('Material', 'ea')", {}));
    EXPECT_EQ(rows(temp(), "select count(*) from tplineitems where itemtable='material'"),
              QStringList({"1"}));
    EXPECT_FALSE(inserts(temp(), "insert into templineal(name) values(?)", {QString(51, 'x')}));
    EXPECT_TRUE(inserts(temp(), "insert into templineal(name) values(?)", {QString(50, 'x')}));
}

TEST_F(CatalogueTest, UnitQryPricesEachComponentToFourDecimals) {
    Database& file = ctx->data.file(cost());
    file.exec("delete from unititems");
    file.exec(
        "insert into costitem(ID, costtype, CostName, Amount) values(900, 'Material', 'Nails', 123457)");
    file.exec("insert into costunit(ID, MLName) values(900, 'Test unit')");
    file.exec("insert into unititems(matlaborid, itemid, itemqty) values(900, 900, 0.5)");
    file.exec("insert into unititems(matlaborid, itemid, itemqty) values(900, 900, 2)");
    // A component whose cost item is gone drops out of the price.
    file.exec("insert into unititems(matlaborid, itemid, itemqty) values(900, 12345, 1)");
    EXPECT_EQ(rows(cost(), "select ID, [Line Total] from UnitQry order by [Line Total]"),
              QStringList({"900 | 61729", "900 | 246914"}));
}

TEST_F(CatalogueTest, UnitQryAgreesWithTheMoneyRuleToTheTenThousandth) {
    Database& file = ctx->data.file(cost());
    file.exec("delete from unititems");
    file.exec("insert into costitem(ID, costtype, CostName, Amount) values(900, 'Material', 'Nails', 1250)");
    file.exec("insert into costitem(ID, costtype, CostName, Amount) values(901, 'Labor', 'Crew', 333333)");
    const struct {
        int item;
        double qty;
        qint64 raw;
    } cases[] = {{900, 1.15, 1438},  {900, 0.1, 125},        {900, 2.5, 3125},
                 {901, 0.005, 1667}, {901, 1.0 / 3, 111111}, {901, 0.15, 50000}};
    int unit = 1000;
    for (const auto& c : cases) {
        file.exec("insert into unititems(matlaborid, itemid, itemqty) values(?, ?, ?)",
                  {++unit, c.item, c.qty});
        const qint64 amount = c.item == 900 ? 1250 : 333333;
        EXPECT_EQ(Money::fromRaw(amount).timesRoundedToRaw(c.qty).raw(), c.raw) << c.qty;
        EXPECT_EQ(
            ctx->data.ReadScalar(cost(), "select [Line Total] from UnitQry where ID=?", {unit}).toLongLong(),
            c.raw)
            << c.qty;
    }
}

TEST_F(CatalogueTest, AnOlderUnitQryIsBroughtToTheCurrentRule) {
    SqlFile& file = ctx->data.local(cost());
    file.execScript("DROP VIEW UnitQry; CREATE VIEW UnitQry AS SELECT matlaborid AS ID, 0 AS [Line Total] "
                    "FROM unititems");
    refreshUnitQry(file);
    EXPECT_EQ(rows(cost(), "select count(*) from UnitQry where [Line Total] = 0"), QStringList({"0"}));
}

TEST(CatalogueUpgrade, AnOlderCostDatabaseAndRegisterGainTheNewColumnsAndKeepEveryRow) {
    QTemporaryDir dir;
    auto file = SqlFile::create(dir.filePath("old.db"), QString(), SqlFile::Durability::Scratch);
    file->execScript(
        "CREATE TABLE costitem (ID INTEGER PRIMARY KEY AUTOINCREMENT, costtype TEXT, Cat TEXT, "
        "CostName TEXT, manufacturer TEXT, sku TEXT, Unit TEXT, Descrip TEXT, Amount INTEGER);"
        "INSERT INTO costitem (costtype, CostName, Amount) VALUES ('Material', 'Shingle', 250000);"
        "CREATE TABLE master (id INTEGER PRIMARY KEY AUTOINCREMENT, estname TEXT, estaddress TEXT, "
        "estdate TEXT, esttype TEXT, eststatus TEXT, estlength INTEGER, estpath TEXT);"
        "INSERT INTO master (estname) VALUES ('Jones');");
    EXPECT_EQ(addMissingColumns(*file, DatabaseKind::Cost),
              QStringList({"costitem.covers", "costitem.coverage", "costitem.pricedate"}));
    EXPECT_EQ(addMissingColumns(*file, DatabaseKind::Register), QStringList({"master.esttotal"}));
    const ResultSet cost = file->query("select CostName, Amount, covers, coverage, pricedate from costitem");
    ASSERT_EQ(cost.size(), 1);
    EXPECT_EQ(cost.rows.at(0), QVariantList({"Shingle", qint64(250000), "Nothing", qint64(0), QVariant()}));
    EXPECT_TRUE(file->scalar("select esttotal from master where estname='Jones'").isNull());
    // A second start finds nothing to add.
    EXPECT_TRUE(addMissingColumns(*file, DatabaseKind::Cost).isEmpty());
}

TEST(CatalogueDefinitions, EveryKindListsItsTablesInCreationOrder) {
    const QStringList plan = {"Plan",       "PlanScales",       "PlanCorners",
                              "PlanFacets", "PlanFacetCorners", "PlanEdges"};
    EXPECT_EQ(planTables(), plan);
    QStringList workingPlan;
    for (const QString& table : plan) {
        workingPlan << workingTable(table);
        // The working copy holds what the file holds, column for column.
        EXPECT_EQ(columnNames(workingTable(table)), columnNames(table));
    }
    EXPECT_EQ(tablesOf(DatabaseKind::Working),
              QStringList({"TempSect", "EstiGrid", "tpLineItems", "TempAreas", "TempLineal"}) + workingPlan);
    EXPECT_EQ(tablesOf(DatabaseKind::EstimateFile),
              QStringList({"Main", "Areas", "Lineal", "LineItems"}) + plan);
    for (DatabaseKind kind : {DatabaseKind::Cost, DatabaseKind::Register, DatabaseKind::Contacts,
                              DatabaseKind::Working, DatabaseKind::UnitScratch, DatabaseKind::EstimateFile})
        for (const QString& table : tablesOf(kind))
            EXPECT_FALSE(tableDefinition(table).isEmpty()) << qPrintable(table);
}

} // namespace
