#include "BackupFixture.h"
#include "FormDriver.h"

#include "app/frmQuovi.h"
#include "backup/BackupPruning.h"
#include "backup/BackupSettings.h"
#include "backup/BackupTexts.h"
#include "backup/ProgramRestore.h"
#include "estimate/OpenEstimate.h"
#include "setup/frmSetup.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

using namespace qx;

namespace qxtest {

namespace {

class BackupFormsTest : public BackupTest {
protected:
    void SetUp() override {
        BackupTest::SetUp();
        settings = BackupSettings{backupDir.path(), true, 10};
        settings.save(ctx->settings);
    }
    void openWindow() {
        window = std::make_unique<frmQuovi>(*ctx);
        window->show();
    }
    void trigger(const char* action) { get<QAction>(window.get(), action)->trigger(); }
    QStringList backups() { return backupsIn(backupDir.path()); }

    BackupSettings settings;
    std::unique_ptr<frmQuovi> window;
};

TEST_F(BackupFormsTest, BackUpNowWritesAnArchiveThatRestoresIntoAnEmptyProgramFolder) {
    saveEstimate("Smith", "Garage", {1250, 990});
    saveEstimate("Jones", "Tear Off", {4599});
    saveEstimate("Brown", "Reroof", {100, 200, 300});
    openWindow();
    trigger("mnuBackup");
    ASSERT_EQ(backups().size(), 1);
    const QString archive = backupDir.filePath(backups().first());
    EXPECT_EQ(prompter.log().last(),
              "message: Quorvex | " + BackupTexts::backedUp(archive).replace("\n", "\\n") + " -> ok");

    QTemporaryDir empty;
    QTemporaryDir safety;
    ConnectionPool pool;
    ASSERT_FALSE(ProgramRestore::restore(ProgramFolder(empty.path()), pool, archive, safety.path(),
                                         QDateTime::currentDateTime())
                     .isEmpty());
    // Every estimate of the restored register opens as the Open command opens it.
    ScriptedPrompter quiet;
    AppContext restored(empty.path(), quiet, configDir.path());
    const ResultSet reg =
        restored.data.Read(restored.conns.sMastConn, "select id,estname from master order by id");
    ASSERT_EQ(reg.size(), 3);
    for (const QVariantList& row : reg.rows) {
        SCOPED_TRACE(row.at(1).toString().toStdString());
        WorkState opened;
        OpenEstimate opening(restored, opened);
        ASSERT_TRUE(opening.prepare());
        ASSERT_TRUE(opening.OpenOwner(row.at(0).toInt()));
        EXPECT_TRUE(opening.OpenRoof());
        EXPECT_TRUE(opening.OpenLineItems());
        EXPECT_EQ(
            restored.data.ReadScalar(restored.conns.sTempConn, "select count(*) from tplineitems"),
            ctx->data.ReadScalar(ctx->folder.estimateConn(opened.estName + "\\" + opened.estName + ".mdb"),
                                 "select count(*) from lineitems"));
    }
    EXPECT_TRUE(quiet.log().isEmpty()) << quiet.log().join("\n").toStdString();
}

TEST_F(BackupFormsTest, ClosingTheProgramBacksUpAndKeepsTheLastN) {
    settings.keep = 2;
    settings.save(ctx->settings);
    for (const char* old : {"Quorvex-backup-2020-01-01-0900.zip", "Quorvex-backup-2020-01-02-0900.zip"})
        QFile(backupDir.filePath(old)).open(QIODevice::WriteOnly);
    openWindow();
    window->close();
    ASSERT_EQ(backups().size(), 2);
    EXPECT_EQ(backups().first(), "Quorvex-backup-2020-01-02-0900.zip");
    EXPECT_TRUE(prompter.log().isEmpty());

    // Nothing changed since: closing again writes nothing.
    const QStringList before = backups();
    openWindow();
    window->close();
    EXPECT_EQ(backups(), before);

    // Switched off, closing writes nothing.
    settings.onClose = false;
    settings.save(ctx->settings);
    openWindow();
    window->close();
    EXPECT_EQ(backups().size(), 2);
}

TEST_F(BackupFormsTest, AFailedBackupIsReportedAndLeavesNothing) {
    // The backup folder cannot be made: a file stands where it should be.
    QFile(backupDir.filePath("taken")).open(QIODevice::WriteOnly);
    settings.folder = backupDir.filePath("taken/backups");
    settings.save(ctx->settings);
    openWindow();
    trigger("mnuBackup");
    ASSERT_EQ(prompter.messageCount(), 1);
    EXPECT_TRUE(prompter.log().first().contains("in procedure mnuBackup_Click of Form frmQuovi"))
        << prompter.log().first().toStdString();
    EXPECT_EQ(QDir(backupDir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"taken"});
}

TEST_F(BackupFormsTest, RestorePreviewsTheArchiveAndRestoresOnlyOnRestore) {
    saveEstimate("Smith", "Garage", {1250});
    openWindow();
    trigger("mnuBackup");
    const QString archive = backupDir.filePath(backups().first());
    saveEstimate("Jones", "Tear Off", {4599});

    QStringList shown;
    for (bool confirm : {false, true}) {
        prompter.queueFile(archive);
        onDialog(
            [&](QDialog& dialog) {
                auto* list = get<QTreeWidget>(&dialog, "lstEstimates");
                shown << list->topLevelItem(0)->text(0) + " | " + list->topLevelItem(0)->text(1) + " | " +
                             list->topLevelItem(0)->text(3)
                      << get<QLabel>(&dialog, "lblCostItems")->text();
                press(&dialog, confirm ? "cmdRestore" : "cmdCancel");
            },
            [&] { trigger("mnuRestore"); });
        EXPECT_EQ(rows(mast(), "select estname from master order by estname"),
                  confirm ? QStringList{"SmithGarage"} : (QStringList{"JonesTearOff", "SmithGarage"}));
    }
    EXPECT_EQ(shown.size(), 4);
    EXPECT_EQ(shown.first(), "SmithGarage | Pending | " + QFileInfo(archive).fileName());
    EXPECT_TRUE(shown.at(1).startsWith("Cost items: "));
    EXPECT_EQ(backups().size(), 2);
    EXPECT_TRUE(prompter.log().last().contains("The backup was restored."));

    // A file that is not a backup is refused before anything is shown.
    prompter.queueFile(ctx->folder.costFile());
    trigger("mnuRestore");
    EXPECT_EQ(prompter.log().last(),
              "message: Quorvex | The file " + ctx->folder.costFile() + " is not a Quorvex backup. -> ok");
}

// What the setup screen's backup boxes take, and what "Save Changes" stores.
struct TypedBackup {
    const char* folder;
    const char* keep;
    const char* message; // nothing: saved
};

TEST_F(BackupFormsTest, TheSetupScreenChecksTheBackupBoxesThroughTheInputRules) {
    const QString longPath = "/" + QString(1000, QChar('a'));
    const std::vector<TypedBackup> cases{
        {"", "10", "This field may not be blank."},
        {"\u200b\u3000", "10", "This field may not be blank."},
        {"backups", "10", "Please enter the whole path of the backup folder."},
        {"/srv/backups", "0", "This field must be a whole number between 1 and 9999."},
        {"/srv/backups", "2.5", "This field must be a whole number between 1 and 9999."},
        {"/srv/backups", "-3", "This field must be a number between 0 and 2147483647."},
        {"/srv/backups", "12abc", "This field must be a number."},
        {"/srv/backups", "99999999999", "This field must be a number between 0 and 2147483647."},
        {"/srv/backups", "10000", "This field must be a whole number between 1 and 9999."},
        {"/srv/O'Neil's \"backups\"; drop table master;--", "3", nullptr},
    };
    for (const TypedBackup& typed : cases) {
        SCOPED_TRACE(typed.folder);
        const QString folder = QString::fromUtf8(typed.folder);
        const std::optional<BackupSettings::Refusal> refusal =
            BackupSettings::check({folder, false, typed.keep}, ctx->folder);
        EXPECT_EQ(refusal ? refusal->message : QString(), typed.message ? QString(typed.message) : QString());
    }
    EXPECT_EQ(BackupSettings::checkFolder(longPath, ctx->folder),
              "This field cannot be any longer than 1000 characters.");

    // Through the screen: a refused box keeps the screen open and stores nothing.
    frmSetup setup(ctx->settings, prompter, nullptr, ctx->folder);
    showActive(&setup);
    EXPECT_EQ(get<QLineEdit>(&setup, "txtBackupFolder")->text(), backupDir.path());
    get<QLineEdit>(&setup, "txtBackupKeep")->setText("0");
    press(&setup, "cmdSaveValues");
    EXPECT_TRUE(setup.isVisible());
    EXPECT_EQ(BackupSettings::load(ctx->settings), settings);
    get<QLineEdit>(&setup, "txtBackupFolder")->setText(ctx->folder.estimatesDir() + "/backups");
    get<QLineEdit>(&setup, "txtBackupKeep")->setText("4");
    press(&setup, "cmdSaveValues");
    EXPECT_TRUE(setup.isVisible());
    EXPECT_TRUE(prompter.log().last().contains("The backup folder cannot be inside "))
        << prompter.log().last().toStdString();
    get<QLineEdit>(&setup, "txtBackupFolder")->setText("  /srv/Quorvex backups  ");
    get<QLineEdit>(&setup, "txtBackupKeep")->setText("4");
    get<QCheckBox>(&setup, "chkBackupOnClose")->setChecked(false);
    press(&setup, "cmdSaveValues");
    EXPECT_FALSE(setup.isVisible());
    EXPECT_EQ(BackupSettings::load(ctx->settings), (BackupSettings{"/srv/Quorvex backups", false, 4}));
}

TEST_F(BackupFormsTest, SettingsNeverStoredOrUnreadableHaveTheirDefaults) {
    SettingsStore fresh(configDir.filePath("fresh"));
    const BackupSettings defaults = BackupSettings::load(fresh);
    EXPECT_EQ(defaults, (BackupSettings{configDir.filePath("Documents") + "/Quorvex backups", true, 10}));
    fresh.write(kAppName, "Backup", "Keep", "lots");
    fresh.write(kAppName, "Backup", "Folder", " ");
    EXPECT_EQ(BackupSettings::load(fresh), defaults);
}

} // namespace

} // namespace qxtest
