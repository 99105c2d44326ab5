#include "TestFolders.h"

#include <QFile>

using namespace qx;

namespace {

using DataAccessTest = qxtest::ProgramFolderTest;

TEST_F(DataAccessTest, AFailedActionQueryIsReportedInTheProgramsWordsAndTheCallerGoesOn) {
    ctx->working.CreateTempDB();
    EXPECT_FALSE(ctx->data.ActionQuery("insert into tplineitems(unit) values(?)", temp(), {QString()}));
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_EQ(
        prompter.log().at(0),
        "message: Quorvex | Error 19 (CHECK constraint failed: tpLineItems) in procedure ActionQuery of "
        "Module modData\\nPlease make note of this and report this bug to help make this software "
        "better. -> ok");
    // The handle stays usable for the next statement.
    EXPECT_TRUE(ctx->data.ActionQuery("insert into tplineitems(unit) values(?)", temp(), {QString("ea")}));
    EXPECT_EQ(rows(temp(), "select unit from tplineitems"), QStringList({"ea"}));
}

TEST_F(DataAccessTest, ApostrophesAreStoredOnceAndNeverBreakAStatement) {
    ctx->working.CreateTempDB();
    const QString name = "O'Neil's ridge'); drop table templineal; --";
    ASSERT_TRUE(ctx->data.ActionQuery("insert into templineal(name) values(?)", temp(), {name}));
    EXPECT_EQ(rows(temp(), "select name from templineal"), QStringList({name}));
}

TEST_F(DataAccessTest, RecordExistsCountsMatchingRows) {
    ctx->working.CreateTempDB();
    ctx->data.ActionQuery("insert into estigrid(tplineitemid, name) values(4, 'a')", temp());
    ctx->data.ActionQuery("insert into estigrid(tplineitemid, name) values(4, 'b')", temp());
    EXPECT_TRUE(ctx->data.RecordExists(4, "tplineitemid", "estigrid", temp()));
    EXPECT_FALSE(ctx->data.RecordExists(5, "tplineitemid", "estigrid", temp()));
    EXPECT_THROW(ctx->data.RecordExists(4, "x; drop table estigrid", "estigrid", temp()), Failure);
}

TEST_F(DataAccessTest, KeyedFilesNeedTheirPasswordAndPlainFilesOpenEitherWay) {
    const Conn est = makeEstimateFile("Jones");
    ctx->pool.closeAll();
    EXPECT_THROW(SqlFile::open(est.path, QString(), SqlFile::Durability::Safe), Failure);
    EXPECT_THROW(SqlFile::open(est.path, "wrong", SqlFile::Durability::Safe), Failure);
    EXPECT_NO_THROW(SqlFile::open(est.path, kEstimatePassword, SqlFile::Durability::Safe));
    EXPECT_THROW(SqlFile::open(ctx->folder.costFile(), QString(), SqlFile::Durability::Safe), Failure);

    ctx->working.CreateTempDB();
    ctx->pool.closeAll();
    EXPECT_NO_THROW(SqlFile::open(temp().path, kScratchPassword, SqlFile::Durability::Scratch));
    EXPECT_NO_THROW(SqlFile::open(temp().path, QString(), SqlFile::Durability::Scratch));
}

TEST_F(DataAccessTest, MissingOrDamagedFilesAreReportedAtFirstUseAndNeverKeptOpen) {
    // Missing: the trap reports it and the program goes on.
    const Conn missing{ctx->folder.dataDir() + "/nothing.mdb", "x", false};
    const bool ok = ctx->data.Trap({"PopGrid", TrapSite::Form, "frmUnitItem"},
                                   [&] { ctx->data.Read(missing, "select 1"); });
    EXPECT_FALSE(ok);
    EXPECT_TRUE(prompter.lastText().startsWith("Error 14 ("));
    EXPECT_TRUE(prompter.lastText().endsWith(") in procedure PopGrid of Form frmUnitItem"));
    EXPECT_FALSE(QFile::exists(missing.path)); // never created by opening

    // Damaged: garbage where the register should be.
    ctx->pool.closeAll();
    QFile file(ctx->folder.mastFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    EXPECT_FALSE(ctx->data.ActionQuery("delete from master", mast()));
    EXPECT_TRUE(prompter.lastText().startsWith("Error 26 (file is encrypted or is not a database)"));
    EXPECT_FALSE(ctx->pool.isOpen(mast().path));

    // A wrong password on a shipped database reads the same way.
    const Conn wrongKey{cost().path, "nope", false};
    EXPECT_FALSE(ctx->data.ActionQuery("delete from costitem", wrongKey));
    EXPECT_FALSE(ctx->pool.isOpen(cost().path));
}

TEST_F(DataAccessTest, ATransactionRollsBackUnlessCommitted) {
    const Conn est = makeEstimateFile("Brown");
    Database& file = ctx->data.file(est);
    {
        Transaction outer(file);
        file.exec("insert into areas(total) values(1)");
        {
            Transaction inner(file);
            file.exec("insert into areas(total) values(2)");
        } // inner rolled back
        outer.commit();
    }
    {
        Transaction dropped(file);
        file.exec("insert into areas(total) values(3)");
    }
    EXPECT_EQ(rows(est, "select total from areas"), QStringList({"1"}));
    EXPECT_FALSE(file.inTransaction());
    {
        Transaction outer(file);
        EXPECT_TRUE(file.inTransaction());
        Transaction inner(file);
        file.exec("insert into areas(total) values(4)");
        inner.commit();
        EXPECT_TRUE(file.inTransaction());
        outer.commit();
    }
    EXPECT_FALSE(file.inTransaction());
    EXPECT_EQ(rows(est, "select total from areas order by id"), QStringList({"1", "4"}));
}

TEST_F(DataAccessTest, ABulkCopyMovesValuesAsStored) {
    const Conn est = makeEstimateFile("Brown");
    ctx->working.CreateTempDB();
    SqlFile& from = ctx->data.local(est);
    from.exec("insert into lineitems(id,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal) "
              "values(7,3,'O''Neil''s roof',0,?,'Material',2,NULL,123456,246912)",
              {QString::fromUtf8("Shingles \xF0\x9F\x8F\xA0")});
    from.exec("insert into lineitems(id,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal) "
              "values(9,1,'Gutters',1,'Gutter','SubCon',10,'ft',-5,-50)");
    SqlFile& to = ctx->data.local(temp());
    const QString select =
        "select id,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal from lineitems order by id";
    EXPECT_EQ(from.copyRowsTo(to, select, WorkingDb::kAddTpLineItem), 2);
    EXPECT_EQ(
        rows(temp(), "select lineitemid,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal,"
                     "typeof(cost) from tplineitems order by autoid"),
        QStringList({QString::fromUtf8(
                         "7 | 3 | O'Neil's roof | 0 | Shingles \xF0\x9F\x8F\xA0 | Material | 2 | NULL | "
                         "123456 | 246912 | integer"),
                     "9 | 1 | Gutters | 1 | Gutter | SubCon | 10 | ft | -5 | -50 | integer"}));

    // A row the target refuses stops the copy with the target's error; a mismatch of columns is refused.
    EXPECT_THROW(from.copyRowsTo(to, "select ''", "insert into tempsect(secdesc) values(?)"), Failure);
    EXPECT_THROW(from.copyRowsTo(to, "select 1, 2", "insert into tempsect(secorder) values(?)"), Failure);
}

} // namespace
