#include "app/AppIdentity.h"
#include "app/FontWarmUp.h"
#include "app/UiDeferredIconStyle.h"
#include "app/UiProgram.h"
#include "app/frmQuovi.h"
#include "data/ProgramFolder.h"
#include "widgets/UiPrompter.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    qx::FontWarmUp fonts;
    QApplication app(argc, argv);
    qx::setApplicationIdentity();
    qx::useDeferredIconStyle();

    qx::UiPrompter prompter;
    qx::UiProgram program(qx::ProgramFolder::ofExecutable(), prompter);
    fonts.wait();
    if (!program.start())
        return 1;
    prompter.setParentWindow(program.mainWindow());
    // "--quit-when-idle" writes "idle" as soon as the main window is up and idle and ends the program
    // there, without the work of a close (no question, no backup): how long the program takes to start
    // is measured with it.
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-idle")))
        QTimer::singleShot(0, &app, [] {
            std::fputs("idle\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    return app.exec();
}
