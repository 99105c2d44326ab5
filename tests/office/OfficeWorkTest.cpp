#include "OfficeFixture.h"
#include "SwappedProposal.h"

#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "estimate/NewEstimate.h"
#include "estimate/OpenEstimate.h"
#include "estimate/OpenList.h"
#include "estimate/Register.h"
#include "estimate/SaveEstimate.h"
#include "lines/LineItems.h"
#include "lines/Sections.h"
#include "office/OfficeMove.h"
#include "office/OfficeStorage.h"
#include "office/OpenHold.h"
#include "revisions/RevisionTexts.h"
#include "revisions/SentRevisions.h"
#include "takeoff/LinealTypes.h"
#include "takeoff/RoofPanel.h"

#include <QTemporaryDir>
#include <QTextDocument>

using namespace qx;

namespace {

// One PC: a program folder and a settings folder of its own, and the models of the main window.
struct Pc {
    explicit Pc(const QString& name)
        : name(name) {
        layOutProgramFolder(ProgramFolder(programDir.path()));
        ctx = std::make_unique<AppContext>(programDir.path(), prompter, configDir.path());
        writeDefaultSettings(ctx->settings);
        models();
    }

    void models() {
        totals = std::make_unique<EstimateTotals>(*ctx);
        lines = std::make_unique<LineItems>(*ctx, state, *totals);
        sections = std::make_unique<Sections>(*ctx);
        roof = std::make_unique<RoofPanel>(*ctx, state);
    }

    // Starts O'Neil's estimate "JonesReroof" with a roof and three lines.
    void startJonesReroof() {
        NewEstimate create(*ctx, state);
        ASSERT_TRUE(create.begin());
        OwnerInput owner;
        owner.names = {"Pat", "O'Neil", "4 Bay Rd", "Anytown, MT 54321", "406/555-1234", "", ""};
        owner.type = "Tear Off";
        owner.estName = "JonesReroof";
        ASSERT_FALSE(create.start(owner));
        totals->PopAdmin();
        roof->addArea({kShapeRect, 40, 0, 16, 640});
        roof->addLineal({kLinealCap, "Bob's ridge", 82, 85});
        add("Roof", 20, "Shingles \"30-yr\"", "Material", 30, 4599);
        add("Roof", 9, "Tear-off crew", "Labor", 16, 3250);
        add("O'Neil's porch", 3, "Permit", "Fee", 1, 7500);
    }

    void add(const QString& section, int itemId, const QString& name, const QString& tag, int qty,
             qint64 priceCents) {
        const auto s = sections->AddSection(section);
        ASSERT_TRUE(s.has_value());
        const Money price = Money::fromCents(priceCents);
        lines->pending() = {
            itemId, s->order, s->name, tag, qty, QStringLiteral("sq"), name, price, lineTotalOf(qty, price),
            true};
        ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Add));
    }

    // Line 1 ("Shingles") with another quantity.
    void changeShingles(int qty) {
        const Money price = Money::fromCents(4599);
        lines->pending() = {20,
                            1,
                            "Roof",
                            "Material",
                            qty,
                            QStringLiteral("sq"),
                            "Shingles \"30-yr\"",
                            price,
                            lineTotalOf(qty, price),
                            true};
        ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Edit, 1));
    }

    SaveOutcome save() {
        prompter.queueAnswer(Prompter::Answer::No); // not complete yet
        return SaveEstimate(*ctx, state, *lines).SaveEst("Tear off and reroof.", "Net 30");
    }

    // The Open command's steps, with this PC's hold on the office server.
    bool open(qint32 id) {
        state = WorkState();
        hold.reset();
        models();
        OpenEstimate opening(*ctx, state);
        if (!opening.prepare())
            return false;
        const auto owner = opening.OpenOwner(id);
        if (!owner)
            return false;
        OpenHold held = holdForOpening(*ctx, id, owner->estName);
        if (!held.proceed)
            return false;
        hold = std::move(held.hold);
        state.readOnly = held.readOnly;
        if (!opening.OpenRoof() || !opening.OpenLineItems())
            return false;
        totals->PopEstAdmin(state.sEstConn);
        return lines->refresh();
    }

    void close() {
        ctx->working.ClearTempDB();
        state = WorkState();
        hold.reset();
    }

    QString total() const { return totals->estimateTotal().toPlain(); }

    QStringList workingLines() {
        QStringList out;
        for (const QVariantList& row :
             ctx->data
                 .Read(ctx->conns.sTempConn,
                       "select name,qty,cost,linetotal from tplineitems order by autoid")
                 .rows)
            out << row.at(0).toString() + " " + row.at(1).toString() + " " + row.at(2).toString() + " " +
                       row.at(3).toString();
        return out;
    }

    QStringList workingList() {
        QStringList names;
        const EstLists lists = OpenList(ctx->data, ctx->conns.sMastConn).load(QDate::currentDate());
        for (const ListRow& row : lists[0])
            names << row.text.section(' ', 0, 0);
        return names;
    }

    QString name;
    QTemporaryDir programDir;
    QTemporaryDir configDir;
    ScriptedPrompter prompter;
    std::unique_ptr<AppContext> ctx;
    WorkState state;
    std::unique_ptr<EstimateTotals> totals;
    std::unique_ptr<LineItems> lines;
    std::unique_ptr<Sections> sections;
    std::unique_ptr<RoofPanel> roof;
    std::unique_ptr<EstimateHold> hold;
};

// Two PCs of one office on a database of the test's own.
class OfficeWorkTest : public qxtest::OfficeServerTest {
protected:
    void SetUp() override {
        OfficeServerTest::SetUp();
        if (IsSkipped())
            return;
        static int databases = 0;
        office = server().office();
        office.database = QStringLiteral("work_%1").arg(++databases);
        ASSERT_TRUE(server().admin(QStringLiteral("CREATE DATABASE %1 OWNER estimator").arg(office.database)))
            << server().failure().toStdString();
    }

    // PC A's work, moved to the server, and both PCs put on it.
    void moveAndShare() {
        const OfficeMove::Outcome moved = OfficeMove(a.ctx->folder, office).run();
        ASSERT_EQ(moved.result, OfficeMove::Result::Moved) << moved.message.toStdString();
        useOfficeStorage(*a.ctx, office);
        useOfficeStorage(*b.ctx, office);
    }

    OfficeServer office;
    Pc a{"PC-A"};
    Pc b{"PC-B"};
};

TEST_F(OfficeWorkTest, AnEstimateMovedFromOnePcIsOpenedHeldAndChangedByAnother) {
    a.startJonesReroof();
    ASSERT_EQ(a.save(), SaveOutcome::Saved);
    const qint32 id = a.state.lEstID;
    const QString fileTotal = a.total();
    const QStringList fileLines = a.workingLines();
    a.close();
    ASSERT_NO_FATAL_FAILURE(moveAndShare());

    // B, with nothing of its own, lists and opens it with A's lines and total.
    EXPECT_EQ(b.workingList(), QStringList({"JonesReroof"}));
    ASSERT_TRUE(b.open(id));
    EXPECT_EQ(b.workingLines(), fileLines);
    EXPECT_EQ(b.total(), fileTotal);
    EXPECT_FALSE(b.state.readOnly);

    // A is told B has it and declines the read-only view; then views it read-only.
    a.prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_FALSE(a.open(id));
    EXPECT_TRUE(a.prompter.lastText().startsWith("JonesReroof is open on "))
        << a.prompter.lastText().toStdString();
    EXPECT_TRUE(a.prompter.lastText().endsWith(kOpenReadOnlyQuestion));
    a.prompter.queueAnswer(Prompter::Answer::Yes);
    ASSERT_TRUE(a.open(id));
    EXPECT_TRUE(a.state.readOnly);
    EXPECT_EQ(a.total(), fileTotal);
    a.close();

    // B changes a quantity and saves; A then opens B's total.
    b.changeShingles(42);
    const QString changed = b.total();
    EXPECT_NE(changed, fileTotal);
    ASSERT_EQ(b.save(), SaveOutcome::Saved);
    const QStringList changedLines = b.workingLines();
    b.close();
    ASSERT_TRUE(a.open(id));
    EXPECT_FALSE(a.state.readOnly);
    EXPECT_EQ(a.total(), changed);
    EXPECT_EQ(a.workingLines(), changedLines);
}

TEST_F(OfficeWorkTest, AnEstimateStartedOnTheServerSavesAndOpensAsItsFileDoes) {
    // The same estimate on this PC's files and on the server.
    Pc local("PC-L");
    local.startJonesReroof();
    ASSERT_EQ(local.save(), SaveOutcome::Saved);
    ASSERT_NO_FATAL_FAILURE(moveAndShare());
    b.startJonesReroof();
    EXPECT_TRUE(b.prompter.messageCount() == 0) << b.prompter.lastText().toStdString();
    ASSERT_EQ(b.save(), SaveOutcome::Saved) << b.prompter.lastText().toStdString();
    // Saved twice, the lines and roof rows are stored once, under the keys the working copy learned;
    // new roof rows go in together.
    b.changeShingles(31);
    local.changeShingles(31);
    for (Pc* pc : {&b, &local}) {
        pc->roof->addArea({kShapeRect, 12, 0, 10, 120});
        pc->roof->addArea({kShapeRect, 8, 0, 6, 48});
        pc->roof->addLineal({kLinealCap, "Porch ridge", 12, 13});
        pc->roof->addLineal({kLinealCap, "Shed ridge", 8, 9});
    }
    ASSERT_EQ(b.save(), SaveOutcome::Saved);
    ASSERT_EQ(local.save(), SaveOutcome::Saved);
    const auto stored = [](Pc& pc) {
        QStringList all;
        for (const char* sql : {"select fname,lname,overhead,profit,estsummary,paymentterms from main",
                                "select shape,pitch,width1,height,total from areas order by id",
                                "select type,name,length,total from lineal order by id",
                                "select id,itemtable,itemid,sect,secorder,qty,unit,name,cost,linetotal "
                                "from lineitems order by id"}) {
            for (const QVariantList& row : pc.ctx->data.Read(pc.state.sEstConn, sql).rows) {
                QStringList cells;
                for (const QVariant& v : row)
                    cells << (v.isNull() ? QStringLiteral("NULL") : v.toString());
                all << cells.join(" | ");
            }
        }
        return all;
    };
    EXPECT_EQ(stored(b), stored(local));
    const qint32 id = b.state.lEstID;
    const QString total = local.total();
    b.close();
    ASSERT_TRUE(b.open(id));
    EXPECT_EQ(b.total(), total);
}

TEST_F(OfficeWorkTest, ASaveCutOffMidwayKeepsTheWorkingCopyAndCanBeRepeated) {
    ASSERT_NO_FATAL_FAILURE(moveAndShare());
    b.startJonesReroof();
    ASSERT_EQ(b.save(), SaveOutcome::Saved);
    b.changeShingles(50);
    const QStringList working = b.workingLines();
    // The server ends the connection while the lines are being written.
    const QString schema = b.state.sEstConn.path;
    ASSERT_TRUE(server().admin(
        QStringLiteral("CREATE FUNCTION %1.cut() RETURNS trigger LANGUAGE plpgsql AS "
                       "'BEGIN PERFORM pg_terminate_backend(pg_backend_pid()); RETURN NEW; END';"
                       "CREATE TRIGGER cut BEFORE INSERT ON %1.lineitems EXECUTE FUNCTION %1.cut()")
            .arg(schema),
        office.database))
        << server().failure().toStdString();
    EXPECT_EQ(b.save(), SaveOutcome::Failed);
    EXPECT_TRUE(b.prompter.lastText().contains("was lost")) << b.prompter.lastText().toStdString();
    EXPECT_EQ(b.workingLines(), working);
    EXPECT_EQ(
        b.ctx->data.Read(b.state.sEstConn, "select qty from lineitems where name like 'Shingles%'").at(0, 0),
        QVariant(qint64(30)));

    ASSERT_TRUE(
        server().admin(QStringLiteral("DROP TRIGGER cut ON %1.lineitems").arg(schema), office.database));
    ASSERT_EQ(b.save(), SaveOutcome::Saved);
    EXPECT_EQ(b.ctx->data.Read(b.state.sEstConn, "select count(*), sum(qty) from lineitems").rows.at(0),
              QVariantList({qint64(3), qint64(67)}));
}

TEST_F(OfficeWorkTest, TheServerKeepsEstimateNamesUniqueAcrossPcs) {
    ASSERT_NO_FATAL_FAILURE(moveAndShare());
    const qint32 first = Register(a.ctx->data, a.ctx->conns.sMastConn).CreateEstID();
    const qint32 second = Register(b.ctx->data, b.ctx->conns.sMastConn).CreateEstID();
    bool taken = false;
    EXPECT_TRUE(Register(a.ctx->data, a.ctx->conns.sMastConn).reserveName(first, "SmithGarage", &taken));
    EXPECT_FALSE(Register(b.ctx->data, b.ctx->conns.sMastConn).reserveName(second, "smithgarage", &taken));
    EXPECT_TRUE(taken);
    EXPECT_TRUE(b.prompter.messageCount() == 0);
}

TEST_F(OfficeWorkTest, ACostItemChangedOnOnePcIsWhatTheOtherReadsNext) {
    ASSERT_NO_FATAL_FAILURE(moveAndShare());
    const QVariant item = a.ctx->data.ReadScalar(a.ctx->conns.sCostConn, "select min(id) from costitem");
    ASSERT_TRUE(a.ctx->data.ActionQuery("update costitem set amount=? where id=?", a.ctx->conns.sCostConn,
                                        {qint64(1234567), item}));
    EXPECT_EQ(
        b.ctx->data.ReadScalar(b.ctx->conns.sCostConn, "select amount from costitem where id=?", {item}),
        QVariant(qint64(1234567)));
}

TEST_F(OfficeWorkTest, AnEstimateOfTheServerSentIsFrozenInThisPcsFolderOfIt) {
    ASSERT_NO_FATAL_FAILURE(moveAndShare());
    b.startJonesReroof();
    ASSERT_EQ(b.save(), SaveOutcome::Saved);
    QTextDocument proposal("Proposal");
    QTextDocument contract("Contract");
    // A register moved to the server before it kept record digests gains their table with the first.
    Database& registerDb = b.ctx->data.file(b.ctx->conns.sMastConn);
    registerDb.exec("drop table revisiondigest");
    const auto record = SentRevisions(*b.ctx).markSent(b.state, proposal, contract);
    ASSERT_TRUE(record) << b.prompter.lastText().toStdString();
    EXPECT_EQ(record->number, 1);
    EXPECT_EQ(record->figures.total, b.totals->estimateTotal().roundedToCents());
    // The comparison of the sent revision with the estimate as the server keeps it finds no change.
    b.changeShingles(35);
    ASSERT_EQ(b.save(), SaveOutcome::Saved);
    const auto compared = SentRevisions(*b.ctx).compare(b.state.lEstID, 1, SentRevisions::kNow);
    ASSERT_TRUE(compared) << b.prompter.lastText().toStdString();
    EXPECT_TRUE(compared->totalLine.contains("->")) << compared->totalLine.toStdString();
    EXPECT_TRUE(QFileInfo::exists(b.ctx->folder.estimateFolder("JonesReroof") + "/Revisions"));
    EXPECT_EQ(registerDb.scalar("select count(*) from revisiondigest where estid=?", {b.state.lEstID}),
              QVariant(qint64(1)));
    // Its record rewritten on this PC to match a swapped proposal is caught by the server's digest.
    qxtest::swapProposalAndRecord(b.ctx->folder.estimateFolder("JonesReroof") + "/Revisions/" +
                                  record->folderName());
    EXPECT_TRUE(
        SentRevisions(*b.ctx).lines(b.state.lEstID).value(0).text.endsWith(RevisionTexts::kAlteredMark));
}

TEST_F(OfficeWorkTest, AServerOutOfReachIsReportedByEachCommandThatNeedsItAndNothingElseWaits) {
    OfficeServer away = office;
    away.port = 1; // nothing listens there
    useOfficeStorage(*b.ctx, away);
    // The working copy is this PC's own: a new working database needs no server.
    EXPECT_NO_THROW(b.ctx->working.CreateTempDB());
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(b.workingList(), QStringList({"None"}));
        EXPECT_EQ(b.prompter.messageCount(), attempt + 1);
        EXPECT_TRUE(
            b.prompter.lastText().contains("Could not connect to " + office.database +
                                           " on 127.0.0.1: the server refused the connection on port 1"))
            << b.prompter.lastText().toStdString();
        EXPECT_FALSE(b.prompter.lastText().contains(office.password));
    }
}

} // namespace
