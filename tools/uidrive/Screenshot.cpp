#include "Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace qx::uidrive::Screenshot {

namespace {

// How many windows lie below `window`: a dialog opened from a dialog is painted over it, popups last.
int stackLevel(const QWidget* window) {
    if (window->windowType() == Qt::Popup)
        return 1000;
    int level = 0;
    for (const QWidget* parent = window->parentWidget(); parent; parent = parent->parentWidget())
        if (parent->isWindow())
            ++level;
    return level;
}

QList<QWidget*> shownWindows() {
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && !widget->geometry().isEmpty())
            windows << widget;
    std::stable_sort(windows.begin(), windows.end(),
                     [](const QWidget* a, const QWidget* b) { return stackLevel(a) < stackLevel(b); });
    return windows;
}

} // namespace

QImage compose() {
    const QList<QWidget*> windows = shownWindows();
    QRect area;
    for (const QWidget* window : windows)
        area |= window->geometry();
    if (area.isEmpty())
        return {};
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (QWidget* window : windows)
        painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    painter.end();
    return image;
}

QString save(const QString& name) {
    const QString folder = qEnvironmentVariable(kFolderVariable);
    if (folder.isEmpty())
        return {};
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder %1").arg(folder);
    const QImage image = compose();
    if (image.isNull())
        return QStringLiteral("no window is shown");
    const QString path = QDir(folder).filePath(name);
    if (!image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither).save(path, "PNG", 0))
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace qx::uidrive::Screenshot
