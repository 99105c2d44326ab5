// The start-up baseline: a bare Qt main window, shown, reporting "idle" and ended as soon as it is idle,
// exactly as "quorvex --quit-when-idle" does.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &app, [] {
        std::fputs("idle\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
