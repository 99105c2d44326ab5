// The program killed (SIGKILL) at random moments while it saves a 2,000-line estimate and while it
// starts new estimates. After every kill: each database passes its integrity check, the estimate
// opens as exactly the last save or the one that was under way, and after the next start-up the
// register and the estimates folder agree. The random moments come from a seed that is printed;
// QX_CRASH_SEED=N replays a run.
#include "TestFolders.h"
#include "child/CrashWork.h"

#include "data/ProgramLayout.h"
#include "data/ProgramLock.h"
#include "data/SettingsStore.h"
#include "estimate/NewEstimate.h"
#include "estimate/SaveEstimate.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <chrono>
#include <iostream>
#include <random>
#include <set>
#include <thread>

using namespace qx;
using qxcrash::Session;

namespace {

constexpr int kKills = 100;
constexpr int kLines = 2000;

// The crash child, read line by line as it reports and killed when the test says so.
class Child {
public:
    explicit Child(const QStringList& args) { m_process.start(QStringLiteral(QX_CRASH_CHILD), args); }
    ~Child() {
        if (m_process.state() != QProcess::NotRunning)
            kill();
    }

    // Waits until the child has said a line beginning with `word`; false when it ended or went quiet.
    bool waitFor(const QString& word) {
        for (;;) {
            readLines();
            for (; m_scanned < m_lines.size(); ++m_scanned) {
                if (m_lines.at(m_scanned).startsWith(word + QLatin1Char(' ')) ||
                    m_lines.at(m_scanned) == word)
                    return true;
            }
            if (!m_process.waitForReadyRead(60000))
                return false;
        }
    }
    void kill() {
        m_process.kill(); // SIGKILL
        m_process.waitForFinished();
        readLines();
    }
    // Lets the child run to its end; true when it ended by itself without a failure.
    bool finish() {
        m_process.waitForFinished(120000);
        readLines();
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }
    const QStringList& lines() const { return m_lines; }
    QString said() const { return m_lines.join(QLatin1Char('\n')); }

private:
    void readLines() {
        while (m_process.canReadLine())
            m_lines << QString::fromUtf8(m_process.readLine()).trimmed();
    }

    QProcess m_process;
    QStringList m_lines;
    qsizetype m_scanned = 0;
};

// What a child's lines say about one kind of step ("saving"/"saved", "starting"/"started"): the last
// step it finished and the one under way when it was killed (empty when none).
struct Steps {
    QString finished;
    QString underWay;
    int begun = 0;
    QList<int> millis;

    Steps(const QStringList& lines, const QString& begins, const QString& ends) {
        for (const QString& line : lines) {
            const QStringList words = line.split(QLatin1Char(' '));
            if (words.first() == begins) {
                underWay = words.value(1);
                ++begun;
            } else if (words.first() == ends) {
                finished = words.value(1);
                underWay.clear();
                millis << words.value(2).toInt();
            }
        }
    }
};

class Kill : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        writeDefaultSettings(ctx->settings);
        // The children and every check open the folder afresh, as a next start of the program does.
        ctx.reset();
        const QByteArray replay = qgetenv("QX_CRASH_SEED");
        const unsigned seed = replay.isEmpty() ? std::random_device()() : replay.toUInt();
        std::cout << "crash seed " << seed << " (QX_CRASH_SEED=" << seed << " replays it)" << std::endl;
        random.seed(seed);
    }

    QStringList childArgs(const QString& mode, const QStringList& rest) const {
        return QStringList{mode, programDir.path(), configDir.path()} + rest;
    }

    // A moment of up to `spanMs` milliseconds, then the kill.
    void killWithin(Child& child, int spanMs) {
        std::uniform_int_distribution<int> micros(0, spanMs * 1000);
        std::this_thread::sleep_for(std::chrono::microseconds(micros(random)));
        child.kill();
    }

    std::mt19937 random;
};

QString integrity(Session& session, const Conn& conn) {
    return session.ctx.data.file(conn).scalar(QStringLiteral("PRAGMA integrity_check")).toString();
}

// The next start of the program on the folder: its lock (taken over from the killed child), then
// every database's check, then the start-up clean-up. The session is the program's run.
void startAgain(Session& session, ProgramLock& lock, const QList<Conn>& files) {
    ASSERT_EQ(lock.take(), ProgramLock::Outcome::Held);
    for (const Conn& conn : files)
        ASSERT_EQ(integrity(session, conn), "ok") << conn.path.toStdString();
    removeUnfinishedStarts(session.ctx);
    ASSERT_EQ(session.prompter.messageCount(), 0) << session.prompter.log().join('\n').toStdString();
}

// Every register row has its estimate file, and every folder in estimates/ belongs to a row.
void expectRegisterMatchesFolders(Session& session) {
    std::set<QString> rowFolders;
    for (const QVariantList& row :
         session.ctx.data.Read(session.ctx.conns.sMastConn, "select estname, estpath from master").rows) {
        const QString path = row.at(1).toString();
        EXPECT_FALSE(path.isEmpty()) << "a register row without a file: "
                                     << row.at(0).toString().toStdString();
        EXPECT_TRUE(QFileInfo(session.ctx.folder.estimateFileFromStored(path)).isFile())
            << "no file for the register's " << path.toStdString();
        rowFolders.insert(path.section('\\', 0, 0));
    }
    const QStringList folders =
        QDir(session.ctx.folder.estimatesDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& folder : folders)
        EXPECT_TRUE(rowFolders.count(folder)) << "a folder without a register row: " << folder.toStdString();
}

TEST_F(Kill, DuringTheSaveOfA2000LineEstimate) {
    qint32 id = 0;
    QString stored;
    Conn estimate;
    {
        Session session(programDir.path(), configDir.path());
        NewEstimate create(session.ctx, session.state);
        ASSERT_TRUE(create.begin());
        ASSERT_FALSE(create.start(qxcrash::crashOwner("Twothousand")));
        id = session.state.lEstID;
        estimate = session.state.sEstConn;
        session.totals.PopAdmin();
        Database& work = session.ctx.data.file(session.ctx.conns.sTempConn);
        {
            Transaction transaction(work);
            for (int i = 0; i < 20; ++i) {
                work.exec("insert into TempAreas(AreaID,Shape,Pitch,Width1,Width2,Height,Total) "
                          "values(0,1,0,?,0,?,?)",
                          {12 + i, 9 + i, (12 + i) * (9 + i)});
                work.exec("insert into TempLineal(LinealID,Type,Name,Length,Total) values(0,1,?,?,?)",
                          {QString("Ridge %1").arg(i), 40 + i, 44 + i});
            }
            for (int i = 0; i < kLines; ++i)
                work.exec(WorkingDb::kAddTpLineItem,
                          {0, 1 + i % 300, QString("Section %1").arg(i % 8), i % 8,
                           QString("Shingle bundle %1").arg(i), "Material", 1 + i % 40, "bdl",
                           qint64(250000 + 100 * i), qint64(250000 + 100 * i) * (1 + i % 40)});
            work.exec(
                "insert into TempSect(SecDesc,SecOrder) select distinct sect, secorder from tplineitems");
            transaction.commit();
        }
        ASSERT_TRUE(session.lines.refresh());
        ASSERT_EQ(SaveEstimate(session.ctx, session.state, session.lines).SaveEst("First save", {}),
                  SaveOutcome::Saved);
    }
    auto reopened = [&](Session& session) {
        EXPECT_TRUE(session.open(id)) << session.prompter.log().join('\n').toStdString();
        return session.fingerprint(session.storedSummary());
    };

    // A run without a kill: two saves, each stored whole; they also tell how long a save takes.
    int saveMs = 0;
    {
        Child child(childArgs("save", {QString::number(id), "1", "2"}));
        ASSERT_TRUE(child.finish()) << child.said().toStdString();
        const Steps saves(child.lines(), "saving", "saved");
        ASSERT_EQ(saves.millis.size(), 2);
        // The shorter: a kill within it lands inside the save under way rather than past it.
        saveMs = std::min(saves.millis[0], saves.millis[1]);
        Session session(programDir.path(), configDir.path());
        EXPECT_EQ(reopened(session), saves.finished);
        EXPECT_EQ(session.ctx.data.ReadScalar(estimate, "select count(*) from lineitems").toInt(),
                  kLines + 2);
        stored = saves.finished;
    }

    int duringSave = 0;
    int journals = 0;
    int newSaves = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(QString("kill %1").arg(kill).toStdString());
        Child child(childArgs("save", {QString::number(id), QString::number(100 * (kill + 1)), "0"}));
        ASSERT_TRUE(child.waitFor("saving")) << child.said().toStdString();
        killWithin(child, saveMs);
        ASSERT_FALSE(child.said().contains("failed")) << child.said().toStdString();
        const Steps saves(child.lines(), "saving", "saved");
        const QString previous = saves.finished.isEmpty() ? stored : saves.finished;
        duringSave += !saves.underWay.isEmpty();
        journals += QFileInfo::exists(estimate.path + "-journal");

        ProgramLock lock{ProgramFolder(programDir.path())};
        Session session(programDir.path(), configDir.path());
        startAgain(session, lock, {session.ctx.conns.sCostConn, session.ctx.conns.sMastConn, estimate});
        stored = reopened(session);
        ASSERT_TRUE(stored == previous || stored == saves.underWay)
            << "the estimate reopens as neither the last save nor the one under way";
        newSaves += !saves.underWay.isEmpty() && stored == saves.underWay;
        expectRegisterMatchesFolders(session);
    }
    std::cout << duringSave << " of " << kKills << " kills during a save (" << journals
              << " left its journal, " << newSaves << " came after the commit); a save took " << saveMs
              << " ms" << std::endl;
    // The kills must land in saves, or this test would prove little.
    EXPECT_GE(duringSave, kKills / 2);
}

TEST_F(Kill, DuringTheStartOfANewEstimate) {
    int startMs = 0;
    int number = 0;
    {
        Child child(childArgs("start", {"0", "2"}));
        ASSERT_TRUE(child.finish()) << child.said().toStdString();
        const Steps starts(child.lines(), "starting", "started");
        ASSERT_EQ(starts.millis.size(), 2);
        startMs = std::min(starts.millis[0], starts.millis[1]);
        number = 2;
    }

    int cutShort = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE(QString("kill %1").arg(kill).toStdString());
        Child child(childArgs("start", {QString::number(number), "0"}));
        ASSERT_TRUE(child.waitFor("starting")) << child.said().toStdString();
        killWithin(child, startMs);
        ASSERT_FALSE(child.said().contains("failed")) << child.said().toStdString();
        const Steps starts(child.lines(), "starting", "started");
        number += starts.begun;
        cutShort += !starts.underWay.isEmpty();

        ProgramLock lock{ProgramFolder(programDir.path())};
        Session session(programDir.path(), configDir.path());
        startAgain(session, lock, {session.ctx.conns.sCostConn, session.ctx.conns.sMastConn});
        expectRegisterMatchesFolders(session);
        // The estimate under way is there whole, owner and all, or not at all.
        if (starts.underWay.isEmpty())
            continue;
        const ResultSet row = session.ctx.data.Read(
            session.ctx.conns.sMastConn, "select estpath from master where estname=?", {starts.underWay});
        if (row.isEmpty()) {
            EXPECT_FALSE(QFileInfo::exists(session.ctx.folder.estimateFolder(starts.underWay)));
            continue;
        }
        const Conn file = session.ctx.folder.estimateConn(row.at(0, 0).toString());
        EXPECT_EQ(integrity(session, file), "ok");
        EXPECT_EQ(session.ctx.data.ReadScalar(file, "select lname from main where id=1").toString(),
                  "Carter");
    }
    std::cout << cutShort << " of " << kKills << " kills during a Start; a Start took " << startMs << " ms"
              << std::endl;
    EXPECT_GE(cutShort, kKills / 2);
}

} // namespace
