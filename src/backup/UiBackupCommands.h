#pragma once

#include "backup/ProgramBackup.h"
#include "data/AppContext.h"

#include <QObject>

class QWidget;

namespace qx {

// The backup commands of the main window: "Back Up Now", "Restore..." and the backup made when the
// program closes. Each shows its progress with Cancel and reports a failure with the program's error
// message; the work itself is the backup model's.
class UiBackupCommands : public QObject {
    Q_OBJECT
public:
    UiBackupCommands(AppContext& ctx, QWidget* window);

    // Writes a whole backup into the backup folder (one file that restores alone), then keeps the last N.
    void backUpNow();
    // Chooses an archive, shows what it holds and, on "Restore", restores it. Only while idle.
    void restore();
    // The backup of "Back up when the program closes", when it is chosen: only what changed since the
    // last backup, nothing when nothing did.
    void backUpOnClose();

private:
    using Writer = QString (*)(const ProgramFolder&, const QString&, const QDateTime&, const ProgressStep&);
    // A new archive, or empty when there was nothing to write, or it was cancelled or failed (reported
    // as `procedure`).
    QString writeBackup(const QString& procedure, Writer writer);

    AppContext& m_ctx;
    QWidget* m_window;
};

} // namespace qx
