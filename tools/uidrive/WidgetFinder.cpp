#include "WidgetFinder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>

namespace qx::uidrive {

namespace {

bool isControl(const QObject* object) {
    return qobject_cast<const QWidget*>(object) || qobject_cast<const QAction*>(object);
}

QList<QObject*> namedIn(QWidget* root, const QString& name) {
    QList<QObject*> found;
    if (root->objectName() == name)
        found << root;
    for (QObject* object : root->findChildren<QObject*>(name)) {
        if (isControl(object))
            found << object;
    }
    return found;
}

// Widgets whose caption can stand for their name: buttons (not the tool buttons a tool bar makes for
// its actions), frames, and tabs. Only windows on screen count.
void addCaptionedWidgets(QWidget* root, const QString& name, QList<Target>& found) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!widget->window()->isVisible())
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            auto* tool = qobject_cast<QToolButton*>(button);
            if (!(tool && tool->defaultAction()) && plainCaption(button->text()) == name)
                found << Target{button};
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            if (plainCaption(frame->title()) == name)
                found << Target{frame};
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (plainCaption(tabs->tabText(i)) == name)
                    found << Target{tabs, i};
            }
        } else if (auto* bar = qobject_cast<QTabBar*>(widget);
                   bar && !qobject_cast<QTabWidget*>(bar->parent())) {
            for (int i = 0; i < bar->count(); ++i) {
                if (plainCaption(bar->tabText(i)) == name)
                    found << Target{bar, i};
            }
        }
    }
}

// Menu commands by caption; a menu's own entry stands for the menu.
void addCaptionedActions(QWidget* root, const QString& name, QList<Target>& found) {
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->isSeparator() || plainCaption(action->text()) != name)
            continue;
        QObject* object = action->menu() ? static_cast<QObject*>(action->menu()) : action;
        const bool known = std::any_of(found.begin(), found.end(),
                                       [&](const Target& t) { return t.object == object && t.tab < 0; });
        if (!known)
            found << Target{object};
    }
}

// One match is the control meant; of several, the only one on view is (the others sit on hidden
// tab pages or panels, out of the user's sight). Anything else is ambiguous.
WidgetFinder::Result pickOne(const QList<Target>& found, const QString& ambiguity) {
    if (found.size() == 1)
        return {found.first(), {}};
    QList<Target> shown;
    for (const Target& target : found) {
        if (isOnView(target))
            shown << target;
    }
    if (shown.size() == 1)
        return {shown.first(), {}};
    return {{}, ambiguity};
}

} // namespace

QList<QWidget*> WidgetFinder::roots(Purpose purpose) const {
    QList<QWidget*> list;
    QWidget* waiting = waitingWindow();
    if (waiting)
        list << waiting;
    if (waiting && purpose == Purpose::Act)
        return list;
    if (m_mainWindow && !list.contains(m_mainWindow.data()))
        list << m_mainWindow.data();
    // Other windows on screen that are not part of the main window (a parentless dialog).
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !list.contains(window) &&
            !(m_mainWindow && m_mainWindow->isAncestorOf(window)) && !window->inherits("QMenu"))
            list << window;
    }
    return list;
}

WidgetFinder::Result WidgetFinder::byObjectName(const QString& name, const QList<QWidget*>& roots) const {
    for (QWidget* root : roots) {
        QList<Target> found;
        for (QObject* object : namedIn(root, name))
            found << Target{object};
        if (!found.isEmpty())
            return pickOne(found, QStringLiteral("%1 names %2 controls").arg(name).arg(found.size()));
    }
    return {};
}

WidgetFinder::Result WidgetFinder::byTabIndex(const QString& name, const QList<QWidget*>& roots) const {
    static const QRegularExpression tabName(QStringLiteral("^(.+):(\\d+)$"));
    const QRegularExpressionMatch match = tabName.match(name);
    if (!match.hasMatch())
        return {};
    const Result control = byObjectName(match.captured(1), roots);
    if (!control.error.isEmpty() || !control.target.object)
        return control;
    Target target = control.target;
    target.tab = match.captured(2).toInt();
    if (!target.tabBar())
        return {{}, QStringLiteral("%1 is not a tab control").arg(match.captured(1))};
    if (target.tab >= target.tabBar()->count())
        return {{}, QStringLiteral("%1 has no tab %2").arg(match.captured(1)).arg(target.tab)};
    return {target, {}};
}

WidgetFinder::Result WidgetFinder::byCaption(const QString& name, const QList<QWidget*>& roots) const {
    for (QWidget* root : roots) {
        QList<Target> found;
        addCaptionedWidgets(root, name, found);
        addCaptionedActions(root, name, found);
        if (!found.isEmpty())
            return pickOne(
                found, QStringLiteral("the caption \"%1\" is on %2 controls").arg(name).arg(found.size()));
    }
    return {};
}

QString WidgetFinder::notFound(const QString& name, Purpose purpose) const {
    QWidget* waiting = waitingWindow();
    if (purpose == Purpose::Act && waiting) {
        const Result elsewhere = find(name, Purpose::Read);
        if (elsewhere.target.object)
            return QStringLiteral("%1 cannot be reached while the dialog \"%2\" (%3) is open")
                .arg(name, waiting->windowTitle(), waiting->objectName());
    }
    return QStringLiteral("no control is named \"%1\"").arg(name);
}

WidgetFinder::Result WidgetFinder::find(const QString& name, Purpose purpose) const {
    const QList<QWidget*> searched = roots(purpose);
    for (auto way : {&WidgetFinder::byObjectName, &WidgetFinder::byTabIndex, &WidgetFinder::byCaption}) {
        Result result = (this->*way)(name, searched);
        if (result.target.object || !result.error.isEmpty())
            return result;
    }
    return {{}, notFound(name, purpose)};
}

} // namespace qx::uidrive
