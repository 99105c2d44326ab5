// A program folder the user may read but not write: every command that needs to write says so with
// the program's error message, the program goes on, and no file changes.
#include "FaultFixture.h"

#include "estimate/NewEstimate.h"

#include <QDirIterator>
#include <QStandardPaths>
#include <unistd.h>

using namespace qx;

namespace {

constexpr uid_t kNobody = 65534;

OwnerInput smithsGarage() {
    OwnerInput owner;
    owner.names = {"John", "Smith", "12 Elm St", "Anytown, MT 54321", "406/555-1234", "", ""};
    owner.type = "Garage";
    return owner;
}

class ReadOnlyFolder : public qxtest::FaultTest {
protected:
    void TearDown() override { setWritable(programDir.path(), true); }

    // Files and folders readable by everyone, writable by nobody but their owner, or, with `writable`
    // false, by no one.
    static void setWritable(const QString& root, bool writable) {
        const auto read = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto search = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        const auto write = writable ? QFile::WriteOwner : QFile::Permissions();
        QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry(it.next());
            QFile::setPermissions(entry.filePath(),
                                  read | write | (entry.isDir() ? search : QFile::Permissions()));
        }
        QFile::setPermissions(root, read | search | write);
    }
};

TEST_F(ReadOnlyFolder, EveryWriteIsReportedAndNoFileChanges) {
    // An estimate to open, made while the folder could still be written.
    WorkState state;
    NewEstimate create(*ctx, state);
    ASSERT_TRUE(create.begin());
    ASSERT_FALSE(create.start(smithsGarage()));
    ctx->pool.closeAll();
    QFile::remove(ctx->folder.tempFile());

    // The owner of a file may always write it, and root may write anything: the program runs as
    // another user then, who may read the folder but not write it.
    QStringList asReader;
    if (geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty())
            GTEST_SKIP() << "running as root without setpriv: no user here is kept from writing the folder";
        asReader = {setpriv, QString("--reuid=%1").arg(kNobody), QString("--regid=%1").arg(kNobody),
                    "--clear-groups"};
        ASSERT_EQ(chown(configDir.path().toLocal8Bit().constData(), kNobody, kNobody), 0);
        QDirIterator it(configDir.path(), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            ASSERT_EQ(chown(it.next().toLocal8Bit().constData(), kNobody, kNobody), 0);
        setWritable(programDir.path(), true);
    } else {
        setWritable(programDir.path(), false);
    }
    const auto before = files();

    const Run run = drive({"key F6", "key F7", "dblclick lstEstList_0 0", "click mnuFigure", "key F9",
                           "click mnuPrices", "close", "visible SSTab1"},
                          asReader);
    EXPECT_EQ(run.exitCode, 0);
    // New, Open and Figure each need the working database in data/: each says why it cannot start and
    // the window stays idle; reading the register and the cost database works as ever.
    const QString cannotOpen =
        "message: Quorvex | Error 14 (unable to open database file) in procedure %1 of Form "
        "frmQuovi -> ok\n";
    EXPECT_EQ(run.output, cannotOpen.arg("mnuNew_Click") + cannotOpen.arg("mnuOpen_Click") +
                              cannotOpen.arg("mnuFigure_Click") + "SSTab1 visible: 0\n");
    EXPECT_EQ(files(), before);
}

} // namespace
