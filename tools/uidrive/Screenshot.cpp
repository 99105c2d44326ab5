#include "Screenshot.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QWidget>

namespace qx::uidrive::Screenshot {

namespace {

constexpr int kTitleHeight = 26;

QWidget* pictured() {
    if (QWidget* dialog = QApplication::activeModalWidget())
        return dialog;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowType() != Qt::Popup)
            return widget;
    return nullptr;
}

} // namespace

QImage picture() {
    QWidget* window = pictured();
    if (!window)
        return {};
    const QPixmap inside = window->grab();
    QImage image(inside.width(), inside.height() + kTitleHeight, QImage::Format_RGB32);
    image.fill(QColor(0x40, 0x40, 0x40));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    QFont font = window->font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(10, 0, image.width() - 20, kTitleHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     window->windowTitle());
    painter.drawPixmap(0, kTitleHeight, inside);
    painter.end();
    return image;
}

QString save(const QString& name) {
    const QString folder = qEnvironmentVariable(kFolderVariable);
    if (folder.isEmpty())
        return {};
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder %1").arg(folder);
    const QImage image = picture();
    if (image.isNull())
        return QStringLiteral("no window is shown");
    const QString path = QDir(folder).filePath(name);
    if (!image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither).save(path, "PNG", 0))
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace qx::uidrive::Screenshot
