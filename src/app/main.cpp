#include "app/AppIdentity.h"
#include "app/UiProgram.h"
#include "app/frmQuovi.h"
#include "data/ProgramFolder.h"
#include "widgets/UiPrompter.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qx::setApplicationIdentity();

    qx::UiPrompter prompter;
    qx::UiProgram program(qx::ProgramFolder::ofExecutable(), prompter);
    if (!program.start())
        return 1;
    prompter.setParentWindow(program.mainWindow());
    // "--quit-when-idle" ends the program as soon as its main window is up and idle: how long the
    // program takes to start is measured with it.
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-idle")))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
