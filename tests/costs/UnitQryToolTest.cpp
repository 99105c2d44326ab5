#include "CostsFixture.h"
#include "costs/UnitItemBuilder.h"
#include "data/Catalogue.h"
#include "data/ProgramFolder.h"
#include "data/ProgramLayout.h"

#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <limits>

using namespace qx;

namespace qxtest {

namespace {

// What the sqlcipher tool (installed by scripts/setup.sh) prints for `sql` run on a keyed file, one
// line per row, "a|b"; the error it stops at when it fails.
struct ToolRun {
    bool ok = false;
    QStringList lines;
    QString error;
};

ToolRun runTool(const QString& file, const QString& password, const QString& sql) {
    ToolRun run;
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
    if (tool.isEmpty()) {
        run.error = QStringLiteral("the sqlcipher tool is not installed (scripts/setup.sh installs it)");
        return run;
    }
    QProcess process;
    process.start(tool, {QStringLiteral("-batch"), QStringLiteral("-bail"), file});
    QString key = password;
    process.write(QStringLiteral("PRAGMA key = '%1';\n%2;\n")
                      .arg(key.replace(u'\'', QStringLiteral("''")), sql)
                      .toUtf8());
    process.closeWriteChannel();
    process.waitForFinished(30000);
    run.error = QString::fromUtf8(process.readAllStandardError()).trimmed();
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 && run.error.isEmpty();
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return run;
}

} // namespace

class UnitQryToolTest : public CostsTest {
protected:
    ToolRun onCost(const QString& sql) { return runTool(ctx->folder.costFile(), kCostPassword, sql); }
};

TEST_F(UnitQryToolTest, TheToolReadsEveryViewOfTheShippedDatabasesAndAnUpgradedOne) {
    const std::pair<QString, QString> shipped[] = {{ctx->folder.costFile(), kCostPassword},
                                                   {ctx->folder.mastFile(), kMastPassword}};
    int views = 0;
    for (const auto& [file, password] : shipped) {
        const ToolRun names = runTool(file, password, "select name from sqlite_master where type='view'");
        ASSERT_TRUE(names.ok) << file.toStdString() << ": " << names.error.toStdString();
        for (const QString& view : names.lines) {
            const ToolRun read = runTool(file, password, QStringLiteral("select * from [%1]").arg(view));
            EXPECT_TRUE(read.ok) << view.toStdString() << ": " << read.error.toStdString();
            ++views;
        }
    }
    EXPECT_GE(views, 1); // UnitQry at least

    // A cost database whose UnitQry called the program's own function is brought to the plain query
    // when the program opens it, and the tool reads it from then on.
    ctx->pool.closeAll();
    {
        auto file = SqlFile::open(ctx->folder.costFile(), kCostPassword, SqlFile::Durability::Safe);
        file->execScript("DROP VIEW UnitQry; CREATE VIEW UnitQry AS SELECT u.matlaborid AS ID, "
                         "ComponentTotal(u.itemqty, c.Amount) AS [Line Total] "
                         "FROM unititems u INNER JOIN costitem c ON c.ID = u.itemid");
    }
    EXPECT_TRUE(onCost("select * from UnitQry").error.contains("no such function: ComponentTotal"));
    layOutProgramFolder(ctx->folder);
    const ToolRun upgraded = onCost("select count(*) from UnitQry");
    EXPECT_TRUE(upgraded.ok) << upgraded.error.toStdString();
}

TEST_F(UnitQryToolTest, TheToolPricesEachShippedUnitItemAsTheBuilderDoes) {
    const ToolRun priced = onCost("select ID, sum([Line Total]) from UnitQry group by ID order by ID");
    ASSERT_TRUE(priced.ok) << priced.error.toStdString();
    ASSERT_FALSE(priced.lines.isEmpty());
    UnitItemBuilder builder(ctx->data, ctx->working, cost());
    ASSERT_TRUE(builder.CreateUnitDB());
    for (const QString& line : priced.lines) {
        const qint32 unit = line.section(u'|', 0, 0).toInt();
        ASSERT_TRUE(builder.PopTempTable(unit));
        EXPECT_EQ(line.section(u'|', 1).toLongLong(), builder.ComputeTotal().raw()) << unit;
    }
    EXPECT_EQ(priced.lines.size(), scalar("select count(distinct matlaborid) from unititems").toInt());
}

// Each component as quantity x amount (ten-thousandths) rounded half away from zero to a whole
// ten-thousandth, with the quantity taken to fifteen significant digits; read by the tool, by the
// program's own query and figured by Money.
TEST_F(UnitQryToolTest, ComponentPricesAgreeWithMoneyAtEveryEdge) {
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    constexpr qint64 kTop = 9'999'999'999'900; // $999,999,999.99, the largest amount an item holds
    const struct {
        qint64 amount;
        double quantity;
        QString price; // as the tool prints it
    } cases[] = {
        {1250, 1.15, "1438"},        // 1437.5: a half goes up
        {-1250, 1.15, "-1438"},      // and away from zero below it
        {1250, -1.15, "-1438"},      //
        {5, 0.5, "3"},               // 2.5
        {3, 0.1, "0"},               // 0.3, one tenth exactly
        {333333, 0.005, "1667"},     // 1666.665
        {333333, 1.0 / 3, "111111"}, // 111110.999999999889 at fifteen digits
        {10000, 0.00005, "1"},       // 0.5, written "5.0e-05"
        {10000, 0.000049999, "0"},   // 0.49999
        {kTop, 0.00005, "500000000"},
        {1, 0.4999999999999999, "1"},               // 0.5 at fifteen digits
        {kTop, 1.23456789012345e-05, "123456789"},  // 123456789.011..., written with "e-05"
        {kTop, 0.123456789012345, "1234567890111"}, // 1234567890111.104...
        {kTop, 0.333333333333333, "3333333333300"}, // 3333333333299.99667
        {kTop, 1000, "9999999999900000"},
        {7, 2147483647, "15032385529"},
        {1, 1e15, "1000000000000000"},
        {kTop, 1e-22, "0"},
        {kTop, 1e7, QString::number(kMax)}, // held at the largest amount
        {-kTop, 1e7, QString::number(std::numeric_limits<qint64>::min())},
        {0, 12.5, "0"},
    };
    int unit = 5000;
    for (const auto& c : cases) {
        const qint32 item =
            costItem(QStringLiteral("Material"), QStringLiteral("Test"), QStringLiteral("Edge"), c.amount);
        exec("insert into unititems(matlaborid, itemid, itemqty) values(?, ?, ?)",
             {++unit, item, c.quantity});
        const QString label = QString::number(c.amount) + " x " + QString::number(c.quantity, 'g', 17);
        EXPECT_EQ(QString::number(Money::fromRaw(c.amount).timesRoundedToRaw(c.quantity).raw()), c.price)
            << label.toStdString();
        EXPECT_EQ(scalar("select [Line Total] from UnitQry where ID=?", {unit}).toString(), c.price)
            << label.toStdString();
    }
    exec("insert into unititems(matlaborid, itemid, itemqty) values(?, ?, NULL)", {++unit, 1});
    const ToolRun tool =
        onCost("select ID, coalesce([Line Total], 'NULL') from UnitQry where ID > 5000 order by ID");
    ASSERT_TRUE(tool.ok) << tool.error.toStdString();
    QStringList expected;
    for (const auto& c : cases)
        expected << QStringLiteral("%1|%2").arg(5001 + expected.size()).arg(c.price);
    expected << QStringLiteral("%1|NULL").arg(unit);
    EXPECT_EQ(tool.lines, expected);
}

// Quantities of every size and number of decimals against amounts up to the largest: the query
// figures what Money figures, to the ten-thousandth.
TEST_F(UnitQryToolTest, TheQueryAndMoneyAgreeOverASweepOfQuantities) {
    const qint64 amounts[] = {1, 7, 1250, 333333, 99'999'999, 9'999'999'999'900};
    QList<double> quantities;
    for (int i = 1; i <= 120; ++i) {
        quantities << i / 997.0 << i * 0.0125 << i * 1.0e-6 * 3 << std::pow(10.0, -i % 19) * 7.77 << i + 0.5;
    }
    exec("delete from unititems");
    int unit = 0;
    for (qint64 amount : amounts) {
        const qint32 item =
            costItem(QStringLiteral("Material"), QStringLiteral("Test"), QStringLiteral("Sweep"), amount);
        for (double quantity : quantities)
            exec("insert into unititems(matlaborid, itemid, itemqty) values(?, ?, ?)",
                 {++unit, item, quantity});
    }
    const ResultSet priced = ctx->data.Read(
        cost(), "select c.Amount, u.itemqty, q.[Line Total] from unititems u, costitem c, UnitQry q "
                "where c.ID = u.itemid and q.ID = u.matlaborid");
    ASSERT_EQ(priced.size(), unit);
    int wrong = 0;
    for (const QVariantList& row : priced.rows) {
        const qint64 money =
            Money::fromRaw(row.at(0).toLongLong()).timesRoundedToRaw(row.at(1).toDouble()).raw();
        if (money != row.at(2).toLongLong() && ++wrong < 5)
            ADD_FAILURE() << row.at(0).toLongLong() << " x "
                          << QString::number(row.at(1).toDouble(), 'g', 17).toStdString() << ": Money "
                          << money << ", UnitQry " << row.at(2).toLongLong();
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace qxtest
