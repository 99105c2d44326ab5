// qxplanfixture PATH: draws the plan of a 40 by 30 foot hip roof at 10 pixels to the foot as a PNG
// picture, for the end-to-end scripts of the roof plan window. The eaves run from (100, 100) to
// (500, 400); the ridge from (250, 250) to (350, 250); the hips join them at 45 degrees.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv) {
    // Drawing text needs a platform, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: qxplanfixture PATH\n", stderr);
        return 2;
    }
    QImage plan(600, 500, QImage::Format_RGB32);
    plan.fill(Qt::white);
    QPainter painter(&plan);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(100, 100, 400, 300);
    painter.drawLine(250, 250, 350, 250);
    for (const QPoint eave : {QPoint(100, 100), QPoint(100, 400)})
        painter.drawLine(eave, QPoint(250, 250));
    for (const QPoint eave : {QPoint(500, 100), QPoint(500, 400)})
        painter.drawLine(eave, QPoint(350, 250));
    painter.drawText(QRect(100, 410, 400, 30), Qt::AlignCenter, QStringLiteral("40'-0\""));
    painter.end();
    return plan.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
