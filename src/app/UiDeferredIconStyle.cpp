#include "app/UiDeferredIconStyle.h"

#include "app/DeferredIconEngine.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace qx {

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    // An option lives only for this call, so an icon asked for with one is made at once.
    if (option)
        return QProxyStyle::standardIcon(which, option, widget);
    const QPointer<QStyle> base(baseStyle());
    const QPointer<QWidget> asker(const_cast<QWidget*>(widget));
    const bool withWidget = widget != nullptr;
    return QIcon(new DeferredIconEngine([base, asker, withWidget, which] {
        if (!base || (withWidget && !asker))
            return QIcon();
        return base->standardIcon(which, nullptr, asker.data());
    }));
}

void useDeferredIconStyle() {
    if (!qobject_cast<DeferredIconStyle*>(QApplication::style()))
        QApplication::setStyle(new DeferredIconStyle);
}

} // namespace qx
