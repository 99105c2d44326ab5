#include "Driver.h"

#include "Output.h"
#include "UserInput.h"
#include "app/UiProgram.h"
#include "app/frmQuovi.h"
#include "data/ScriptedPrompter.h"

#include <QApplication>
#include <QThread>
#include <exception>

namespace qx::uidrive {

Driver::Driver(UiProgram& program, ScriptedPrompter& prompter, QList<Step> steps)
    : m_program(program)
    , m_commands(program, prompter)
    , m_steps(std::move(steps)) {
    // What the program shows is printed as it happens; nothing after the run has ended.
    prompter.setEcho([this](const QString& line) {
        if (!m_finished)
            printLine(line);
    });
    m_tick.setSingleShot(true);
    m_tick.setInterval(0);
    connect(&m_tick, &QTimer::timeout, this, &Driver::tick);
}

void Driver::begin() {
    qApp->installEventFilter(this);
    m_tick.start();
}

bool Driver::eventFilter(QObject* watched, QEvent* event) {
    // A dialog or popup that opens may start an event loop of its own: the next step runs in it.
    if (event->type() == QEvent::Show && !m_finished) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow() && (widget->isModal() || widget->windowType() == Qt::Popup))
            m_tick.start();
    }
    return QObject::eventFilter(watched, event);
}

bool Driver::userIsAwaited() const {
    if (m_running.isEmpty())
        return true;
    const Running& top = m_running.last();
    QWidget* waiting = waitingWindow();
    return QThread::currentThread()->loopLevel() > top.loopLevel && waiting && waiting != top.waiting;
}

void Driver::tick() {
    if (m_finished || !userIsAwaited())
        return;
    m_running.append({QThread::currentThread()->loopLevel(), waitingWindow()});
    // First the screen as a user would find it: a window that just opened is active, its posted
    // events are handled. (A dialog opened by them runs the next steps itself, so the step to run
    // is chosen only after this.)
    UserInput::settle();
    QString error;
    const Step* step = nullptr;
    if (!m_finished) {
        if (m_next < 0) {
            m_next = 0;
            error = startUp();
        } else if (m_next < m_steps.size()) {
            step = &m_steps[m_next++];
            error = run(*step);
        } else {
            finish(0);
        }
    }
    m_running.removeLast();
    if (m_finished)
        return;
    if (!error.isEmpty()) {
        printLine(step ? QStringLiteral("error: line %1 (%2): %3").arg(step->line).arg(step->source, error)
                       : QStringLiteral("error: %1").arg(error));
        finish(1);
        return;
    }
    m_commands.noteEstimate();
    m_tick.start();
}

QString Driver::startUp() {
    try {
        // Another copy running on this program folder: the program says so and ends.
        if (!m_program.start())
            return QStringLiteral("the program did not start");
        UserInput::settle();
    } catch (const Failure& failure) {
        return QStringLiteral("the program could not start: Error %1 (%2)")
            .arg(failure.number())
            .arg(failure.description());
    }
    return {};
}

QString Driver::run(const Step& step) {
    try {
        QString error = m_commands.run(step);
        UserInput::settle();
        return error;
    } catch (const Failure& failure) {
        return QStringLiteral("the program failed: Error %1 (%2)")
            .arg(failure.number())
            .arg(failure.description());
    } catch (const std::exception& failure) {
        return QStringLiteral("the program failed: %1").arg(QString::fromLocal8Bit(failure.what()));
    }
}

void Driver::finish(int exitCode) {
    if (m_finished)
        return;
    m_finished = true;
    m_exitCode = exitCode;
    m_tick.stop();
    // Leaves every event loop, the dialogs' too: a dialog still open at the end is not answered.
    QCoreApplication::exit(exitCode);
}

} // namespace qx::uidrive
