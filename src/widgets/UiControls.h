#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qx {

// The small controls every form builds the same way.

// A caption that shows its text as written (never as rich text).
QLabel* plainLabel(const QString& text, QWidget* parent);
// A command button with its object name.
QPushButton* namedButton(const QString& name, const QString& caption, QWidget* parent);
// An input box with its object name that turns light yellow while it has the focus.
QLineEdit* focusBox(const QString& name, QWidget* parent);

} // namespace qx
