#include "OwnerForm.h"
#include "TestFolders.h"

#include "app/StartUp.h"
#include "app/UiProgram.h"
#include "app/frmQuovi.h"
#include "setup/Greeting.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryFile>

using namespace qx;

namespace {

// A copy of the program running on the test's program folder, with a new estimate reserved (New
// pressed, Start not yet): the register row a second copy's start-up clean-up would take away.
class SecondCopyTest : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        StartUp::ensureSettings(ctx->settings, ctx->folder.root());
        Greeting::okay(ctx->settings, false);
        first = std::make_unique<UiProgram>(programDir.path(), prompter, configDir.path());
        ASSERT_TRUE(first->start());
        first->mainWindow()->findChild<QAction*>("mnuNew")->trigger();
        ASSERT_EQ(reservations(), 1);
    }
    int reservations() {
        return rows(mast(), "select count(*) from master where estpath is null").value(0).toInt();
    }
    // Start in the first copy: the estimate it registers.
    QStringList startFirst() {
        qxtest::fillOwner(first->mainWindow());
        first->mainWindow()->findChild<QPushButton*>("cmdStartEst")->click();
        return rows(mast(), "select estname, estpath from master");
    }

    std::unique_ptr<UiProgram> first;
};

TEST_F(SecondCopyTest, SaysItIsAlreadyRunningAndReadsOrWritesNothing) {
    const QDateTime registerWritten = QFileInfo(ctx->folder.mastFile()).lastModified();
    QTemporaryDir otherUser; // a user without settings yet: a start that ran would write the defaults
    ScriptedPrompter secondPrompter;
    UiProgram second(programDir.path(), secondPrompter, otherUser.path());

    EXPECT_FALSE(second.start());
    EXPECT_EQ(secondPrompter.log(), QStringList{"message: Quorvex | Quorvex is already running. -> ok"});
    EXPECT_FALSE(second.mainWindow());
    EXPECT_TRUE(QDir(otherUser.path()).isEmpty());
    EXPECT_EQ(QFileInfo(ctx->folder.mastFile()).lastModified(), registerWritten);
    EXPECT_EQ(reservations(), 1);
    EXPECT_EQ(startFirst(), QStringList{"SmithGarage | SmithGarage\\SmithGarage.mdb"});
}

TEST_F(SecondCopyTest, ASecondProgramStartedBesideTheFirstEndsAndTheFirstsEstimateIsKept) {
    QTemporaryFile script;
    ASSERT_TRUE(script.open());
    script.write("click cmdOkay\nkey F6\n");
    script.close();
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configDir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.start(QX_UIDRIVE, {"--program-folder", programDir.path(), script.fileName()});
    ASSERT_TRUE(second.waitForFinished(30000));

    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(second.readAllStandardOutput()),
              "message: Quorvex | Quorvex is already running. -> ok\nerror: the program did not start\n");
    EXPECT_EQ(reservations(), 1);
    EXPECT_EQ(startFirst(), QStringList{"SmithGarage | SmithGarage\\SmithGarage.mdb"});
    EXPECT_EQ(prompter.messageCount(), 0);
}

} // namespace
