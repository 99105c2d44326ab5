#include "TestFolders.h"

#include "data/ProgramLayout.h"

#include <QDir>
#include <QFile>

using namespace qx;

namespace {

using WorkingDbTest = qxtest::ProgramFolderTest;

TEST_F(WorkingDbTest, ASecondCreateTempDBStartsEmptyWithAutonumbersAtOne) {
    ctx->working.CreateTempDB();
    for (int i = 0; i < 3; ++i)
        ctx->data.ActionQuery("insert into tempareas(total) values(10)", temp());
    ctx->working.CreateTempDB();
    ctx->data.ActionQuery("insert into tempareas(total) values(20)", temp());
    EXPECT_EQ(rows(temp(), "select id, total from tempareas"), QStringList({"1 | 20"}));
}

TEST_F(WorkingDbTest, AddTpLineItemKeepsEveryValueAndLeavesEstIdAtZero) {
    ctx->working.CreateTempDB();
    ASSERT_TRUE(ctx->working.AddTpLineItem(7, 12, "Bob's Roof", 0, "Ridge 'cap'", "Material", 3, "bdl",
                                           Money::fromCents(4599), Money::fromCents(13797)));
    EXPECT_EQ(
        rows(temp(), "select lineitemid, estid, itemid, sect, secorder, name, itemtable, qty, unit, cost, "
                     "linetotal from tplineitems"),
        QStringList({"7 | 0 | 12 | Bob's Roof | 0 | Ridge 'cap' | Material | 3 | bdl | 459900 | 1379700"}));
    // An empty unit is refused by the working table and reported.
    EXPECT_FALSE(ctx->working.AddTpLineItem(0, 1, "A", 0, "B", "Fee", 1, "", Money(), Money()));
    EXPECT_EQ(prompter.messageCount(), 1);
}

TEST_F(WorkingDbTest, ClearSectSortAndDropAreQuietOnEmptyOrMissingTables) {
    ctx->working.CreateTempDB();
    ctx->data.ActionQuery("insert into tempsect(secdesc, secorder) values('Roofing', 0)", temp());
    ctx->working.ClearTempDB();
    ctx->working.ClearTempDB();
    EXPECT_EQ(rows(temp(), "select count(*) from tempsect"), QStringList({"0"}));

    ctx->working.DropTempTable("SectSort"); // not there: nothing visible
    ctx->working.CreateSectSort();
    ctx->working.CreateSectSort(); // a leftover one does not block the next
    ctx->data.ActionQuery("insert into sectsort(sectname, secorder) values('A', 0)", temp());
    ctx->working.DropTempTable("sectsort");
    EXPECT_EQ(prompter.messageCount(), 0);
    EXPECT_EQ(rows(temp(), "select count(*) from sqlite_master where name='SectSort'"), QStringList({"0"}));
}

TEST_F(WorkingDbTest, EstimateFilesAreKeyedAndNeedTheirFolder) {
    EXPECT_THROW(ctx->working.CreateEstFile("NoFolder"), Failure);
    const Conn est = makeEstimateFile("Garage");
    EXPECT_EQ(rows(est, "select count(*) from main"), QStringList({"0"}));
    QFile file(est.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_NE(file.read(15), QByteArray("SQLite format 3"));
    file.close();
    // A leftover file in that folder is replaced by an empty one.
    ctx->data.ActionQuery("insert into main(fname) values('Old')", est);
    ctx->working.CreateEstFile("Garage");
    EXPECT_EQ(rows(est, "select count(*) from main"), QStringList({"0"}));
}

TEST_F(WorkingDbTest, UnitScratchDatabaseIsRebuiltEachTime) {
    ctx->working.CreateUnitDB();
    ctx->data.ActionQuery("insert into tempunit(name, unit, qty) values('Nails', 'box', 0.25)",
                          ctx->conns.sUnitConn);
    ctx->working.CreateUnitDB();
    EXPECT_EQ(rows(ctx->conns.sUnitConn, "select count(*) from tempunit"), QStringList({"0"}));
}

TEST_F(WorkingDbTest, LayingOutAgainNeverOverwritesTheShippedDatabases) {
    const int shipped = rows(cost(), "select count(*) from costitem").at(0).toInt();
    EXPECT_GE(shipped, 40);
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList({"0"}));
    ctx->data.ActionQuery("insert into costitem(costtype, costname, amount) values('Fee', 'Mine', 10000)",
                          cost());
    ctx->data.ActionQuery("insert into master(estname) values('Kept')", mast());
    ctx->pool.closeAll();
    layOutProgramFolder(ctx->folder);
    EXPECT_EQ(rows(cost(), "select count(*) from costitem").at(0).toInt(), shipped + 1);
    EXPECT_EQ(rows(mast(), "select estname from master"), QStringList({"Kept"}));
}

TEST_F(WorkingDbTest, ShippedContentIsUsableAtOnce) {
    for (const char* type : {"Material", "Labor", "SubCon", "Equip", "Fee"})
        EXPECT_NE(rows(cost(), QString("select count(*) from costitem where costtype='%1'").arg(type)),
                  QStringList({"0"}))
            << type;
    // Every hourly rate is the sum of its base and burdens.
    EXPECT_EQ(rows(cost(),
                   "select count(*) from costitem c join laborcost l on l.costid = c.id "
                   "where c.cat='Hourly' and c.amount <> l.baserate + l.fringe + l.workcomp + l.taxes + "
                   "l.other"),
              QStringList({"0"}));
    EXPECT_GE(rows(cost(), "select count(*) from costitem where cat='Hourly' and unit='hr'").at(0).toInt(),
              4);
    EXPECT_GE(rows(cost(), "select count(distinct id) from UnitQry").at(0).toInt(), 3);
    EXPECT_GE(rows(mast(), "select count(*) from sectionname").at(0).toInt(), 6);
}

} // namespace
