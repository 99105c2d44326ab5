// Lays out a complete program folder (used by the build): folders, templates, help pages and the
// shipped databases, each only when missing.
#include "data/Failure.h"
#include "data/ProgramLayout.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qxlayout PROGRAM_FOLDER\n");
        return 2;
    }
    try {
        qx::layOutProgramFolder(qx::ProgramFolder(QString::fromLocal8Bit(argv[1])));
    } catch (const qx::Failure& failure) {
        std::fprintf(stderr, "qxlayout: %s\n", qPrintable(failure.description()));
        return 1;
    }
    return 0;
}
