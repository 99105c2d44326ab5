#include "app/UiProgram.h"

#include "app/StartUp.h"
#include "app/frmQuovi.h"
#include "data/Catalogue.h"
#include "estimate/NewEstimate.h"
#include "estimate/RegisterTotals.h"
#include "office/OfficeStorage.h"
#include "setup/frmGreeting.h"

namespace qx {

UiProgram::UiProgram(const QString& programFolder, Prompter& prompter, const QString& configRoot)
    : m_lock(ProgramFolder(programFolder))
    , m_context(programFolder, prompter, configRoot) {}

UiProgram::~UiProgram() {
    delete m_window.data();
}

bool UiProgram::start() {
    if (m_lock.take() == ProgramLock::Outcome::HeldElsewhere) {
        m_context.prompter.inform(kAppTitle, ProgramLock::kAlreadyRunning, Prompter::Icon::Information);
        return false;
    }
    StartUp::ensureSettings(m_context.settings, m_context.folder.root());
    // A register or cost database written by an earlier build (the one found at start, or one a
    // restore brought back) gains this build's columns whenever it is opened, keeping every row.
    m_context.pool.whenOpened(m_context.folder.mastFile(),
                              [this](SqlFile& register_) { RegisterTotals(m_context).upgrade(register_); });
    // A New, a Start or the discarding of a new estimate cut short (a crash, a power loss) leaves a
    // register row without a path, and maybe files of it. They go when the register is first opened, so
    // the window does not wait for the keyed open.
    m_context.pool.whenFirstWritable(m_context.folder.mastFile(),
                                     [this](SqlFile&) { removeUnfinishedStarts(m_context); });
    m_context.pool.whenOpened(m_context.folder.costFile(), [](SqlFile& cost) {
        addMissingColumns(cost, DatabaseKind::Cost);
        refreshUnitQry(cost);
    });
    // A PC set to work on the office server starts on it; the server is first asked by the first
    // command that needs it, so a server out of reach keeps nothing else from working.
    if (const auto server = storedOfficeServer(m_context.settings, m_context.settings.configRoot()))
        useOfficeStorage(m_context, server);
    if (StartUp::GreetingPredicate(m_context.settings)) {
        frmGreeting greeting(m_context.settings);
        greeting.exec();
    }
    m_window = new frmQuovi(m_context);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    return true;
}

} // namespace qx
