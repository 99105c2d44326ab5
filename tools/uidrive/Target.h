#pragma once

#include <QPointer>
#include <QString>

class QAction;
class QMenu;
class QTabBar;
class QWidget;

namespace qx::uidrive {

// What a script NAME stands for: a widget, a menu action, a menu, or one tab of a tab control.
struct Target {
    QPointer<QObject> object;
    int tab = -1; // >= 0: the tab at this index of the QTabWidget or QTabBar in `object`

    QWidget* widget() const;
    QAction* action() const;
    QMenu* menu() const;
    QTabBar* tabBar() const; // the bar of a tab target
    bool isTab() const { return tab >= 0; }
};

// The tab of a QTabWidget whose page the target is; any other target as it is.
Target tabOfPage(const Target& target);

// The window a user is being asked to deal with first: an open popup or the top modal dialog.
QWidget* waitingWindow();

// A widget is on view when it is visible and not moved out of its window's area (the program hides
// some controls by moving them off the window).
bool isOnView(const QWidget* widget);
bool isOnView(const Target& target);
bool isEnabled(const Target& target);
// Why a user could not act on the target now (hidden, disabled, in a disabled menu); "" when they can.
QString whyNotActionable(const Target& target, const QString& name);

// A caption as it reads on screen: single '&' mnemonics dropped, "&&" read as "&", a menu
// command's shortcut text after a tab left out.
QString plainCaption(const QString& caption);

} // namespace qx::uidrive
