#include "RevisionFixture.h"

#include "data/DateText.h"
#include "data/FileHash.h"
#include "revisions/RevisionTexts.h"

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace qx;

namespace qxtest {

namespace {

TEST_F(RevisionTest, SentTwiceListsBothComparesTheChangedLineAndKeepsEveryFileAsSent) {
    ASSERT_TRUE(send());
    EXPECT_EQ(state.sEstStatus, kStatusPending);
    const Money first = totals->estimateTotal();
    changeQuantity(15);
    ASSERT_TRUE(send());
    const Money second = totals->estimateTotal();

    SentRevisions revisions(*ctx);
    const QString today = shortDateText(QDate::currentDate());
    const QList<RevisionLine> listed = revisions.lines(state.lEstID);
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed.at(0).text, "R2  " + today + "  " + second.toCurrency());
    EXPECT_EQ(listed.at(1).text, "R1  " + today + "  " + first.toCurrency());
    EXPECT_EQ(revisions.sides(state.lEstID), (QStringList{"R1", "R2", "Now"}));

    const auto comparison = revisions.compare(state.lEstID, 1, 2);
    ASSERT_TRUE(comparison);
    ASSERT_EQ(comparison->rows.size(), 1);
    const CompareRow& row = comparison->rows.at(0);
    EXPECT_EQ(QStringList({row.section, row.item, row.qty, row.lineTotal, row.change()}).join(" | "),
              "Roofing | Test Shingle | 12 -> 15 | $1,200.00 -> $1,500.00 | changed");
    EXPECT_EQ(comparison->totalLine,
              QStringLiteral("Estimate total %1 -> %2 (+%3)")
                  .arg(first.toCurrency(), second.toCurrency(), (second - first).toCurrency()));

    for (int number : {1, 2}) {
        const auto revision = RevisionStore(folder()).find(number);
        ASSERT_TRUE(revision && revision->sound() && revision->record);
        EXPECT_EQ(revision->record->figures.total, number == 1 ? first : second);
        EXPECT_EQ(revision->record->figures.lineCount, 1);
        QStringList names;
        for (const FrozenFile& file : revision->record->files) {
            names << file.name;
            EXPECT_EQ(sha256Of(revision->filePath(file.name)), file.sha256) << file.name.toStdString();
        }
        EXPECT_EQ(names, (QStringList{"proposal.pdf", "contract.pdf", "estimate.mdb"}));
        QFile pdf(revision->filePath("proposal.pdf"));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.read(5) == "%PDF-");
    }
}

// Something done to a sent revision behind the program's back: it is reported when the revision is
// opened or compared, marked in the list, nothing is changed, and its number is never given again.
TEST_F(RevisionTest, ARevisionChangedOnDiskIsReportedAndNeverUsed) {
    const struct {
        const char* name;
        std::function<void(const QString& revision)> damage;
        QString message;
    } cases[] = {
        {"proposal altered",
         [](const QString& r) {
             QFile f(r + "/proposal.pdf");
             ASSERT_TRUE(f.open(QIODevice::Append));
             f.write("%% a changed price\n");
         },
         "R1 has been changed since it was sent: proposal.pdf"},
        {"estimate file gone", [](const QString& r) { QFile::remove(r + "/estimate.mdb"); },
         "R1 has been changed since it was sent: estimate.mdb"},
        {"record not JSON",
         [](const QString& r) {
             QFile f(r + "/revision.json");
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write("{\"number\": 1, \"total\": ");
         },
         "R1 has been changed since it was sent: revision.json"},
        {"record's total rewritten",
         [](const QString& r) {
             QFile f(r + "/revision.json");
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             QByteArray json = f.readAll();
             json.replace("\"total\": \"", "\"total\": \"1");
             f.resize(0);
             f.write(json);
         },
         "R1 has been changed since it was sent: revision.json"},
        {"folder removed", [](const QString& r) { QDir(r).removeRecursively(); },
         "R1 has been removed since it was sent: its folder is missing."},
        {"proposal swapped, record rewritten to match", [](const QString& r) { swapProposalAndRecord(r); },
         "R1 has been changed since it was sent: revision.json"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder() + "/Revisions").removeRecursively();
        ASSERT_TRUE(send());
        c.damage(revisionFolder(1));
        const auto before = folderContents();
        prompter.takeLog();

        SentRevisions revisions(*ctx);
        EXPECT_FALSE(revisions.openProposal(state.lEstID, 1));
        EXPECT_FALSE(revisions.compare(state.lEstID, 1, SentRevisions::kNow));
        const QStringList log = prompter.takeLog();
        ASSERT_EQ(log.size(), 2);
        EXPECT_TRUE(log.at(0).contains(c.message)) << log.at(0).toStdString();
        EXPECT_TRUE(revisions.lines(state.lEstID).at(0).text.endsWith(RevisionTexts::kAlteredMark));
        EXPECT_EQ(folderContents(), before);

        const auto next = send();
        ASSERT_TRUE(next);
        EXPECT_EQ(next->number, 2);
    }
}

// The register keeps each record's digest from the moment it is sent, and a register made before it kept
// them gains its table then; a revision sent before that has none and reads as it always did.
TEST_F(RevisionTest, ARecordRewrittenToMatchIsCaughtByTheDigestTheRegisterKept) {
    const struct {
        const char* name;
        const char* beforeSending; // run on the register
        const char* afterSending;
        bool caught;
    } cases[] = {
        {"kept from the start", nullptr, nullptr, true},
        {"register made before digests were kept", "drop table revisiondigest", nullptr, true},
        {"revision sent before digests were kept", nullptr, "delete from revisiondigest", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder() + "/Revisions").removeRecursively();
        if (c.beforeSending)
            ctx->data.file(mast()).exec(c.beforeSending);
        ASSERT_TRUE(send());
        if (c.afterSending)
            ctx->data.file(mast()).exec(c.afterSending);
        swapProposalAndRecord(revisionFolder(1));
        prompter.takeLog();
        EXPECT_EQ(SentRevisions(*ctx).openProposal(state.lEstID, 1), !c.caught);
        EXPECT_EQ(SentRevisions(*ctx).lines(state.lEstID).at(0).text.endsWith(RevisionTexts::kAlteredMark),
                  c.caught);
        const QStringList log = prompter.takeLog();
        ASSERT_EQ(log.size(), 1);
        EXPECT_EQ(log.at(0).contains("R1 has been changed since it was sent: revision.json"), c.caught)
            << log.at(0).toStdString();
    }
}

// Freezing that fails at any step (a full disk while a file is written, a folder in the way) is
// reported and leaves the estimate's folder as it was: no revision, no half-written folder.
TEST_F(RevisionTest, AFreezeThatFailsLeavesNothingBehind) {
    ASSERT_EQ(SaveEstimate(*ctx, state, *lines).saveWithoutQuestion({}, {}), SaveOutcome::Saved);
    RevisionContent content{state.sEstConn.path,
                            state.sEstConn.password,
                            &proposal,
                            &contract,
                            {},
                            {},
                            QDateTime::currentDateTime(),
                            {}};
    const auto before = folderContents();
    for (const char* failing : {"proposal.pdf", "contract.pdf", "estimate.mdb", "revision.json"}) {
        SCOPED_TRACE(failing);
        RevisionStore store(folder());
        store.setBeforeEachFile([&](const QString& name) {
            if (name == QLatin1String(failing))
                throw Failure(28, QStringLiteral("No space left on device"));
        });
        EXPECT_THROW(store.freeze(content), Failure);
        EXPECT_EQ(folderContents(), before);
    }

    // A file where the revisions' folder belongs: reported, the estimate stays Working.
    QFile inTheWay(folder() + "/Revisions");
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    const auto withFile = folderContents();
    prompter.takeLog();
    EXPECT_FALSE(SentRevisions(*ctx).markSent(state, proposal, contract));
    const QStringList log = prompter.takeLog();
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.at(0).contains("The estimate could not be marked as sent; no revision was made."));
    EXPECT_EQ(state.sEstStatus, kStatusWorking);
    EXPECT_EQ(rows(mast(), "select eststatus from master"), QStringList{"Working"});
    EXPECT_EQ(folderContents(), withFile);

    // What a freeze that stopped halfway left behind goes at the next one.
    ASSERT_TRUE(QFile::remove(folder() + "/Revisions"));
    ASSERT_TRUE(QDir().mkpath(folder() + "/.revision-left/x"));
    ASSERT_TRUE(SentRevisions(*ctx).markSent(state, proposal, contract));
    EXPECT_FALSE(QFileInfo::exists(folder() + "/.revision-left"));
}

// An estimate folder the user may read but not write. Root may write anything, so the freeze then
// runs in a child process as another user.
TEST_F(RevisionTest, AReadOnlyEstimateFolderIsReportedAndKeptAsItWas) {
    ASSERT_EQ(SaveEstimate(*ctx, state, *lines).saveWithoutQuestion({}, {}), SaveOutcome::Saved);
    const auto before = folderContents();
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    const auto restore = QFile::permissions(folder());
    for (const QString& dir : {programDir.path(), ctx->folder.estimatesDir(), folder()})
        ASSERT_TRUE(QFile::setPermissions(
            dir, readOnly | (dir == folder() ? QFile::Permissions() : QFile::WriteOwner)));
    QFile::setPermissions(state.sEstConn.path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    const auto sendAndCheck = [&] {
        const auto record = SentRevisions(*ctx).markSent(state, proposal, contract);
        return !record && prompter.log().size() == 1 && prompter.log().at(0).contains("Could not write in") &&
               state.sEstStatus == kStatusWorking;
    };
    prompter.takeLog();
    bool reported = false;
    if (geteuid() != 0) {
        reported = sendAndCheck();
    } else {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(2);
            _exit(sendAndCheck() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        reported = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    QFile::setPermissions(folder(), restore);
    EXPECT_TRUE(reported);
    EXPECT_EQ(folderContents(), before);
}

} // namespace

} // namespace qxtest
