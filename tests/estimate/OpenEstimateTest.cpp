#include "QtPrinters.h"
#include "TestFolders.h"

#include "estimate/NewEstimate.h"
#include "estimate/OpenEstimate.h"

#include <QFile>

using namespace qx;

namespace {

class OpenEstimateTest : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        WorkState started;
        NewEstimate create(*ctx, started);
        ASSERT_TRUE(create.begin());
        OwnerInput owner;
        owner.names = {"Pat", "O'Neil", "4 Bay Rd", "Anytown, MT 54321", "406/555-1234", "", "12"};
        owner.type = "Tear Off";
        ASSERT_FALSE(create.start(owner));
        id = started.lEstID;
        est = started.sEstConn;
        ctx->data.file(mast()).exec("update master set eststatus='Pending' where id=?", {id});
    }
    WorkState state;
    qint32 id = 0;
    Conn est;
};

TEST_F(OpenEstimateTest, OwnerComesFromTheRegisterAndTheEstimateFile) {
    OpenEstimate opening(*ctx, state);
    ASSERT_TRUE(opening.prepare());
    const auto owner = opening.OpenOwner(id);
    ASSERT_TRUE(owner);
    EXPECT_EQ(QStringList(owner->names.begin(), owner->names.end()),
              QStringList({"Pat", "O'Neil", "4 Bay Rd", "Anytown, MT 54321", "406/555-1234", "", "12"}));
    EXPECT_EQ(owner->type, "Tear Off");
    EXPECT_EQ(owner->estName, "O'NeilTearOff");
    EXPECT_EQ(state.lEstID, id);
    EXPECT_EQ(state.sEstStatus, "Pending");
    EXPECT_EQ(state.sEstConn, est);
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(OpenEstimateTest, RoofRowsArriveWithTheirStoredKeys) {
    Database& file = ctx->data.file(est);
    file.exec("insert into Areas(ID,Shape,Pitch,Width1,Width2,Height,Total) values(4,2,0,10,20,5,75)");
    file.exec("insert into Areas(ID,Shape,Pitch,Width1,Width2,Height,Total) values(9,0,0,12,0,10,120)");
    file.exec("insert into Lineal(ID,Type,Name,Length,Total) values(3,1,'Bob''s ridge',100,104)");
    OpenEstimate opening(*ctx, state);
    ASSERT_TRUE(opening.prepare());
    ASSERT_TRUE(opening.OpenOwner(id));
    ASSERT_TRUE(opening.OpenRoof());
    EXPECT_EQ(rows(temp(), "select ID,AreaID,Shape,Pitch,Width1,Width2,Height,Total from TempAreas"),
              QStringList({"1 | 4 | 2 | 0 | 10 | 20 | 5 | 75", "2 | 9 | 0 | 0 | 12 | 0 | 10 | 120"}));
    EXPECT_EQ(rows(temp(), "select ID,LinealID,Type,Name,Length,Total from TempLineal"),
              QStringList({"1 | 3 | 1 | Bob's ridge | 100 | 104"}));
}

TEST_F(OpenEstimateTest, AMissingFileOrRowOpensNothing) {
    ctx->pool.close(est.path);
    ASSERT_TRUE(QFile::remove(est.path));
    OpenEstimate opening(*ctx, state);
    EXPECT_FALSE(opening.OpenOwner(id));
    EXPECT_TRUE(prompter.lastText().contains("in procedure OpenOwner of Module modOpenEst"));
    EXPECT_FALSE(opening.OpenOwner(id + 100));
    EXPECT_TRUE(prompter.lastText().startsWith("Error 3021 (No estimate with the ID"));
    EXPECT_EQ(state.lEstID, 0);
    EXPECT_FALSE(state.hasEstimateFile());
}

} // namespace
