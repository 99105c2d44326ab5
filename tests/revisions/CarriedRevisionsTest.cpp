#include "RevisionFixture.h"

#include "backup/JobArchive.h"
#include "backup/ProgramBackup.h"
#include "backup/ProgramRestore.h"
#include "estimate/DuplicateEstimate.h"
#include "revisions/RevisionStore.h"
#include "revisions/RevisionTexts.h"
#include "revisions/SentRevisions.h"

#include <QTemporaryDir>
#include <functional>

using namespace qx;

namespace qxtest {

namespace {

// Wherever an estimate goes (a duplicate, an exported job brought back, a backup restored), its sent
// revisions go with it and still pass their check, and so does the record digest the register kept for
// each: a record rewritten there afterwards is still caught.
TEST_F(RevisionTest, RevisionsTravelWithTheEstimateAndStayIntact) {
    ASSERT_TRUE(send());
    const Money sent = totals->estimateTotal();
    const QString sentFolder = folder();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    struct Carried {
        qint32 id;
        QString folder;
    };
    const struct {
        const char* name;
        // Carries the estimate and returns where it is found afterwards.
        std::function<Carried()> carry;
    } cases[] = {
        {"duplicate",
         [&] {
             WorkState copy;
             NewEstimate create(*ctx, copy);
             EXPECT_TRUE(create.begin());
             OwnerInput owner;
             owner.names = {"Carl", "Carter", "9 Oak Ave", "Anytown, MT 54321", "406/555-0000", "", ""};
             owner.type = "Garage";
             EXPECT_FALSE(create.start(owner));
             EXPECT_TRUE(DuplicateEstimate(*ctx).copyContent(state.lEstID, copy.lEstID, copy.sEstConn,
                                                             carrySentRevisions(*ctx)));
             return Carried{copy.lEstID, QFileInfo(copy.sEstConn.path).absolutePath()};
         }},
        {"job exported and imported",
         [&] {
             const QString job = elsewhere.filePath("oneil.qxjob");
             JobArchive::exportEstimate(*ctx, state.lEstID, job);
             JobArchive archive(job);
             const QString name = archive.freeName(*ctx);
             const qint32 id = archive.importAs(*ctx, name);
             return Carried{id, ctx->folder.estimateFolder(name)};
         }},
        {"backup restored",
         [&] {
             const QString archive =
                 ProgramBackup::write(ctx->folder, elsewhere.path(), QDateTime::currentDateTime());
             ctx->pool.closeAll();
             QDir(sentFolder + "/Revisions").removeRecursively();
             ctx->data.file(mast()).exec("delete from revisiondigest");
             ctx->pool.closeAll();
             ProgramRestore::restore(ctx->folder, ctx->pool, archive, elsewhere.path(),
                                     QDateTime::currentDateTime().addSecs(120));
             return Carried{state.lEstID, sentFolder};
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Carried carried = c.carry();
        ASSERT_NE(carried.folder, QString());
        const QList<RevisionState> revisions = RevisionStore(carried.folder).list();
        ASSERT_EQ(revisions.size(), 1);
        EXPECT_TRUE(revisions.at(0).sound()) << revisions.at(0).problem().toStdString();
        EXPECT_EQ(revisions.at(0).total, sent);
        const auto listed = [&] { return SentRevisions(*ctx).lines(carried.id).value(0).text; };
        EXPECT_FALSE(listed().endsWith(RevisionTexts::kAlteredMark)) << listed().toStdString();
        swapProposalAndRecord(revisions.at(0).folder);
        EXPECT_TRUE(listed().endsWith(RevisionTexts::kAlteredMark)) << listed().toStdString();
    }
}

} // namespace

} // namespace qxtest
