// The start-up baseline: a bare Qt main window that shows text as the program's does (a menu bar of two
// menus, a status-bar message and a label), shown, reporting "idle" and ended as soon as it is idle,
// exactly as "quorvex --quit-when-idle" does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open..."));
    file->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.setCentralWidget(new QLabel(QStringLiteral("Quorvex")));
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &app, [] {
        std::fputs("idle\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
