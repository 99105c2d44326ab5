// What a New, a Start or the discarding of a new estimate leaves when the program stops half way, and
// how the next start tidies it: every half-made estimate goes from the register and estimates/ alike,
// and nothing that belongs to a complete estimate or to the user is touched.
#include "TestFolders.h"
#include "child/CrashWork.h"

#include "estimate/NewEstimate.h"
#include "estimate/Register.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace qx;

namespace {

class UnfinishedStart : public qxtest::ProgramFolderTest {
protected:
    QStringList registerRows() { return rows(mast(), "select estname, estpath from master order by id"); }
    bool folderExists(const QString& name) { return QFileInfo(ctx->folder.estimateFolder(name)).isDir(); }
    // A New whose Start got as far as naming its reservation and making the estimate's file.
    qint32 startCutShort(const QString& name) {
        WorkState state;
        NewEstimate create(*ctx, state);
        EXPECT_TRUE(create.begin());
        EXPECT_TRUE(Register(ctx->data, mast()).reserveName(state.lEstID, name));
        makeEstimateFile(name);
        ctx->pool.closeAll();
        return state.lEstID;
    }
};

TEST_F(UnfinishedStart, TheNextStartRemovesHalfMadeEstimatesOnly) {
    WorkState done;
    NewEstimate complete(*ctx, done);
    ASSERT_TRUE(complete.begin());
    ASSERT_FALSE(complete.start(qxcrash::crashOwner("Whole")));
    startCutShort("Half");
    // A Start that reused a leftover folder holding the user's own file.
    startCutShort("Reused");
    QFile mine(ctx->folder.estimateFolder("Reused") + "/letter.rtf");
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.close();
    // A reservation naming a complete estimate's folder (a register edited by hand) takes nothing.
    startCutShort("Other");
    ctx->data.file(mast()).exec("update master set estname='Whole' where estname='Other'");
    WorkState never;
    ASSERT_TRUE(NewEstimate(*ctx, never).begin()); // New without Start

    removeUnfinishedStarts(*ctx);
    EXPECT_EQ(registerRows(), QStringList{"Whole | Whole\\Whole.mdb"});
    EXPECT_TRUE(QFileInfo(ctx->folder.estimateFile("Whole")).isFile());
    EXPECT_FALSE(folderExists("Half"));
    EXPECT_FALSE(QFileInfo::exists(ctx->folder.estimateFile("Reused")));
    EXPECT_TRUE(QFileInfo(mine.fileName()).isFile());
    EXPECT_TRUE(folderExists("Other")); // not the reservation's to take: its name was changed
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(UnfinishedStart, ARefusedStartGivesItsNameBackAndADiscardCutShortIsFinished) {
    WorkState state;
    NewEstimate create(*ctx, state);
    ASSERT_TRUE(create.begin());
    QFile blocker(ctx->folder.estimateFolder("Blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_TRUE(create.start(qxcrash::crashOwner("Blocked")));
    EXPECT_EQ(registerRows(), QStringList{"NULL | NULL"});

    ASSERT_FALSE(create.start(qxcrash::crashOwner("Kept")));
    // Discarding turns the row back into a reservation first; stopped right there, the next start
    // finishes the job.
    ASSERT_TRUE(Register(ctx->data, mast()).reopenReservation(state.lEstID));
    EXPECT_EQ(registerRows(), QStringList{"Kept | NULL"});
    ctx->pool.closeAll();
    removeUnfinishedStarts(*ctx);
    EXPECT_TRUE(registerRows().isEmpty());
    EXPECT_FALSE(folderExists("Kept"));
}

} // namespace
