// uidrive: runs the real main window offscreen and carries out a script of user actions on it.
//
//   uidrive --program-folder DIR SCRIPT
//
// DIR is laid out as a fresh install when it is empty. Relative paths in the script (file, printto)
// are relative to DIR; a file step may name its file by a pattern ("backups/Quorvex-backup-*.zip"), which
// must match exactly one file. Exit code 0 when every step was done, 1 when a step could not be done.
// "shot FILE" saves a picture of the program's windows as FILE (PNG) in the folder named by
// $UIDRIVE_SHOTS, and does nothing without it (scripts/screenshots.sh takes the manual's pictures so).

#include "Driver.h"
#include "Output.h"
#include "Script.h"
#include "ScriptLists.h"
#include "app/AppIdentity.h"
#include "app/UiDeferredIconStyle.h"
#include "app/UiProgram.h"
#include "app/frmQuovi.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

struct Arguments {
    QString folder;
    QString script;
};

std::optional<Arguments> readArguments(const QStringList& args) {
    if (args.size() != 4 || args[1] != QLatin1String("--program-folder"))
        return std::nullopt;
    return Arguments{QDir(args[2]).absolutePath(), QFileInfo(args[3]).absoluteFilePath()};
}

// An empty (or missing) program folder becomes a fresh install; a folder with content is used as it is.
QString prepareFolder(const QString& folder) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return QStringLiteral("cannot make the program folder %1").arg(folder);
    if (!dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        return {};
    try {
        qx::layOutProgramFolder(qx::ProgramFolder(folder));
    } catch (const qx::Failure& failure) {
        return QStringLiteral("cannot lay out the program folder: Error %1 (%2)")
            .arg(failure.number())
            .arg(failure.description());
    }
    return {};
}

int fail(const QString& message) {
    qx::uidrive::printLine(QStringLiteral("error: %1").arg(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qx::setApplicationIdentity();
    qx::useDeferredIconStyle();
    // Closing the main window is a step like any other; the steps after it still run.
    QApplication::setQuitOnLastWindowClosed(false);

    const std::optional<Arguments> args = readArguments(QApplication::arguments());
    if (!args) {
        std::fputs("usage: uidrive --program-folder DIR SCRIPT\n", stderr);
        return 2;
    }
    QFile file(args->script);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read the script %1").arg(args->script));
    const qx::uidrive::ExpandedScript expanded = qx::uidrive::expandEachBlocks(
        QString::fromUtf8(file.readAll()), QFileInfo(args->script).absolutePath());
    if (!expanded.error.isEmpty())
        return fail(expanded.error);
    const qx::uidrive::Script script = qx::uidrive::parseScript(expanded.content);
    if (!script.error.isEmpty())
        return fail(script.error);
    if (const QString error = prepareFolder(args->folder); !error.isEmpty())
        return fail(error);
    QDir::setCurrent(args->folder);

    qx::ScriptedPrompter prompter;
    qx::UiProgram program(args->folder, prompter);
    qx::uidrive::Driver driver(program, prompter, script.steps);
    driver.begin();
    // The program may end the event loop itself (its Exit command); the remaining steps go on.
    while (!driver.finished())
        QApplication::exec();
    return driver.exitCode();
}
