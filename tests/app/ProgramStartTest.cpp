#include "TestFolders.h"

#include "app/StartUp.h"
#include "app/UiProgram.h"
#include "app/frmQuovi.h"
#include "data/ResultTableModel.h"
#include "setup/Greeting.h"
#include "setup/frmGreeting.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTimer>

using namespace qx;

namespace {

using ProgramStartTest = qxtest::ProgramFolderTest;

TEST_F(ProgramStartTest, AGreetingSwitchedOffIsNotShownAtTheNextStart) {
    bool greeted = false;
    QTimer::singleShot(0, [&] {
        if (auto* greeting = qobject_cast<frmGreeting*>(QApplication::activeModalWidget())) {
            greeted = true;
            greeting->findChild<QCheckBox*>("chkShowGreet")->click();
            greeting->findChild<QPushButton*>("cmdOkay")->click();
        }
    });
    {
        UiProgram first(programDir.path(), prompter, configDir.path());
        first.start();
        ASSERT_TRUE(first.mainWindow());
        EXPECT_TRUE(first.mainWindow()->isVisible());
        EXPECT_EQ(first.mainWindow()->windowTitle(), "Quorvex");
    }
    EXPECT_TRUE(greeted);
    EXPECT_EQ(ctx->settings.read(kAppName, "Op", "Greet"), "0");

    // The second start must not block on a greeting: no timer is armed to answer one.
    UiProgram second(programDir.path(), prompter, configDir.path());
    second.start();
    EXPECT_TRUE(second.mainWindow()->isVisible());
    EXPECT_EQ(second.mainWindow()->state().sOpenMode, QString());
}

TEST_F(ProgramStartTest, ARegisterThatCannotBeReadIsReportedWhenFirstUsedNotBeforeTheWindow) {
    StartUp::ensureSettings(ctx->settings, ctx->folder.root());
    Greeting::okay(ctx->settings, false);
    ctx->pool.closeAll();
    for (const char* damage : {"missing", "not a database"}) {
        SCOPED_TRACE(damage);
        QFile::remove(ctx->folder.mastFile());
        if (QString(damage) != "missing") {
            QFile file(ctx->folder.mastFile());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(damage);
        }
        ScriptedPrompter seen;
        UiProgram program(programDir.path(), seen, configDir.path());
        ASSERT_TRUE(program.start());
        EXPECT_EQ(seen.messageCount(), 0);
        program.mainWindow()->findChild<QAction*>("mnuNew")->trigger();
        ASSERT_GE(seen.log().size(), 1);
        EXPECT_TRUE(seen.log().first().endsWith(") in procedure PopEstTypeCbo of Module modEst -> ok"))
            << seen.log().first().toStdString();
    }
}

TEST_F(ProgramStartTest, TheWindowOpensNoDatabaseAndALeftReservationGoesAtTheRegistersFirstUse) {
    StartUp::ensureSettings(ctx->settings, ctx->folder.root());
    Greeting::okay(ctx->settings, false);
    // A New that never reached Start: a register row without a path.
    ctx->data.file(mast()).exec("insert into master(estname) values('Left behind')");
    ctx->pool.closeAll();

    ScriptedPrompter seen;
    UiProgram program(programDir.path(), seen, configDir.path());
    ASSERT_TRUE(program.start());
    for (const QString& file : {ctx->folder.mastFile(), ctx->folder.costFile(), ctx->folder.tempFile()})
        EXPECT_FALSE(program.context().pool.isOpen(file)) << file.toStdString();

    program.mainWindow()->findChild<QAction*>("mnuNew")->trigger();
    EXPECT_EQ(seen.messageCount(), 0);
    // Only the reservation New just made is in the register.
    EXPECT_EQ(rows(mast(), "select count(*), sum(estname is null) from master where estpath is null"),
              QStringList{"1 | 1"});
}

TEST_F(ProgramStartTest, ADatabaseBroughtBackWithoutTheNewColumnsGainsThemWhenOpenedAgain) {
    StartUp::ensureSettings(ctx->settings, ctx->folder.root());
    Greeting::okay(ctx->settings, false);
    ctx->pool.closeAll();
    UiProgram program(programDir.path(), prompter, configDir.path());
    ASSERT_TRUE(program.start());
    ConnectionPool& pool = program.context().pool;
    const Connections& conns = program.context().conns;
    pool.get(conns.sCostConn);
    // A restore closes every file and puts back databases an earlier build wrote.
    pool.closeAll();
    {
        // Tables as an earlier build made them: without the columns added since.
        auto cost =
            SqlFile::open(ctx->folder.costFile(), conns.sCostConn.password, SqlFile::Durability::Safe);
        cost->execScript("CREATE TABLE older AS SELECT ID, costtype, Cat, CostName, manufacturer, sku, Unit, "
                         "Descrip, Amount FROM costitem; DROP TABLE costitem; "
                         "ALTER TABLE older RENAME TO costitem");
        auto register_ =
            SqlFile::open(ctx->folder.mastFile(), conns.sMastConn.password, SqlFile::Durability::Safe);
        register_->execScript(
            "CREATE TABLE older AS SELECT id, estname, estaddress, estdate, esttype, eststatus, "
            "estlength, estpath FROM master; DROP TABLE master; "
            "ALTER TABLE older RENAME TO master");
    }
    EXPECT_EQ(pool.get(conns.sCostConn).scalar("select count(*) from costitem where covers='Nothing'"),
              pool.get(conns.sCostConn).scalar("select count(*) from costitem"));
    EXPECT_EQ(pool.get(conns.sMastConn).scalar("select count(esttotal) from master").toInt(), 0);
}

TEST(ResultGrid, ShowsRowsButNeverEditsThem) {
    ResultTableModel model;
    ResultSet rows;
    rows.columns = {"ID", "Cost"};
    rows.rows = {{qint64(1), qint64(459900)}, {qint64(2), QVariant()}};
    model.setResult(rows, {"ID", "Cost"});
    model.setMoneyColumns({1});
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "$45.99");
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), "");
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, 0), 7));
    EXPECT_EQ(model.cell(0, 0).toLongLong(), 1);
}

} // namespace
