#include "OfficeFixture.h"

#include "data/Catalogue.h"
#include "data/RowCopy.h"
#include "data/SqlFile.h"
#include "office/OfficeEngine.h"

#include <QTemporaryDir>
#include <limits>
#include <memory>

using namespace qx;

namespace {

// The same databases on both engines: a cost database and an estimate, as files and as server schemas.
class EnginesAgreeTest : public qxtest::OfficeServerTest {
protected:
    // Made once for every suite of this file; a failure is shown with its text.
    static void SetUpTestSuite() {
        if (!server().running() || s_folder)
            return;
        try {
            makeDatabases();
        } catch (const Failure& failure) {
            FAIL() << failure.description().toStdString();
        }
    }
    static void makeDatabases() {
        s_folder = std::make_unique<QTemporaryDir>();
        const QString kinds[] = {"cost", "est_1"};
        for (const QString& kind : kinds) {
            const DatabaseKind catalogue = kind == "cost" ? DatabaseKind::Cost : DatabaseKind::EstimateFile;
            auto file =
                SqlFile::create(s_folder->filePath(kind + ".mdb"), "pw", SqlFile::Durability::Scratch);
            createCatalogue(*file, catalogue);
            s_engines.push_back(std::move(file));
            auto schema = connectOffice(server().office(), kind, true);
            createCatalogue(*schema, catalogue);
            s_engines.push_back(std::move(schema));
        }
    }
    // The file and the server schema of "cost" or "est_1".
    static std::vector<Database*> engines(const QString& kind) {
        const size_t first = kind == "cost" ? 0 : 2;
        return {s_engines[first].get(), s_engines[first + 1].get()};
    }

    static std::unique_ptr<QTemporaryDir> s_folder;
    static std::vector<std::unique_ptr<Database>> s_engines;
};

std::unique_ptr<QTemporaryDir> EnginesAgreeTest::s_folder;
std::vector<std::unique_ptr<Database>> EnginesAgreeTest::s_engines;

struct Value {
    const char* name;
    const char* kind; // "cost" or "est_1"
    const char* table;
    const char* column;
    QVariant value;
};

class EnginesKeepValues : public EnginesAgreeTest, public ::testing::WithParamInterface<Value> {};

// Written by one statement, and among many rows at once (which the server takes as one COPY).
TEST_P(EnginesKeepValues, AValueReadsBackAsItWasWrittenOnBothEngines) try {
    const Value& v = GetParam();
    for (Database* db : engines(v.kind)) {
        SCOPED_TRACE(db->location().toStdString());
        Transaction transaction(*db);
        const QString insert = QString("insert into %1 (%2) values (?)").arg(v.table, v.column);
        db->exec(insert, {v.value});
        const qint64 id = db->lastInsertId();
        insertRows(*db, insert, {{QVariant()}, {v.value}});
        const ResultSet back = db->query(
            QString("select %1 from %2 where ID=? or ID>? order by ID").arg(v.column, v.table), {id, id + 1});
        ASSERT_EQ(back.size(), 2);
        for (const QVariantList& row : back.rows) {
            EXPECT_EQ(row.at(0), v.value) << row.at(0).toString().toStdString();
            EXPECT_EQ(row.at(0).typeId(), v.value.typeId());
        }
        transaction.commit();
    }
} catch (const Failure& f) {
    FAIL() << f.description().toStdString();
}

QString repeated(const QString& piece, int times) {
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

constexpr qint64 kLargest = std::numeric_limits<qint64>::max();
constexpr qint64 kSmallest = std::numeric_limits<qint64>::min();

INSTANTIATE_TEST_SUITE_P(
    Values, EnginesKeepValues,
    ::testing::Values(
        Value{"MoneyZero", "cost", "costitem", "Amount", qint64(0)},
        Value{"MoneyNegative", "cost", "costitem", "Amount", qint64(-1234567)},
        Value{"MoneyTenThousandth", "cost", "costitem", "Amount", qint64(1)},
        Value{"MoneyLargest", "cost", "costitem", "Amount", kLargest},
        Value{"MoneySmallest", "cost", "costitem", "Amount", kSmallest},
        Value{"Null", "cost", "costitem", "Amount", QVariant()},
        Value{"Date", "cost", "costitem", "pricedate", QString("2026-12-07")},
        Value{"DateLeapDay", "cost", "costitem", "pricedate", QString("2024-02-29")},
        Value{"Quotes", "cost", "costitem", "CostName", QString("O'Brien \"Best\" 3/4\\\" cap")},
        Value{"Sql", "cost", "costitem", "CostName", QString("x'); DROP TABLE costitem; -- ? $1 [a]")},
        Value{"Emoji", "cost", "costitem", "CostName", QString::fromUtf8("Ridge cap 🏠🔨 ñ é ß")},
        Value{"FiftyEmoji", "cost", "costitem", "CostName", repeated(QString::fromUtf8("🏠"), 50)},
        Value{"Invisible", "cost", "costitem", "CostName", QString::fromUtf8("A\u200bB\u00a0C\u202eD\ufeff")},
        Value{"LineBreaks", "cost", "costitem", "Descrip", QString("first\r\nsecond\tthird")},
        Value{"TenThousandCharacters", "est_1", "Main", "EstSummary",
              repeated(QString::fromUtf8("Tear-off & re-roof, 30 sq. 🏠\n"), 345).left(10000)},
        Value{"QuantityFraction", "cost", "unititems", "itemqty", 0.1},
        Value{"QuantityTiny", "cost", "unititems", "itemqty", 1e-7},
        Value{"QuantityWhole", "cost", "unititems", "itemqty", 3.0},
        Value{"QuantityThird", "cost", "unititems", "itemqty", 1.0 / 3},
        Value{"WholeNumberLargest", "est_1", "LineItems", "Qty", qint64(2147483647)},
        Value{"WholeNumberNegative", "est_1", "LineItems", "Qty", qint64(-2147483647 - 1)},
        Value{"Bytes", "est_1", "Plan", "Image", QByteArray("%PDF\0\x01\xff\x80 end", 12)}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    const char* table;
    const char* column;
    QVariant value;
    bool refused;
};

class EnginesCheckTexts : public EnginesAgreeTest, public ::testing::WithParamInterface<Refusal> {};

// Text sizes count characters (an emoji is one), and a created table refuses the empty text.
TEST_P(EnginesCheckTexts, BothEnginesRefuseTheSameTexts) {
    const Refusal& r = GetParam();
    for (Database* db : engines("est_1")) {
        SCOPED_TRACE(db->location().toStdString());
        Transaction transaction(*db);
        bool refused = false;
        try {
            db->exec(QString("insert into %1 (%2) values (?)").arg(r.table, r.column), {r.value});
        } catch (const Failure& failure) {
            refused = true;
            EXPECT_EQ(failure.number(), 19) << failure.description().toStdString();
        }
        EXPECT_EQ(refused, r.refused);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EnginesCheckTexts,
    ::testing::Values(Refusal{"Empty", "Main", "FName", QString(""), true},
                      Refusal{"EmptyPhone", "Main", "HomePH", QString(""), false},
                      Refusal{"AtSize", "Main", "FName", repeated(QString::fromUtf8("é"), 25), false},
                      Refusal{"EmojiAtSize", "Main", "FName", repeated(QString::fromUtf8("🏠"), 25), false},
                      Refusal{"OverSize", "Main", "FName", repeated("x", 26), true},
                      Refusal{"EmojiOverSize", "Main", "FName", repeated(QString::fromUtf8("🏠"), 26), true}),
    [](const auto& info) { return std::string(info.param.name); });

// A refused statement inside a transaction undoes only itself; the rest of the transaction goes on.
TEST_F(EnginesAgreeTest, ARefusedStatementInsideATransactionUndoesOnlyItself) {
    for (Database* db : engines("est_1")) {
        SCOPED_TRACE(db->location().toStdString());
        Transaction transaction(*db);
        db->exec("insert into Main (FName, LName) values (?, ?)", {"Ann", "Refusal"});
        EXPECT_THROW(db->exec("insert into Main (FName, LName) values (?, ?)", {"", "Refusal"}), Failure);
        db->exec("insert into Main (FName, LName) values (?, ?)", {"Bob", "Refusal"});
        EXPECT_THROW(insertRows(*db, "insert into Main (FName, LName) values (?, ?)",
                                {{"Cy", "Refusal"}, {"", "Refusal"}}),
                     Failure);
        transaction.commit();
        EXPECT_EQ(db->scalar("select count(*) from Main where LName = ?", {"Refusal"}).toLongLong(), 2);
    }
}

// The priced components of the unit items: quantity times amount rounded to a ten-thousandth, half away
// from zero, the same in the view on both engines.
TEST_F(EnginesAgreeTest, UnitItemComponentsArePricedAlikeOnBothEngines) {
    const struct {
        double quantity;
        qint64 amount;
        qint64 total;
    } cases[] = {{2.5, 12345, 30863},       {0.1, 3, 0},   {0.15, 3, 0},
                 {1.0 / 3, 30000, 10000},   {-2.5, 1, -3}, {12, 39999, 479988},
                 {0.4999999999999999, 1, 1}}; // a quantity counts to fifteen significant digits: 0.5
    for (Database* db : engines("cost")) {
        SCOPED_TRACE(db->location().toStdString());
        Transaction transaction(*db);
        QList<qint64> totals;
        for (const auto& c : cases) {
            db->exec("insert into costitem (CostName, Amount) values (?, ?)", {"Component", c.amount});
            const qint64 item = db->lastInsertId();
            db->exec("insert into unititems (matlaborid, itemid, itemqty) values (?, ?, ?)",
                     {-item, item, c.quantity});
            totals << db->scalar("select [Line Total] from UnitQry where ID=?", {-item}).toLongLong();
            EXPECT_EQ(totals.last(), c.total) << c.quantity << " x " << c.amount;
        }
    }
}

// Text comparisons ignore letter case on both engines.
TEST_F(EnginesAgreeTest, TextsCompareWithoutRegardToCase) {
    for (Database* db : engines("cost")) {
        SCOPED_TRACE(db->location().toStdString());
        Transaction transaction(*db);
        db->exec("insert into costitem (CostName, Cat) values (?, ?)", {"Ice Shield", "Underlay"});
        EXPECT_EQ(db->scalar("select Cat from costitem where CostName = ?", {"ICE SHIELD"}).toString(),
                  "Underlay");
        EXPECT_EQ(db->scalar("select count(*) from costitem where CostName like ?", {"ice%"}).toLongLong(),
                  1);
    }
}

// A transaction left without commit leaves nothing; a nested one that fails leaves the outer intact.
TEST_F(EnginesAgreeTest, TransactionsAndSavepointsRollBackAlike) {
    for (Database* db : engines("cost")) {
        SCOPED_TRACE(db->location().toStdString());
        {
            Transaction outer(*db);
            db->exec("insert into costunit (MLName) values (?)", {"Kept"});
            {
                Transaction inner(*db);
                db->exec("insert into costunit (MLName) values (?)", {"Dropped"});
            }
            outer.commit();
        }
        {
            Transaction abandoned(*db);
            db->exec("insert into costunit (MLName) values (?)", {"Abandoned"});
        }
        EXPECT_FALSE(db->inTransaction());
        const ResultSet rows = db->query("select MLName from costunit order by ID");
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows.at(0, 0).toString(), "Kept");
    }
}

} // namespace
