#pragma once

#include "Target.h"

#include <QKeySequence>

namespace qx::uidrive {

// What a user does with the mouse and keyboard: pressing buttons and menu commands, typing into
// boxes, pressing keys. Each returns why it could not be done, or "" when it was done.
namespace UserInput {

// Lets the program finish what the last action started (posted events, zero timers, focus changes).
void settle();
// Brings a window to the front as a user's click into it would.
void activate(QWidget* window);
// Gives a widget the focus as a mouse click does (only widgets that take the focus on a click).
void takeClickFocus(QWidget* widget);

QString click(const Target& target, const QString& name);
QString type(const Target& target, const QString& name, const QString& text);
// Like type, but the text arrives all at once through the clipboard and the box's own paste shortcut, as
// a user brings in a long text.
QString paste(const Target& target, const QString& name, const QString& text);
// Keys go to the focused control of the waiting dialog, else of `mainWindow`.
QString pressKeys(const QKeySequence& keys, QWidget* mainWindow);

} // namespace UserInput

} // namespace qx::uidrive
