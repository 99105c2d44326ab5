#pragma once

#include "Script.h"
#include "WidgetFinder.h"
#include "data/Conn.h"

namespace qx {
class ScriptedPrompter;
class UiProgram;
} // namespace qx

namespace qx::uidrive {

// Carries out one step of a script on the running program and prints what it reads.
class Commands {
public:
    Commands(UiProgram& program, ScriptedPrompter& prompter);

    // Returns why the step could not be done, or "" when it was.
    QString run(const Step& step);
    // Remembers the estimate file that is open now, for "sql est" after it is closed.
    void noteEstimate();

private:
    WidgetFinder::Result find(const QString& name, WidgetFinder::Purpose purpose) const;
    QString act(const Step& step);
    QString read(const Step& step);
    QString queue(const Step& step);
    QString queueFile(const QString& path);
    QString closeWindow(const QString& dialogName);
    QString printFocus();
    QString expect(const Step& step, const Target& target);
    QString sql(const Step& step);
    QString settings(const Step& step);
    QString files(const Step& step);
    QString waitFor(const QString& path);
    QString touch(const QString& path);
    QString typeFromEnvironment(const Target& target, const Step& step);
    Conn estimateConn() const;

    UiProgram& m_program;
    ScriptedPrompter& m_prompter;
    Conn m_lastEstimate;
};

} // namespace qx::uidrive
