// Start-up: the program, started as a process, reaching its idle main window (lock taken, settings
// read, greeting off, the main window built and shown) and ending there ("--quit-when-idle"), against
// a bare Qt main window started and ended the same way. Both run offscreen from the same harness.
// The program runs from a laid-out program folder of its own whose settings are written beforehand,
// as on any start after the first.
#include "data/AppContext.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "data/SettingsStore.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Starter {
    QTemporaryDir dir;
    QString program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    Starter() {
        qx::layOutProgramFolder(qx::ProgramFolder(dir.path()));
        program = dir.path() + "/quorvex";
        QFile::copy(QStringLiteral(QX_QUORVEX), program);
        const QString config = dir.path() + "/config";
        qx::ScriptedPrompter prompter;
        qx::AppContext ctx(dir.path(), prompter, config);
        qx::writeDefaultSettings(ctx.settings);
        ctx.settings.write(qx::kAppName, QStringLiteral("Op"), QStringLiteral("Greet"), QStringLiteral("0"));
        ctx.settings.write(qx::kAppName, QStringLiteral("Common"), QStringLiteral("Path"), dir.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }

    // Starts `executable` and waits for it to end; false when it failed or did not end.
    bool run(const QString& executable, const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(executable, arguments);
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            return false;
        }
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
};

void startRepeatedly(benchmark::State& state, const QString& executable, const QStringList& arguments) {
    const Starter starter;
    for (auto _ : state) {
        if (!starter.run(executable.isEmpty() ? starter.program : executable, arguments)) {
            state.SkipWithError("the program did not start and end by itself");
            break;
        }
    }
}

void BM_ProgramStartup(benchmark::State& state) {
    startRepeatedly(state, {}, {QStringLiteral("--quit-when-idle")});
}

void BM_BareWindowStartup(benchmark::State& state) {
    startRepeatedly(state, QStringLiteral(QX_BARE_WINDOW), {});
}

BENCHMARK(BM_ProgramStartup)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(3);
BENCHMARK(BM_BareWindowStartup)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(3);

} // namespace
