#include "app/AppIdentity.h"
#include "app/UiProgram.h"
#include "app/frmQuovi.h"
#include "data/ProgramFolder.h"
#include "widgets/UiPrompter.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qx::setApplicationIdentity();

    qx::UiPrompter prompter;
    qx::UiProgram program(qx::ProgramFolder::ofExecutable(), prompter);
    if (!program.start())
        return 1;
    prompter.setParentWindow(program.mainWindow());
    return app.exec();
}
