#pragma once

#include "data/Prompter.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace qx {

// A Prompter that answers from a queue and records every message as
// "message: TITLE | TEXT -> answer" (line breaks written as \n). A question with no queued answer takes
// its default button ("-> default"). Used by the tests and by the automation driver.
class ScriptedPrompter : public Prompter {
public:
    void queueAnswer(Answer answer) { m_answers.push_back(answer); }
    void queueFile(const QString& path) { m_files.push_back(path); }
    // The next print dialog is accepted and prints to this PDF file.
    void queuePrintFile(const QString& path) { m_printFiles.push_back(path); }

    // Everything shown so far, one entry per message, dialog or opened URL.
    const QStringList& log() const { return m_log; }
    QStringList takeLog();
    // Called with each new log line as it is recorded (the driver prints them at once).
    void setEcho(std::function<void(const QString&)> echo) { m_echo = std::move(echo); }
    // The text of the last message shown, or "" when none.
    QString lastText() const { return m_lastText; }
    int messageCount() const { return m_messages; }

    void inform(const QString& title, const QString& text, Icon icon = Icon::None) override;
    Answer askYesNo(const QString& title, const QString& text, Icon icon, Answer defaultAnswer) override;
    Answer askYesNoCancel(const QString& title, const QString& text, Icon icon,
                          Answer defaultAnswer) override;
    Answer askOkCancel(const QString& title, const QString& text, Icon icon, Answer defaultAnswer) override;
    QString chooseOpenFile(const QString& title, const QString& filters) override;
    QString chooseSaveFile(const QString& title, const QString& filters) override;
    QString chooseOpenFile(const QString& title, const QString& filters,
                           const FileDialogStart& start) override;
    QString chooseSaveFile(const QString& title, const QString& filters,
                           const FileDialogStart& start) override;
    bool acceptPrint(const QString& title, PrintRequest& request) override;
    void openUrl(const QString& url) override;

    static QString answerWord(Answer answer);

private:
    Answer ask(const QString& title, const QString& text, Answer defaultAnswer);
    QString chooseFile(const QString& title);
    void record(const QString& line);

    std::deque<Answer> m_answers;
    std::deque<QString> m_files;
    std::deque<QString> m_printFiles;
    QStringList m_log;
    QString m_lastText;
    int m_messages = 0;
    std::function<void(const QString&)> m_echo;
};

} // namespace qx
