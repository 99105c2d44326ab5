#include "FormDriver.h"
#include "OfficeFixture.h"
#include "TestFolders.h"

#include "data/Catalogue.h"
#include "data/SqlFile.h"
#include "estimate/NewEstimate.h"
#include "office/OfficeEngine.h"
#include "office/OfficeMove.h"
#include "office/OfficeWork.h"
#include "office/SchemaCopy.h"
#include "office/UiOfficeTab.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

using namespace qx;
using qxtest::OfficeServerTest;

namespace {

// A database file of the program folder and the schema it goes to.
struct Moved {
    QString schema, path, password;
    DatabaseKind kind;
};

QString render(const QVariant& v) {
    if (v.isNull())
        return QStringLiteral("NULL");
    if (v.typeId() == QMetaType::QByteArray)
        return QStringLiteral("bytes:") + QString::fromLatin1(v.toByteArray().toHex());
    return QString::fromLatin1(v.typeName()) + QLatin1Char(':') + v.toString();
}

QStringList rendered(const ResultSet& set) {
    QStringList out;
    for (const QVariantList& row : set.rows) {
        QStringList cells;
        for (const QVariant& v : row)
            cells << render(v);
        out << cells.join(QStringLiteral(" | "));
    }
    return out;
}

// A program folder with a cost database (its costitem table as an earlier build made it), a register and
// two estimates started by the program (one with more lines than one insert statement takes), and an
// empty office database of the test's own on the shared server.
class OfficeMoveTest : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        QX_NEEDS_SERVER(server());
        ProgramFolderTest::SetUp();
        writeDefaultSettings(ctx->settings);
        static int databases = 0;
        office = server().office();
        office.database = QStringLiteral("move_%1").arg(++databases);
        ASSERT_TRUE(server().admin(QStringLiteral("CREATE DATABASE %1 OWNER estimator").arg(office.database)))
            << server().failure().toStdString();
        ASSERT_NO_FATAL_FAILURE(makeWork());
    }
    static qxtest::PostgresServer& server() { return OfficeServerTest::server(); }

    void makeWork() try {
        auto cost = SqlFile::open(ctx->folder.costFile(), kCostPassword, SqlFile::Durability::Safe);
        cost->execScript(
            "CREATE TABLE older AS SELECT ID, costtype, Cat, CostName, manufacturer, sku, Unit, Descrip, "
            "Amount "
            "FROM costitem; DROP TABLE costitem;"
            "CREATE TABLE costitem (ID INTEGER PRIMARY KEY AUTOINCREMENT, costtype TEXT, Cat TEXT, "
            "CostName TEXT, manufacturer TEXT, sku TEXT, Unit TEXT, Descrip TEXT, Amount INTEGER);"
            "INSERT INTO costitem SELECT * FROM older; DROP TABLE older");
        cost->exec("insert into costitem (costtype, Cat, CostName, sku, Unit, Amount) values (?,?,?,?,?,?)",
                   {"Material", "Shingles", QString::fromUtf8("30-yr \"Duration\" Ölz's"), "", "sq",
                    qint64(922337203685477)});
        const qint64 item = cost->lastInsertId();
        cost->exec("insert into unititems (matlaborid, itemid, itemqty) values (?,?,?)", {item, item, 0.1});

        startEstimate("Jones", "Reroof");
        startEstimate("O'Neil", "Tear Off");
        auto reg = SqlFile::open(ctx->folder.mastFile(), kMastPassword, SqlFile::Durability::Safe);
        reg->exec("update master set esttotal=?, estdate=? where estname=?",
                  {qint64(-12345), "2026-02-28", "JonesReroof"});
        ASSERT_EQ(reg->changes(), 1);
        auto jones = SqlFile::open(ctx->folder.estimateFile("JonesReroof"), kEstimatePassword,
                                   SqlFile::Durability::Safe);
        Transaction transaction(*jones);
        for (int i = 0; i < 600; ++i)
            jones->exec("insert into LineItems (ItemID, SecOrder, Sect, Name, ItemTable, Qty, Unit, Cost, "
                        "LineTotal) values (?,?,?,?,?,?,?,?,?)",
                        {i, i % 3, "Roof", QStringLiteral("Line %1 'q'").arg(i), "Material", 2147483647 - i,
                         "sq", qint64(4599) * i, QVariant()});
        jones->exec("insert into Plan (FileName, Image, Sha256) values (?,?,?)",
                    {"plan.pdf", QByteArray("%PDF\0\xff\x01", 7), QString(64, 'a')});
        jones->exec("insert into PlanScales values (?,?,?,?,?,?)", {0, 1.5, 2.25, 3.0, 4.0, 12.125});
        transaction.commit();
    } catch (const Failure& failure) {
        FAIL() << failure.description().toStdString();
    }

    void startEstimate(const QString& last, const QString& type) {
        WorkState state;
        NewEstimate create(*ctx, state);
        ASSERT_TRUE(create.begin());
        OwnerInput owner;
        owner.names = {"Pat", last, "4 Bay Rd", "Anytown, MT 54321", "406/555-1234", "", ""};
        owner.type = type;
        ASSERT_FALSE(create.start(owner));
    }
    std::vector<Moved> moved() const {
        return {{"cost", ctx->folder.costFile(), kCostPassword, DatabaseKind::Cost},
                {"register", ctx->folder.mastFile(), kMastPassword, DatabaseKind::Register},
                {"est_jonesreroof", ctx->folder.estimateFile("JonesReroof"), kEstimatePassword,
                 DatabaseKind::EstimateFile},
                {"est_o'neiltearoff", ctx->folder.estimateFile("O'NeilTearOff"), kEstimatePassword,
                 DatabaseKind::EstimateFile}};
    }

    // The program's schemas on the office database, by name.
    QStringList schemas() {
        return rendered(connectOffice(office)->query(
                            "select nspname::text from pg_namespace where nspname not like 'pg\\_%' and "
                            "nspname not in ('public', 'information_schema') order by 1"))
            .replaceInStrings("QString:", "");
    }

    OfficeMove::Outcome move(int cancelAtPercent = -1) {
        return OfficeMove(ctx->folder, office).run([cancelAtPercent](int done, int total, const QString&) {
            return cancelAtPercent < 0 || done * 100 < total * cancelAtPercent;
        });
    }

    // "DB on HOST" in an expected text is the test's office database.
    QString expected(const char* text) const {
        return QString::fromUtf8(text).replace("DB on HOST", officeTitle(office));
    }

    OfficeServer office;
};

TEST_F(OfficeMoveTest, EveryTableMovesRowForRowWithItsValuesAndKeys) try {
    EXPECT_EQ(officeUseRefusal(office).value_or("").toStdString(),
              expected("DB on HOST holds no office's work yet. Move a PC's work to it first (Move This PC's "
                       "Work to the Server).")
                  .toStdString());
    const int items = SqlFile::open(ctx->folder.costFile(), kCostPassword, SqlFile::Durability::Safe)
                          ->scalar("select count(*) from costitem")
                          .toInt();

    const OfficeMove::Outcome outcome = move();

    EXPECT_EQ(outcome.result, OfficeMove::Result::Moved);
    EXPECT_EQ(outcome.message.toStdString(),
              expected("Moved the cost database (%1 items), the register and 2 estimates to DB on HOST.")
                  .arg(items)
                  .toStdString());
    EXPECT_FALSE(officeUseRefusal(office).has_value());
    auto server = connectOffice(office);
    int rows = 0;
    for (const Moved& m : moved()) {
        auto file = SqlFile::open(m.path, m.password, SqlFile::Durability::Safe, SqlFile::Access::ReadOnly);
        for (const QString& table : tablesOf(m.kind)) {
            SCOPED_TRACE((m.schema + "." + table).toStdString());
            QStringList columns;
            for (const QVariantList& info : file->query(QString("PRAGMA table_info(%1)").arg(table)).rows)
                columns << info.at(1).toString();
            ASSERT_FALSE(columns.isEmpty());
            const auto select = [&](const QString& from) {
                return QString("select %1 from %2 order by 1").arg(columns.join(","), from);
            };
            const QStringList local = rendered(file->query(select(table)));
            EXPECT_EQ(rendered(server->query(select(quotedServerName(m.schema) + "." + table))), local);
            rows += local.size();
        }
    }
    EXPECT_GT(rows, 600);
    // Columns the older cost database lacked take the server's defaults.
    EXPECT_EQ(rendered(server->query("select distinct covers::text, coverage, pricedate from cost.costitem")),
              QStringList{"QString:Nothing | qlonglong:0 | NULL"});
    // Each autonumber continues after the highest key moved.
    for (const char* table : {"cost.costitem", "register.master", "est_jonesreroof.LineItems"}) {
        SCOPED_TRACE(table);
        const qint64 highest = server->scalar(QString("select max(ID) from %1").arg(table)).toLongLong();
        EXPECT_EQ(
            server->scalar(QString("insert into %1 default values returning ID").arg(table)).toLongLong(),
            highest + 1);
    }
} catch (const Failure& failure) {
    FAIL() << failure.description().toStdString();
}

// A move that cannot be made, or is stopped, leaves the office database as it found it.
struct Attempt {
    const char* name;
    void (*before)(OfficeMoveTest&); // what the server or the folder holds first
    int cancelAtPercent;
    OfficeMove::Result result;
    const char* message; // "DB on HOST" stands for the office database, FILE for the missing file
    const char* schemasAfter;
};

class OfficeMoveAttempts : public OfficeMoveTest, public ::testing::WithParamInterface<Attempt> {
public:
    void moveOnce() { ASSERT_EQ(move().result, OfficeMove::Result::Moved); }
    void holdSchema() {
        ASSERT_TRUE(server().admin("CREATE SCHEMA cost AUTHORIZATION estimator", office.database));
    }
    // Another PC's move, under way.
    void holdMoveLock() {
        other = connectOffice(office);
        otherMove = std::make_unique<Transaction>(*other);
        other->scalar("select pg_advisory_xact_lock(1364741462, 0)");
    }
    void loseEstimate() { ASSERT_TRUE(QFile::remove(ctx->folder.estimateFile("O'NeilTearOff"))); }

    std::unique_ptr<Database> other;
    std::unique_ptr<Transaction> otherMove;
};

TEST_P(OfficeMoveAttempts, LeaveTheServerAsItWas) {
    const Attempt& attempt = GetParam();
    attempt.before(*this);
    const OfficeMove::Outcome outcome = move(attempt.cancelAtPercent);
    EXPECT_EQ(outcome.result, attempt.result);
    EXPECT_EQ(
        outcome.message.toStdString(),
        expected(attempt.message).replace("FILE", ctx->folder.estimateFile("O'NeilTearOff")).toStdString());
    EXPECT_EQ(schemas().join(" ").toStdString(), attempt.schemasAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, OfficeMoveAttempts,
    ::testing::Values(
        Attempt{"SecondMove", [](OfficeMoveTest& t) { static_cast<OfficeMoveAttempts&>(t).moveOnce(); }, -1,
                OfficeMove::Result::Refused,
                "DB on HOST already holds an office's work. A PC's work can only be moved to an empty office "
                "database; to work with what the server holds, choose Use This Server.",
                "cost est_jonesreroof est_o'neiltearoff register"},
        Attempt{"ForeignSchema", [](OfficeMoveTest& t) { static_cast<OfficeMoveAttempts&>(t).holdSchema(); },
                -1, OfficeMove::Result::Refused,
                "DB on HOST is not an empty office database: it already holds a schema named cost. Move this "
                "PC's work to an empty office database.",
                "cost"},
        Attempt{"AnotherPcMoving",
                [](OfficeMoveTest& t) { static_cast<OfficeMoveAttempts&>(t).holdMoveLock(); }, -1,
                OfficeMove::Result::Refused, "Another PC is moving its work to DB on HOST right now.", ""},
        Attempt{"CancelHalfWay", [](OfficeMoveTest&) {}, 50, OfficeMove::Result::Cancelled,
                "The move was cancelled: DB on HOST is as it was.", ""},
        Attempt{"EstimateFileMissing",
                [](OfficeMoveTest& t) { static_cast<OfficeMoveAttempts&>(t).loseEstimate(); }, -1,
                OfficeMove::Result::Failed,
                "Nothing was moved to DB on HOST (the estimate O'NeilTearOff could not be copied: Could not "
                "find file 'FILE').",
                ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The Office tab moves the work, puts this PC on the server through its owner's switch, and keeps the
// settings only where the switch took effect.
TEST_F(OfficeMoveTest, TheTabSwitchesThroughItsOwnerAndKeepsOnlyWhatTookEffect) {
    UiOfficeTab tab(ctx->settings, prompter, std::make_unique<PasswordVault>(configDir.path(), false),
                    ctx->folder);
    std::vector<std::optional<OfficeServer>> switches;
    std::optional<QString> refusal = QString("JonesReroof is open.");
    tab.setSwitchStorage(
        [&](std::optional<OfficeServer> target) {
            if (!refusal)
                switches.push_back(target);
            return refusal;
        },
        [&] { return refusal; });
    qxtest::showActive(&tab);
    auto type = [&](const char* name, const QString& text) {
        qxtest::get<QLineEdit>(&tab, name)->setText(text);
    };
    type("txtOfficeHost", office.host);
    type("txtOfficePort", QString::number(office.port));
    type("txtOfficeDatabase", office.database);
    type("txtOfficeUser", office.user);
    type("txtOfficePassword", office.password);
    auto onServer = [&] { return OfficeSettings::load(ctx->settings).onServer; };

    // Work saved to this PC's files after a move would never reach the server: no move while an
    // estimate is open.
    qxtest::press(&tab, "cmdOfficeMove");
    EXPECT_EQ(prompter.log(), QStringList{"message: Quorvex | JonesReroof is open. -> ok"});
    EXPECT_TRUE(schemas().isEmpty());

    refusal.reset();
    prompter.queueAnswer(Prompter::Answer::Yes);
    qxtest::press(&tab, "cmdOfficeMove");
    ASSERT_EQ(switches.size(), 1u);
    EXPECT_EQ(switches.back()->database, office.database);
    EXPECT_EQ(switches.back()->password, office.password);
    EXPECT_TRUE(onServer());
    EXPECT_TRUE(qxtest::get<QRadioButton>(&tab, "optOffice")->isChecked());

    struct Step {
        const char* option;
        const char* refusal; // what the switch answers; null: it takes effect
        bool onServerAfter;
        const char* message;
    };
    const Step steps[] = {
        {"optLocal", "JonesReroof is open.", true, "JonesReroof is open."},
        {"optLocal", nullptr, false, "This PC now works on its own files."},
        {"optOffice", nullptr, true, "This PC now works on DB on HOST."},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.message);
        refusal = step.refusal ? std::optional<QString>(step.refusal) : std::nullopt;
        qxtest::get<QRadioButton>(&tab, step.option)->click();
        qxtest::press(&tab, "cmdOfficeSave");
        EXPECT_EQ(onServer(), step.onServerAfter);
        EXPECT_EQ(prompter.lastText().toStdString(), expected(step.message).toStdString());
    }
    EXPECT_EQ(switches.size(), 3u);
    for (const QString& line : prompter.log())
        EXPECT_FALSE(line.contains(office.password)) << line.toStdString();
}

} // namespace
