#pragma once

#include "Choices.h"
#include "UserInput.h"
#include "WidgetFinder.h"

#include <QEvent>
#include <QMainWindow>
#include <QStringList>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace qxtest {

// A throwaway main window with a column of named controls, shown offscreen: the driver's tests act on
// it instead of the real program, so they stay fast and independent of the program's forms.
class DriveWindowTest : public ::testing::Test {
protected:
    using Purpose = qx::uidrive::WidgetFinder::Purpose;

    DriveWindowTest() {
        window->setCentralWidget(new QWidget);
        column = new QVBoxLayout(window->centralWidget());
        window->resize(400, 700);
    }

    // A control named `name` at the foot of the column; placed by hand (outside the column) when `loose`.
    template <class T, class... Args> T* add(const QString& name, Args&&... args) {
        auto* control = new T(std::forward<Args>(args)...);
        control->setObjectName(name);
        column->addWidget(control);
        return control;
    }
    template <class T, class... Args> T* loose(const QString& name, Args&&... args) {
        T* control = add<T>(name, std::forward<Args>(args)...);
        column->removeWidget(control);
        return control;
    }

    void show() {
        window->show();
        qx::uidrive::UserInput::activate(window.get());
        qx::uidrive::UserInput::settle();
    }

    qx::uidrive::WidgetFinder::Result find(const QString& name, Purpose purpose = Purpose::Act) const {
        return qx::uidrive::WidgetFinder(window.get()).find(name, purpose);
    }
    // The control NAME stands for; the test fails when the lookup does.
    qx::uidrive::Target target(const QString& name) const {
        const auto found = find(name);
        EXPECT_EQ(found.error, QString()) << name.toStdString();
        return found.target;
    }

    // The steps, as the script would run them on a control found by NAME.
    QString click(const QString& name) { return qx::uidrive::UserInput::click(target(name), name); }
    QString type(const QString& name, const QString& text) {
        return qx::uidrive::UserInput::type(target(name), name, text);
    }
    QString select(const QString& name, const QString& text) {
        return qx::uidrive::Choices::select(target(name), name, text);
    }

    std::unique_ptr<QMainWindow> window = std::make_unique<QMainWindow>();
    QVBoxLayout* column = nullptr;
};

// Runs a box's check each time it loses the focus, as the program's field checks on leaving a box do.
class FocusOutCheck : public QObject {
public:
    FocusOutCheck(QWidget* box, std::function<void()> check)
        : m_check(std::move(check)) {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut)
            m_check();
        return false;
    }

private:
    std::function<void()> m_check;
};

} // namespace qxtest
