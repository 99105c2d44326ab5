#include "backup/UiBackupCommands.h"

#include "backup/BackupArchive.h"
#include "backup/BackupPruning.h"
#include "backup/BackupSettings.h"
#include "backup/BackupTexts.h"
#include "backup/ProgramRestore.h"
#include "backup/UiProgress.h"
#include "backup/frmRestore.h"

#include <QWidget>

namespace qx {

namespace {

TrapSite windowSite(const QString& procedure) {
    return {procedure, TrapSite::Form, QStringLiteral("frmQuovi")};
}

} // namespace

UiBackupCommands::UiBackupCommands(AppContext& ctx, QWidget* window)
    : QObject(window)
    , m_ctx(ctx)
    , m_window(window) {}

QString UiBackupCommands::writeBackup(const QString& procedure, Writer writer) {
    const BackupSettings settings = BackupSettings::load(m_ctx.settings);
    QString archive;
    m_ctx.data.Trap(windowSite(procedure), [&] {
        UiProgress progress(m_window, BackupTexts::kBackingUp);
        archive = writer(m_ctx.folder, settings.folder, QDateTime::currentDateTime(), progress.step());
    });
    // Older backups go only once a good new one exists, and never one that a kept backup needs.
    if (!archive.isEmpty())
        pruneBackups(settings.folder, settings.keep);
    return archive;
}

void UiBackupCommands::backUpNow() {
    const QString archive = writeBackup(QStringLiteral("mnuBackup_Click"), &ProgramBackup::write);
    if (!archive.isEmpty())
        m_ctx.prompter.inform(kAppTitle, BackupTexts::backedUp(archive), Prompter::Icon::Information);
}

void UiBackupCommands::backUpOnClose() {
    if (BackupSettings::load(m_ctx.settings).onClose)
        writeBackup(QStringLiteral("Form_Unload"), &ProgramBackup::writeChanges);
}

void UiBackupCommands::restore() {
    const BackupSettings settings = BackupSettings::load(m_ctx.settings);
    FileDialogStart start;
    start.folder = settings.folder;
    const QString archive =
        m_ctx.prompter.chooseOpenFile(BackupTexts::kChooseTitle, BackupTexts::kFilter, start);
    if (archive.isEmpty())
        return;
    const TrapSite site = windowSite(QStringLiteral("mnuRestore_Click"));
    try {
        BackupPreview preview;
        {
            BackupArchive opened(archive);
            preview = opened.preview();
        }
        frmRestore dialog(archive, preview, m_window);
        if (dialog.exec() != QDialog::Accepted)
            return;
        UiProgress progress(m_window, BackupTexts::kRestoring);
        const QString safety = ProgramRestore::restore(m_ctx.folder, m_ctx.pool, archive, settings.folder,
                                                       QDateTime::currentDateTime(), progress.step());
        if (!safety.isEmpty())
            m_ctx.prompter.inform(kAppTitle, BackupTexts::restored(safety), Prompter::Icon::Information);
    } catch (const ArchiveRefused& refused) {
        m_ctx.prompter.inform(kAppTitle, refused.message(), Prompter::Icon::Critical);
    } catch (const Failure& failure) {
        m_ctx.data.ShowTrap(failure, site);
    }
}

} // namespace qx
