#include "app/UiProgram.h"
#include "widgets/UiPrompter.h"
#include "app/frmQuovi.h"
#include "data/ProgramFolder.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(qx::kAppTitle);
    QApplication::setApplicationVersion(QStringLiteral(QUORVEX_VERSION));

    qx::UiPrompter prompter;
    qx::UiProgram program(qx::ProgramFolder::ofExecutable(), prompter);
    program.start();
    prompter.setParentWindow(program.mainWindow());
    return app.exec();
}
