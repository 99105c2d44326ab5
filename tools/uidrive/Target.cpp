#include "Target.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace qx::uidrive {

QWidget* Target::widget() const {
    return qobject_cast<QWidget*>(object.data());
}
QAction* Target::action() const {
    return qobject_cast<QAction*>(object.data());
}
QMenu* Target::menu() const {
    return qobject_cast<QMenu*>(object.data());
}

QTabBar* Target::tabBar() const {
    if (auto* tabs = qobject_cast<QTabWidget*>(object.data()))
        return tabs->tabBar();
    return qobject_cast<QTabBar*>(object.data());
}

Target tabOfPage(const Target& target) {
    QWidget* page = target.isTab() ? nullptr : target.widget();
    QWidget* stack = page ? page->parentWidget() : nullptr;
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (!tabs || tabs->indexOf(page) < 0)
        return target;
    return Target{tabs, tabs->indexOf(page)};
}

QWidget* waitingWindow() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

bool isOnView(const QWidget* widget) {
    if (!widget || !widget->isVisible())
        return false;
    const QWidget* window = widget->window();
    if (widget == window)
        return true;
    // A widget not laid out yet may have no size; its position still tells whether it was moved away.
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size().expandedTo(QSize(1, 1)));
    return area.intersects(window->rect());
}

namespace {

// Where a menu command is shown: a menu (itself shown through the entry that opens it), a menu bar,
// a tool bar or a window. A command shown nowhere is only triggered by its shortcut, which the
// program keeps in step with the command's own state. `usable` asks for enabled places too.
bool isShownSomewhere(const QAction* action, bool usable) {
    const QList<QObject*> places = action->associatedObjects();
    if (places.isEmpty())
        return true;
    for (QObject* place : places) {
        if (auto* menu = qobject_cast<QMenu*>(place)) {
            const QAction* opener = menu->menuAction();
            if (opener->isVisible() && (!usable || (menu->isEnabled() && opener->isEnabled())) &&
                isShownSomewhere(opener, usable))
                return true;
        } else if (auto* widget = qobject_cast<QWidget*>(place)) {
            if (isOnView(widget) && (!usable || widget->isEnabled()))
                return true;
        }
    }
    return false;
}

const QAction* actionOf(const Target& target) {
    if (const QMenu* menu = target.menu())
        return menu->menuAction();
    return target.action();
}

} // namespace

bool isOnView(const Target& target) {
    if (const QAction* action = actionOf(target))
        return action->isVisible() && isShownSomewhere(action, false);
    if (target.isTab())
        return isOnView(target.widget()) && target.tabBar()->isTabVisible(target.tab);
    return isOnView(target.widget());
}

bool isEnabled(const Target& target) {
    if (const QMenu* menu = target.menu())
        return menu->isEnabled() && menu->menuAction()->isEnabled();
    if (const QAction* action = target.action())
        return action->isEnabled();
    if (target.isTab())
        return target.widget()->isEnabled() && target.tabBar()->isTabEnabled(target.tab);
    return target.widget() && target.widget()->isEnabled();
}

QString whyNotActionable(const Target& target, const QString& name) {
    if (!target.object)
        return QStringLiteral("%1 no longer exists").arg(name);
    if (!isOnView(target))
        return QStringLiteral("%1 is hidden").arg(name);
    if (!isEnabled(target))
        return QStringLiteral("%1 is disabled").arg(name);
    if (const QAction* action = actionOf(target); action && !isShownSomewhere(action, true))
        return QStringLiteral("%1 is in a menu that is disabled or hidden").arg(name);
    return {};
}

QString plainCaption(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('\t'))
            break;
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

} // namespace qx::uidrive
