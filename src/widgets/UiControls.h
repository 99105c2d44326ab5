#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
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
// The text of a multi-line box exactly as typed: a no-break space and a line separator stay what they
// are (QPlainTextEdit::toPlainText would make them a plain space and a line break); paragraphs are
// separated by line breaks.
QString typedText(const QPlainTextEdit* box);

} // namespace qx
