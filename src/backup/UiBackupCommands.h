#pragma once

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

    // Writes a backup into the backup folder, then keeps the last N.
    void backUpNow();
    // Chooses an archive, shows what it holds and, on "Restore", restores it. Only while idle.
    void restore();
    // The backup of "Back up when the program closes", when it is chosen.
    void backUpOnClose();

private:
    // A new archive, or empty when cancelled or failed (reported as `procedure`).
    QString writeBackup(const QString& procedure);

    AppContext& m_ctx;
    QWidget* m_window;
};

} // namespace qx
