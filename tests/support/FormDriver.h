#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

// Driving the program's forms from widget tests: controls are found by name, choices and clicks are
// made as a user makes them, and modal dialogs are filled from a timer while they run.
namespace qxtest {

// The colour of an input box that has the focus.
inline const QColor kYellow(255, 255, 192);

// A named control of a form; a missing one ends the test with a failure.
template <class W = QWidget> W* get(const QWidget* form, const char* name) {
    if (W* found = form->findChild<W*>(QLatin1String(name)))
        return found;
    throw std::runtime_error(std::string("no control ") + name);
}

// A user's choice in a drop-down list: the entry changes, then "activated" tells the choice.
inline void choose(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

inline void press(const QWidget* form, const char* name) {
    get<QPushButton>(form, name)->click();
}

inline void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// Lets deferred work run: field messages, the focus going back, text selection.
inline void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

inline QColor base(const QWidget* box) {
    return box->palette().color(QPalette::Base);
}

inline QString focusName(const QWidget* window) {
    return window->focusWidget() ? window->focusWidget()->objectName() : QString();
}

// Runs `action`; when it opens a modal dialog, `fill` works on it. A dialog that `fill` leaves open is
// cancelled and fails the test, so a faulty form cannot hang the run. Returns whether a dialog opened.
inline bool onDialog(const std::function<void(QDialog&)>& fill, const std::function<void()>& action) {
    bool opened = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened = true;
        fill(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << dialog->objectName().toStdString() << " stayed open";
            dialog->reject();
        }
    });
    action();
    return opened;
}

// Runs `action`; the modal dialogs that open one after the other while it runs are handed to `fills` in
// order. A dialog that its fill leaves open is cancelled and fails the test; a dialog beyond the fills is
// left to the program (a fill that opens one of its own uses onDialog). Returns how many were filled.
inline int onDialogs(const std::vector<std::function<void(QDialog&)>>& fills,
                     const std::function<void()>& action) {
    int filled = 0;
    bool busy = false;
    QPointer<QDialog> current;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (busy || !dialog || dialog == current || filled >= int(fills.size()))
            return;
        busy = true;
        current = dialog;
        fills[filled++](*dialog);
        if (current && current->isVisible()) {
            ADD_FAILURE() << current->objectName().toStdString() << " stayed open";
            current->reject();
        }
        busy = false;
    });
    poll.start();
    action();
    return filled;
}

} // namespace qxtest
