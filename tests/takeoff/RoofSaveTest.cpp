#include "takeoff/RoofSave.h"
#include "TakeoffFixture.h"

using namespace qx;

namespace qxtest {

class RoofSaveTest : public TakeoffTest {
protected:
    void SetUp() override {
        TakeoffTest::SetUp();
        openEstimate();
    }
    QStringList storedAreas() {
        return rows(est(), QStringLiteral("select ID,Shape,Width1,Height,Total from Areas order by ID"));
    }
};

TEST_F(RoofSaveTest, AreasInsertNewRowsUpdateStoredOnesAndNeverTwice) {
    exec(est(), QStringLiteral(
                    "insert into Areas(ID,Shape,Pitch,Width1,Width2,Height,Total) values(7,0,0,1,0,1,1)"));
    panel->addArea(rect(12, 10));
    exec(temp(), QStringLiteral("insert into TempAreas(AreaID,Shape,Pitch,Width1,Width2,Height,Total) "
                                "values(7,1,0,5,0,3,8)"));
    panel->addArea(rect(2, 2));

    SaveAreas(ctx->data, temp(), est());
    const QStringList once = storedAreas();
    EXPECT_EQ(once, (QStringList{QStringLiteral("7 | 1 | 5 | 3 | 8"), QStringLiteral("8 | 0 | 12 | 10 | 120"),
                                 QStringLiteral("9 | 0 | 2 | 2 | 4")}));
    EXPECT_EQ(rows(temp(), QStringLiteral("select AreaID from TempAreas order by ID")),
              (QStringList{QStringLiteral("8"), QStringLiteral("7"), QStringLiteral("9")}));

    SaveAreas(ctx->data, temp(), est());
    EXPECT_EQ(storedAreas(), once);
}

TEST_F(RoofSaveTest, LinealsInsertNewRowsUpdateStoredOnesAndNeverTwice) {
    exec(est(), QStringLiteral("insert into Lineal(ID,Type,Name,Length,Total) values(7,4,'Old',1,1)"));
    panel->addLineal(item(kLinealCap, QStringLiteral("Ridge"), 100, 104));
    exec(temp(), QStringLiteral(
                     "insert into TempLineal(LinealID,Type,Name,Length,Total) values(7,2,'Eaves',100,42)"));
    panel->addLineal(item(kLinealMisc, QStringLiteral("Bob's flashing"), 12, 12));

    for (int save = 0; save < 2; ++save) {
        SaveLineals(ctx->data, temp(), est());
        EXPECT_EQ(rows(est(), QStringLiteral("select ID,Type,Name,Total from Lineal order by ID")),
                  (QStringList{QStringLiteral("7 | 2 | Eaves | 42"), QStringLiteral("8 | 1 | Ridge | 104"),
                               QStringLiteral("9 | 4 | Bob's flashing | 12")}));
    }
}

TEST_F(RoofSaveTest, StoredRowGoneMissingIsStoredAgainUnderItsKey) {
    exec(temp(), QStringLiteral("insert into TempAreas(AreaID,Shape,Pitch,Width1,Width2,Height,Total) "
                                "values(5,0,0,12,0,10,120)"));
    panel->addArea(rect(2, 2));
    SaveAreas(ctx->data, temp(), est());
    EXPECT_EQ(storedAreas(),
              (QStringList{QStringLiteral("5 | 0 | 12 | 10 | 120"), QStringLiteral("6 | 0 | 2 | 2 | 4")}));
}

TEST_F(RoofSaveTest, FailureWritesNothingAndKeepsTheWorkingKeys) {
    exec(est(), QStringLiteral(
                    "insert into Areas(ID,Shape,Pitch,Width1,Width2,Height,Total) values(7,0,0,1,0,1,1)"));
    exec(est(), QStringLiteral("create trigger refuse before insert on Areas when new.Total=999 "
                               "begin select raise(abort, 'refused'); end"));
    exec(temp(), QStringLiteral("insert into TempAreas(AreaID,Shape,Pitch,Width1,Width2,Height,Total) "
                                "values(7,0,0,5,0,5,25)"));
    panel->addArea(rect(2, 2));
    panel->addArea(AreaMeasures{kShapeRect, 999, 0, 1, 999});

    EXPECT_THROW(SaveAreas(ctx->data, temp(), est()), Failure);
    EXPECT_EQ(storedAreas(), QStringList{QStringLiteral("7 | 0 | 1 | 1 | 1")});
    EXPECT_EQ(rows(temp(), QStringLiteral("select AreaID from TempAreas order by ID")),
              (QStringList{QStringLiteral("7"), QStringLiteral("0"), QStringLiteral("0")}));
}

} // namespace qxtest
