#include "UserInput.h"

#include "Choices.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

namespace qx::uidrive::UserInput {

namespace {

QLineEdit* boxOf(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(widget);
}

// Where a key goes: to the open popup (a completer's list of matches, say) while there is one, as the
// keyboard's keys do, else to the widget with the focus, in its window brought back to the front (a
// popup that closed gives the front back to the window it opened from).
QWidget* keyReceiver() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    QWidget* focus = QApplication::focusWidget();
    if (focus)
        activate(focus->window());
    return QApplication::focusWidget();
}

// Types text key by key as a keyboard would: into the widget that has the focus, through the popup
// it opened (a box that moves the focus on by itself when full passes the rest on).
void typeKeys(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        QWidget* receiver = keyReceiver();
        if (!receiver)
            return;
        const QChar c = text[i];
        // A tab or line break in the text is part of the text, not a key that moves on; so are the other
        // control characters (DEL included), which no key of a keyboard types.
        if (QLineEdit* box = boxOf(QApplication::focusWidget());
            box && (c.unicode() < 0x20 || c.unicode() == 0x7F)) {
            box->insert(QString(c));
            continue;
        }
        if (c.unicode() < 0x80) {
            QTest::keyClick(receiver, char(c.unicode()));
            continue;
        }
        QString symbol(c);
        if (c.isHighSurrogate() && i + 1 < text.size())
            symbol += text[++i];
        QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key(symbol.toUpper().at(0).unicode()), symbol,
                            Qt::NoModifier);
    }
}

// Why a control cannot be typed into ("" when it can).
QString checkTypable(QWidget* widget, const QString& name) {
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->isReadOnly() ? QStringLiteral("%1 is read-only").arg(name) : QString();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->isEditable() ? QString()
                                   : QStringLiteral("%1 is a list, not a box (use select)").arg(name);
    if (auto* editor = qobject_cast<QPlainTextEdit*>(widget))
        return editor->isReadOnly() ? QStringLiteral("%1 is read-only").arg(name) : QString();
    if (auto* editor = qobject_cast<QTextEdit*>(widget))
        return editor->isReadOnly() ? QStringLiteral("%1 is read-only").arg(name) : QString();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
        return spin->isReadOnly() ? QStringLiteral("%1 is read-only").arg(name) : QString();
    return QStringLiteral("%1 is not a box that can be typed into").arg(name);
}

// Selects the whole content of a box, so that what is typed next replaces it.
void selectAll(QWidget* widget) {
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        box->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->lineEdit()->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
        spin->selectAll();
}

void replaceEditorText(QWidget* widget, const QString& text) {
    if (auto* editor = qobject_cast<QPlainTextEdit*>(widget)) {
        editor->selectAll();
        editor->textCursor().removeSelectedText();
        editor->insertPlainText(text);
    } else if (auto* editor = qobject_cast<QTextEdit*>(widget)) {
        editor->selectAll();
        editor->textCursor().removeSelectedText();
        editor->insertPlainText(text);
    }
}

void replaceText(QWidget* widget, QWidget* receiver, const QString& text) {
    if (qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget)) {
        replaceEditorText(widget, text);
        return;
    }
    // Everything the box does while a user types happens here too: an editable combo box's completion
    // included.
    selectAll(widget);
    if (text.isEmpty())
        QTest::keyClick(receiver, Qt::Key_Delete);
    else
        typeKeys(text);
}

bool takesTabAsText(QWidget* widget) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        return !plain->tabChangesFocus();
    if (auto* rich = qobject_cast<QTextEdit*>(widget))
        return !rich->tabChangesFocus();
    return false;
}

// The control that Tab would go to from `widget`: the next one in the focus chain of its window that
// takes the focus by Tab and can be used.
QWidget* nextByTab(QWidget* widget) {
    for (QWidget* next = widget->nextInFocusChain(); next && next != widget;
         next = next->nextInFocusChain()) {
        if (next->window() == widget->window() && (next->focusPolicy() & Qt::TabFocus) && next->isVisible() &&
            next->isEnabled())
            return next;
    }
    return nullptr;
}

// Moves the focus on as the Tab key does. An editor that takes Tab as text keeps it as text: the user
// leaves it for the control Tab would have gone to, as a click there does.
void tabOn() {
    QPointer<QWidget> focus = QApplication::focusWidget();
    if (!focus)
        return;
    if (!takesTabAsText(focus)) {
        const bool popupOpen = QApplication::activePopupWidget() != nullptr;
        QTest::keyClick(keyReceiver(), Qt::Key_Tab);
        // A Tab that only closed the box's popup (a completer's matches) leaves the focus in the box:
        // a user presses it once more.
        if (popupOpen && focus && QApplication::focusWidget() == focus && !QApplication::activePopupWidget())
            QTest::keyClick(focus, Qt::Key_Tab);
        return;
    }
    if (QWidget* next = nextByTab(focus))
        next->setFocus(Qt::TabFocusReason);
}

QString clickWidget(QWidget* widget, const QString& name) {
    QPointer<QWidget> guard(widget);
    activate(widget->window());
    auto* button = qobject_cast<QAbstractButton*>(widget);
    auto* frame = qobject_cast<QGroupBox*>(widget);
    if (!button && !(frame && frame->isCheckable())) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        return {};
    }
    // The box being left checks its text first; a refusal can take the click away.
    takeClickFocus(widget);
    if (!guard || !isOnView(guard) || !guard->isEnabled())
        return QStringLiteral("%1 could no longer be clicked once the focus had left the box before it")
            .arg(name);
    if (button) {
        button->click();
    } else {
        frame->setChecked(!frame->isChecked());
        emit frame->clicked(frame->isChecked());
    }
    return {};
}

} // namespace

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void activate(QWidget* window) {
    if (!window || QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    settle();
}

void takeClickFocus(QWidget* widget) {
    if (!(widget->focusPolicy() & Qt::ClickFocus) || widget->hasFocus())
        return;
    widget->setFocus(Qt::MouseFocusReason);
    settle();
}

QString click(const Target& named, const QString& name) {
    // A click on a tab page means a click on its tab.
    const Target target = tabOfPage(named);
    if (const QString why = whyNotActionable(target, name); !why.isEmpty())
        return why;
    if (target.isTab())
        return Choices::chooseTab(target.tabBar(), target.tab, name);
    if (QMenu* menu = target.menu()) {
        // Opening a menu only lets the program prepare its commands.
        emit menu->aboutToShow();
        settle();
        emit menu->aboutToHide();
        return {};
    }
    if (QAction* action = target.action()) {
        action->trigger();
        return {};
    }
    return clickWidget(target.widget(), name);
}

namespace {

// Replaces a box's text by pasting: the text on the clipboard, the box's content selected, then the
// paste shortcut, which the box handles as it handles a user's (its length limit and validator apply).
void pasteText(QWidget* widget, QWidget* receiver, const QString& text) {
    QApplication::clipboard()->setText(text);
    if (auto* editor = qobject_cast<QPlainTextEdit*>(widget))
        editor->selectAll();
    else if (auto* editor = qobject_cast<QTextEdit*>(widget))
        editor->selectAll();
    else
        selectAll(widget);
    if (text.isEmpty())
        QTest::keyClick(receiver, Qt::Key_Delete);
    else
        QTest::keySequence(receiver, QKeySequence::Paste);
}

enum class Entry { Typed, Pasted };

QString enterText(const Target& target, const QString& name, const QString& text, Entry entry) {
    QPointer<QWidget> box = target.isTab() ? nullptr : target.widget();
    if (!box)
        return QStringLiteral("%1 is not a box that can be typed into").arg(name);
    if (const QString why = whyNotActionable(target, name); !why.isEmpty())
        return why;
    if (const QString why = checkTypable(box, name); !why.isEmpty())
        return why;
    activate(box->window());
    box->setFocus(Qt::MouseFocusReason);
    settle();
    QWidget* focus = QApplication::focusWidget();
    if (!box || !focus || (focus != box && !box->isAncestorOf(focus)))
        return QStringLiteral("%1 did not take the focus (it is on %2)")
            .arg(name, focus ? focus->objectName() : QStringLiteral("nothing"));
    if (entry == Entry::Typed)
        replaceText(box, focus, text);
    else
        pasteText(box, focus, text);
    settle();
    tabOn();
    settle();
    return {};
}

} // namespace

QString type(const Target& target, const QString& name, const QString& text) {
    return enterText(target, name, text, Entry::Typed);
}

QString paste(const Target& target, const QString& name, const QString& text) {
    return enterText(target, name, text, Entry::Pasted);
}

QString pressKeys(const QKeySequence& keys, QWidget* mainWindow) {
    QPointer<QWidget> main(mainWindow);
    for (int i = 0; i < keys.count(); ++i) {
        QWidget* window = waitingWindow();
        if (!window)
            window = main;
        if (!window)
            return QStringLiteral("no window is open to take the key");
        if (!QApplication::activePopupWidget())
            activate(window);
        QWidget* receiver = QApplication::focusWidget();
        if (!receiver || receiver->window() != window)
            receiver = window;
        QTest::keyClick(receiver, keys[i].key(), keys[i].keyboardModifiers());
        settle();
    }
    return {};
}

} // namespace qx::uidrive::UserInput
