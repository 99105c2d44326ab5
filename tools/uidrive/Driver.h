#pragma once

#include "Commands.h"
#include "Script.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace qx::uidrive {

// Runs the program's start-up and then the script's steps, one at a time, from the event loop.
//
// A step that opens a modal dialog does not return until the dialog closes, so the steps after it
// must run inside the dialog's own event loop, as a user's clicks would. Each step therefore runs from
// a zero timer, and the timer is only allowed to start a step when the program is waiting for the
// user: either no step is under way, or the step under way is blocked in a newer event loop of a
// dialog (or popup) that opened after it began. A dialog that has just closed does not count, so
// the step that opened it finishes before the next one starts.
class Driver : public QObject {
public:
    Driver(UiProgram& program, ScriptedPrompter& prompter, QList<Step> steps);

    // Starts the run; the event loop carries it on.
    void begin();
    bool finished() const { return m_finished; }
    int exitCode() const { return m_exitCode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A step under way (possibly blocked in a dialog): the loop level it began in and the
    // dialog that was waiting then.
    struct Running {
        int loopLevel;
        QPointer<QWidget> waiting;
    };

    void tick();
    bool userIsAwaited() const;
    // Each returns why it failed, or "".
    QString startUp();
    QString run(const Step& step);
    void finish(int exitCode);

    UiProgram& m_program;
    Commands m_commands;
    QList<Step> m_steps;
    qsizetype m_next = -1; // -1: the start-up has not run yet
    QList<Running> m_running;
    QTimer m_tick;
    bool m_finished = false;
    int m_exitCode = 0;
};

} // namespace qx::uidrive
