// Start-up: the program, started as a process, until it reports its idle main window (lock taken,
// settings read, greeting off, the main window built and shown: "--quit-when-idle" writes "idle" then),
// against a bare Qt main window started and reporting the same way. Both run offscreen from the same
// harness; the end of each process after its report is not measured. The program runs from a laid-out
// program folder of its own whose settings are written beforehand, as on any start after the first.
#include "Contest.h"
#include "data/AppContext.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "data/SettingsStore.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class StartupSides : public qxbench::Sides {
public:
    StartupSides() {
        qx::layOutProgramFolder(qx::ProgramFolder(m_dir.path()));
        m_program = m_dir.path() + "/quorvex";
        QFile::copy(QStringLiteral(QX_QUORVEX), m_program);
        const QString config = m_dir.path() + "/config";
        qx::ScriptedPrompter prompter;
        qx::AppContext ctx(m_dir.path(), prompter, config);
        qx::writeDefaultSettings(ctx.settings);
        ctx.settings.write(qx::kAppName, QStringLiteral("Op"), QStringLiteral("Greet"), QStringLiteral("0"));
        ctx.settings.write(qx::kAppName, QStringLiteral("Common"), QStringLiteral("Path"), m_dir.path());
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }

    bool program(qxbench::Stopwatch& watch) override {
        return runUntilIdle(m_program, {QStringLiteral("--quit-when-idle")}, watch);
    }
    bool baseline(qxbench::Stopwatch& watch) override {
        return runUntilIdle(QStringLiteral(QX_BARE_WINDOW), {}, watch);
    }

private:
    // Starts `executable`, stops the watch when it reports "idle", then waits for it to end; false
    // when it did not report or did not end well.
    bool runUntilIdle(const QString& executable, const QStringList& arguments, qxbench::Stopwatch& watch) {
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.start(executable, arguments);
        bool idle = false;
        while (!idle && process.waitForReadyRead(30000)) {
            m_output += process.readAllStandardOutput();
            idle = m_output.contains("idle\n");
        }
        watch.stop();
        m_output.clear();
        if (!idle || !process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            return false;
        }
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QTemporaryDir m_dir;
    QString m_program;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QByteArray m_output;
};

const bool kStartupContest = qxbench::contest("BM_ProgramStartup", "BM_BareWindowStartup", {}, 51,
                                              [](int) { return std::make_unique<StartupSides>(); });

} // namespace
