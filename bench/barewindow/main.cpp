// The start-up baseline: a bare Qt main window, shown and ended as soon as it is idle, exactly as
// "quorvex --quit-when-idle" ends.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
