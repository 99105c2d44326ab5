#include "data/ProgramLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qx;

namespace {

class ProgramLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir("data"));
    }
    // A lock file as the program `name` with process id `pid` leaves it, last written `age` seconds ago.
    void leaveLock(qint64 pid, const QString& name, int age) {
        QFile file(folder.lockFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(pid) + "\n" + name.toUtf8() + "\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        file.flush(); // before the time is set: writing it out later would make it new again
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime));
        file.close();
    }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
};

// The process id of a program that has ended.
qint64 endedProcessId() {
    QProcess process;
    process.start("true");
    process.waitForStarted();
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

TEST_F(ProgramLockTest, ASecondCopyFindsTheFolderHeldUntilTheFirstEnds) {
    auto first = std::make_unique<ProgramLock>(folder);
    ASSERT_EQ(first->take(), ProgramLock::Outcome::Held);
    EXPECT_EQ(ProgramLock(folder).take(), ProgramLock::Outcome::HeldElsewhere);
    first.reset();
    EXPECT_EQ(ProgramLock(folder).take(), ProgramLock::Outcome::Held);
}

// Holds the lock file as a running program does, until the returned process's input is closed.
std::unique_ptr<QProcess> holdElsewhere(const QString& lockFile) {
    auto holder = std::make_unique<QProcess>();
    holder->start("flock", {"-n", lockFile, "-c", "echo held; exec cat"});
    EXPECT_TRUE(holder->waitForReadyRead(10000));
    EXPECT_EQ(holder->readAllStandardOutput(), "held\n");
    return holder;
}

TEST_F(ProgramLockTest, OnlyAHolderThatIsGoneGivesTheLockUp) {
    struct Case {
        const char* holder;
        qint64 pid;
        QString name;
        int age;
        bool running;
        ProgramLock::Outcome outcome;
    };
    const QString thisProgram = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const Case cases[] = {
        {"ended a moment ago", endedProcessId(), "quorvex", 1, false, ProgramLock::Outcome::Held},
        {"ended yesterday", endedProcessId(), "quorvex", 86400, false, ProgramLock::Outcome::Held},
        // The file of a running copy, whatever it says: only its end gives the folder up.
        {"left by a copy that ended, naming this one", QCoreApplication::applicationPid(), thisProgram, 86400,
         false, ProgramLock::Outcome::Held},
        // A copy left running all day still holds its folder.
        {"running since yesterday", endedProcessId(), "quorvex", 86400, true,
         ProgramLock::Outcome::HeldElsewhere},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.holder);
        leaveLock(c.pid, c.name, c.age);
        const std::unique_ptr<QProcess> holder = c.running ? holdElsewhere(folder.lockFile()) : nullptr;
        EXPECT_EQ(ProgramLock(folder).take(), c.outcome);
        if (holder) {
            holder->closeWriteChannel();
            EXPECT_TRUE(holder->waitForFinished(10000));
            EXPECT_EQ(ProgramLock(folder).take(), ProgramLock::Outcome::Held) << "once the holder has ended";
        }
        QFile::remove(folder.lockFile());
    }
}

TEST_F(ProgramLockTest, AFolderWithoutDataIsNotHeldByAnyone) {
    ASSERT_TRUE(QDir(folder.dataDir()).removeRecursively());
    EXPECT_EQ(ProgramLock(folder).take(), ProgramLock::Outcome::Unavailable);
}

} // namespace
