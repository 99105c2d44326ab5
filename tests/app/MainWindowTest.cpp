#include "OwnerForm.h"
#include "TestFolders.h"

#include "app/MainWindowTexts.h"
#include "app/StartUp.h"
#include "app/frmQuovi.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace qx;

namespace {

class MainWindowTest : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        StartUp::ensureSettings(ctx->settings, ctx->folder.root());
    }
    void open() {
        window = std::make_unique<frmQuovi>(*ctx);
        window->show();
    }
    template <class T> T* child(const char* name) {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QAction* action(const char* name) { return child<QAction>(name); }
    QTabWidget* tabs() { return child<QTabWidget>("SSTab1"); }
    void startSmithGarage() {
        action("mnuNew")->trigger();
        qxtest::fillOwner(window.get());
        child<QPushButton>("cmdStartEst")->click();
        ASSERT_EQ(window->state().estName, "SmithGarage");
    }
    QString statusText() {
        QStringList panels;
        for (const char* name : {"pnlEstID", "pnlEstName", "pnlStatus"})
            panels << child<QLabel>(name)->text();
        return panels.join(" | ");
    }
    std::unique_ptr<frmQuovi> window;
};

TEST_F(MainWindowTest, OpensIdleWithOnlyTheStartingCommands) {
    open();
    EXPECT_FALSE(tabs()->isVisible());
    EXPECT_TRUE(child<QWidget>("lblIdle")->isVisible());
    EXPECT_FALSE(action("mnuClose")->isEnabled());
    EXPECT_FALSE(action("mnuSave")->isEnabled());
    EXPECT_TRUE(action("mnuNew")->isEnabled());
    EXPECT_EQ(action("mnuNew")->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(action("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(window->windowTitle(), "Quorvex");
    // F9 while idle does nothing.
    action("mnuClose")->trigger();
    EXPECT_EQ(prompter.messageCount(), 0);
    // The window's own texts come from the model: the idle reminder and the bug report's mail.
    QStringList reminder;
    for (const QLabel* label : child<QWidget>("lblIdle")->findChildren<QLabel*>())
        reminder << label->text();
    EXPECT_EQ(reminder,
              QStringList({"Quorvex", "Roofing estimates", "F6", "New estimate", "F7", "Open an estimate",
                           "F8", "Figure a roof", "F3", "Manage estimates", "F1", "Help"}));
    action("mnuBug")->trigger();
    EXPECT_EQ(prompter.log(), QStringList{"open: " + bugReportUrl()});
}

TEST_F(MainWindowTest, ClosingAFiguredRoofEmptiesItWithoutReadingTheRegister) {
    open();
    action("mnuFigure")->trigger();
    child<QRadioButton>("optStyle_1")->click();
    child<QLineEdit>("txtArea_0")->setText("30");
    child<QLineEdit>("txtArea_1")->setText("40");
    auto* pitch = child<QComboBox>("cmbPitch");
    pitch->setCurrentIndex(pitch->findText("6"));
    emit pitch->activated(pitch->currentIndex());
    child<QPushButton>("cmdPitchFig")->click();
    ASSERT_EQ(child<QLineEdit>("txtRoof_0")->text(), "1342");
    // A register that cannot be read would be reported by anything that reads it.
    ctx->pool.closeAll();
    ASSERT_TRUE(QFile::remove(ctx->folder.mastFile()));

    action("mnuClose")->trigger();
    EXPECT_EQ(prompter.log(), QStringList());
    EXPECT_TRUE(window->state().isIdle());
    EXPECT_FALSE(tabs()->isVisible());
    EXPECT_EQ(child<QLineEdit>("txtRoof_0")->text(), "0");
    EXPECT_TRUE(child<QRadioButton>("optStyle_0")->isChecked());
    EXPECT_EQ(child<QTableView>("dgAreas")->model()->rowCount(), 0);
    EXPECT_TRUE(action("mnuNew")->isEnabled());
    EXPECT_FALSE(action("mnuClose")->isEnabled());
}

TEST_F(MainWindowTest, ClosingAStartedEstimateWithoutSavingRemovesItsRowAndFolder) {
    open();
    startSmithGarage();
    QStringList captions;
    for (int i = 0; i < tabs()->count(); ++i)
        captions << tabs()->tabText(i);
    EXPECT_EQ(captions, QStringList({"Home Owner", "Area", "Line Items", "Terms/Totals", "Output"}));
    const QString folder = ctx->folder.estimateFolder("SmithGarage");
    ASSERT_TRUE(QFileInfo(folder).isDir());

    prompter.queueAnswer(Prompter::Answer::Cancel);
    action("mnuClose")->trigger();
    EXPECT_EQ(window->state().sOpenMode, "new");
    EXPECT_TRUE(tabs()->isVisible());

    prompter.queueAnswer(Prompter::Answer::No);
    action("mnuClose")->trigger();
    EXPECT_TRUE(prompter.log().last().startsWith("message: Would you like to save first? | Click 'Yes'"));
    EXPECT_TRUE(window->state().isIdle());
    EXPECT_FALSE(tabs()->isVisible());
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList({"0"}));
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_EQ(statusText(), " |  | ");
    EXPECT_TRUE(child<QLineEdit>("txtName_0")->text().isEmpty());
}

TEST_F(MainWindowTest, SaveWithoutItemsKeepsTheEstimateOpen) {
    open();
    startSmithGarage();
    prompter.queueAnswer(Prompter::Answer::Yes);
    action("mnuClose")->trigger();
    EXPECT_EQ(prompter.lastText(), "There are no items listed for this estimate so it cannot be saved.");
    EXPECT_EQ(window->state().sOpenMode, "new");
    EXPECT_EQ(statusText(), "ID: 1 | SmithGarage | Status: Working");
    EXPECT_EQ(rows(mast(), "select estname from master"), QStringList({"SmithGarage"}));
}

TEST_F(MainWindowTest, F9OnTheOwnerTabCancelsOnlyBeforeStart) {
    open();
    action("mnuNew")->trigger();
    action("mnuClose")->trigger(); // before Start: the panel's Cancel, no question
    EXPECT_EQ(prompter.messageCount(), 0);
    EXPECT_TRUE(window->state().isIdle());
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList({"0"}));

    startSmithGarage();
    tabs()->setCurrentIndex(0);
    prompter.queueAnswer(Prompter::Answer::Cancel);
    action("mnuClose")->trigger(); // after Start: the save question
    EXPECT_EQ(prompter.messageCount(), 1);
    EXPECT_EQ(window->state().sOpenMode, "new");
}

TEST_F(MainWindowTest, QuittingAStartedEstimateRemovesItsRowAndFolderTogether) {
    open();
    startSmithGarage();
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList({"1"}));
    EXPECT_TRUE(QFileInfo(ctx->folder.estimateFolder("SmithGarage")).isDir());

    prompter.queueAnswer(Prompter::Answer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList({"0"}));
    // The owner's name, address and phones leave with the folder.
    EXPECT_FALSE(QFileInfo::exists(ctx->folder.estimateFolder("SmithGarage")));
}

TEST_F(MainWindowTest, EditsEnableSavingExceptWhileTheProgramFillsTheBoxesOrFiguresARoof) {
    open();
    startSmithGarage();
    EXPECT_FALSE(action("mnuSave")->isEnabled());
    child<QPlainTextEdit>("txtSumm")->setPlainText("Tear off two layers");
    EXPECT_TRUE(action("mnuSave")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("cmdSave")->isEnabled());

    prompter.queueAnswer(Prompter::Answer::No);
    action("mnuClose")->trigger();
    EXPECT_FALSE(action("mnuSave")->isEnabled());
    EXPECT_TRUE(child<QPlainTextEdit>("txtSumm")->toPlainText().isEmpty());

    action("mnuFigure")->trigger();
    window->markChanged(); // what every roof edit does
    EXPECT_FALSE(action("mnuSave")->isEnabled());
    EXPECT_TRUE(window->state().bChanged);
}

TEST_F(MainWindowTest, TheImportCommandFollowsTheContactProgramsSetting) {
    open();
    action("mnuNew")->trigger();
    EXPECT_FALSE(child<QPushButton>("cmdImport")->isEnabled());
    child<QPushButton>("cmdCancel")->click();
    ctx->settings.write(kKontaviApp, "Common", "Path", "/opt/kontavi");
    action("mnuNew")->trigger();
    EXPECT_TRUE(child<QPushButton>("cmdImport")->isEnabled());
}

TEST_F(MainWindowTest, ANewEstimateThatCannotReserveItsRowReturnsToIdle) {
    ctx->pool.closeAll();
    ASSERT_TRUE(QFile::remove(ctx->folder.mastFile()));
    open();
    action("mnuNew")->trigger();
    EXPECT_TRUE(prompter.lastText().endsWith(") in procedure CreateEstID of Form frmQuovi"));
    EXPECT_TRUE(window->state().isIdle());
    EXPECT_FALSE(tabs()->isVisible());
    EXPECT_TRUE(action("mnuNew")->isEnabled());
}

TEST_F(MainWindowTest, ReportModeDisablesCreatingAndCloseRestoresTheOutputTab) {
    open();
    action("mnuReportManage")->trigger();
    auto* docs = child<QTabWidget>("SSTab2");
    EXPECT_EQ(docs->tabText(0), "");
    EXPECT_FALSE(child<QPushButton>("cmdPrint_1")->isEnabled());
    EXPECT_FALSE(action("mnuReportManage")->isEnabled());
    action("mnuClose")->trigger();
    EXPECT_EQ(docs->tabText(0), "Detail");
    EXPECT_TRUE(docs->isTabEnabled(2));
    EXPECT_TRUE(child<QPushButton>("cmdPrint_1")->isEnabled());
    EXPECT_TRUE(action("mnuReportManage")->isEnabled());
}

} // namespace
