#pragma once

#include "data/AppContext.h"
#include "data/ProgramLock.h"

#include <QPointer>
#include <memory>

namespace qx {

class frmQuovi;

// One run of the program (module modMain): the shared context, the start-up steps and the main window.
// The real program and the automation driver both start through here, so they run the same code.
class UiProgram {
public:
    // configRoot empty: the user's configuration folder.
    UiProgram(const QString& programFolder, Prompter& prompter, const QString& configRoot = {});
    ~UiProgram();

    // Start-up: the program folder's lock, settings on the first start, stale register reservations
    // removed, the greeting box (modal) while Op/Greet is 1, then the main window, shown. False when
    // another copy runs on this program folder: "Quorvex is already running." has been shown, nothing
    // was read or written, and the program ends.
    bool start();

    AppContext& context() { return m_context; }
    frmQuovi* mainWindow() const { return m_window.data(); }

private:
    ProgramLock m_lock;
    AppContext m_context;
    QPointer<frmQuovi> m_window;
};

} // namespace qx
