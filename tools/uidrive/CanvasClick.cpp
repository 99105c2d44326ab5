#include "CanvasClick.h"

#include "UserInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace qx::uidrive {

QString clickAt(const Target& target, const QString& name, QPointF image) {
    if (const QString why = whyNotActionable(target, name); !why.isEmpty())
        return why;
    QWidget* canvas = target.widget();
    if (!canvas)
        return QStringLiteral("%1 is no canvas").arg(name);
    QPointF screen;
    if (!QMetaObject::invokeMethod(canvas, "screenFromImage", Q_RETURN_ARG(QPointF, screen),
                                   Q_ARG(QPointF, image)))
        return QStringLiteral("%1 is no canvas").arg(name);
    if (!QRectF(canvas->rect()).contains(screen))
        return QStringLiteral("the point %1 %2 is not on view in %3").arg(image.x()).arg(image.y()).arg(name);
    UserInput::activate(canvas->window());
    // The press and release land on the very point, fractions of a pixel included, as a pointer on a
    // high-resolution screen delivers them.
    QPointer<QWidget> guard(canvas);
    const QPointF global = canvas->mapToGlobal(screen);
    QMouseEvent press(QEvent::MouseButtonPress, screen, canvas->window()->mapFromGlobal(global), global,
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &press);
    if (guard) {
        QMouseEvent release(QEvent::MouseButtonRelease, screen, canvas->window()->mapFromGlobal(global),
                            global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &release);
    }
    UserInput::settle();
    return {};
}

} // namespace qx::uidrive
