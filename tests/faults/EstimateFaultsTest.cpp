// The open estimate's file gone or its disk full while the program works on it: the save is reported
// and undone, the estimate stays open, and nothing is made anew in the file's place.
#include "../estimate/EstimateFixture.h"

#include "estimate/NewEstimate.h"
#include "estimate/SaveEstimate.h"

#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>

using namespace qx;

namespace {

// While it lives, every write of this process past `bytes` into a file fails (EFBIG), as it does on a
// disk that is full.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = SIG_DFL;
};

class EstimateFaults : public qxtest::EstimateTest {
protected:
    SaveOutcome save(const QString& summary) {
        return SaveEstimate(*ctx, state, *lines).SaveEst(summary, {});
    }
    static inline const QString kSaveEstTail = " in procedure SaveEst of Form frmQuovi";
};

TEST_F(EstimateFaults, AFullDiskDuringASaveLeavesTheLastSaveAndTheEstimateOpen) {
    add("Roof", 1, "Shingles", "Material", 10, 4599);
    ASSERT_EQ(save("First"), SaveOutcome::Saved);
    const QStringList lastSave = estimateFile();
    // Enough new lines that the file must grow to take them.
    for (int i = 0; i < 40; ++i)
        add("Roof", 2 + i, QString("Ridge vent %1 ").arg(i) + QString(30, 'x'), "Material", 1 + i, 1250);
    prompter.takeLog();
    state.bChanged = true; // as every edit on screen makes it
    {
        FileSizeLimit full(QFileInfo(est().path).size());
        EXPECT_EQ(save("Second"), SaveOutcome::Failed);
    }
    ASSERT_EQ(prompter.log().size(), 2); // the completion question, then the failure
    EXPECT_TRUE(prompter.lastText().startsWith("Error ")) << prompter.lastText().toStdString();
    EXPECT_TRUE(prompter.lastText().endsWith(kSaveEstTail)) << prompter.lastText().toStdString();
    EXPECT_EQ(rows(est(), "PRAGMA integrity_check"), QStringList{"ok"});
    EXPECT_EQ(estimateFile(), lastSave);
    EXPECT_TRUE(state.bChanged);

    // With room again the same save goes through, every line once.
    EXPECT_EQ(save("Second"), SaveOutcome::Saved);
    EXPECT_EQ(rows(est(), "select count(*), count(distinct name) from lineitems"), QStringList{"41 | 41"});
    EXPECT_EQ(rows(est(), "select EstSummary from main"), QStringList{"Second"});
}

TEST_F(EstimateFaults, AnEstimateFileDeletedBehindTheProgramsBackIsReportedAndNotMadeAnew) {
    add("Roof", 1, "Shingles", "Material", 10, 4599);
    ASSERT_EQ(save("First"), SaveOutcome::Saved);
    const QStringList savedRegister = registerRow();
    ASSERT_TRUE(QFile::remove(est().path));

    add("Roof", 2, "Ridge cap", "Material", 3, 2500);
    prompter.takeLog();
    EXPECT_EQ(save("Second"), SaveOutcome::Failed);
    EXPECT_EQ(prompter.lastText(),
              QString("Error 14 (Could not find file '%1'.)").arg(est().path) + kSaveEstTail);
    // Deleting a line that was stored must reach the file first: it stays, reported.
    const qint32 storedLine = lines->workingLines().first().autoId;
    EXPECT_FALSE(lines->AddLineItem(LineItems::Change::Delete, storedLine));
    EXPECT_TRUE(prompter.lastText().startsWith("Error 14 (Could not find file"))
        << prompter.lastText().toStdString();
    EXPECT_TRUE(lines->lineExists(storedLine));

    EXPECT_FALSE(QFileInfo::exists(est().path));
    EXPECT_EQ(registerRow(), savedRegister);
    EXPECT_EQ(state.sOpenMode, WorkState::kOpen);
}

// A save that fails on either side, the working copy or the estimate file, is reported failed with
// nothing stored, and the next save stores every line once.
struct FailingSide {
    const char* name;
    bool inEstimateFile;
    const char* trigger;
};

class SaveFailingOnOneSide : public EstimateFaults, public ::testing::WithParamInterface<FailingSide> {};

TEST_P(SaveFailingOnOneSide, StoresNothingAndTheNextSaveStoresEveryLineOnce) {
    add("Roof", 1, "Shingles", "Material", 10, 4599);
    ASSERT_EQ(save("First"), SaveOutcome::Saved);
    add("Roof", 2, "Ridge cap", "Material", 3, 2500);
    add("Roof", 3, "Drip edge", "Material", 8, 700);
    const QStringList lastSave = estimateFile();
    Database& side = ctx->data.file(GetParam().inEstimateFile ? est() : temp());
    side.exec(GetParam().trigger);
    EXPECT_EQ(save("Second"), SaveOutcome::Failed);
    EXPECT_EQ(estimateFile(), lastSave);

    side.exec("drop trigger fault");
    EXPECT_EQ(save("Second"), SaveOutcome::Saved);
    EXPECT_EQ(rows(est(), "select count(*), count(distinct name) from lineitems"), QStringList{"3 | 3"});
    EXPECT_EQ(rows(temp(), "select count(distinct lineitemid) from tplineitems where lineitemid<>0"),
              QStringList{"3"});
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SaveFailingOnOneSide,
    ::testing::Values(FailingSide{"WorkingKeys", false,
                                  "create temp trigger fault before update of lineitemid on tplineitems "
                                  "begin select raise(abort,'disk I/O error'); end"},
                      FailingSide{
                          "EstimateLines", true,
                          "create temp trigger fault before insert on LineItems "
                          "when new.Name='Drip edge' begin select raise(abort,'disk I/O error'); end"}),
    [](const auto& info) { return std::string(info.param.name); });

using FullDiskAtStart = qxtest::ProgramFolderTest;

TEST_F(FullDiskAtStart, AStartThatCannotWriteItsFileLeavesOnlyItsReservation) {
    WorkState state;
    NewEstimate create(*ctx, state);
    ASSERT_TRUE(create.begin());
    OwnerInput owner;
    owner.names = {"John", "Smith", "12 Elm St", "Anytown, MT 54321", "406/555-1234", "", ""};
    owner.type = "Garage";
    {
        // Room for the register's changes in place, not for a whole new estimate file.
        FileSizeLimit full(4096);
        ASSERT_TRUE(create.start(owner));
    }
    EXPECT_TRUE(prompter.lastText().startsWith("The estimate SmithGarage could not be created.\nError "))
        << prompter.lastText().toStdString();
    EXPECT_EQ(rows(mast(), "select estname, estpath from master"), QStringList{"NULL | NULL"});
    EXPECT_EQ(rows(mast(), "PRAGMA integrity_check"), QStringList{"ok"});
    EXPECT_FALSE(QFileInfo::exists(ctx->folder.estimateFolder("SmithGarage")));

    // With room again the same Start goes through.
    EXPECT_FALSE(create.start(owner));
    EXPECT_EQ(rows(state.sEstConn, "select lname from main"), QStringList{"Smith"});
}

} // namespace
