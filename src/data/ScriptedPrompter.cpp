#include "data/ScriptedPrompter.h"

namespace qx {

namespace {
QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}
} // namespace

QStringList ScriptedPrompter::takeLog() {
    QStringList out;
    out.swap(m_log);
    return out;
}

QString ScriptedPrompter::answerWord(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QStringLiteral("ok");
    case Answer::Cancel:
        return QStringLiteral("cancel");
    case Answer::Yes:
        return QStringLiteral("yes");
    case Answer::No:
        return QStringLiteral("no");
    }
    return {};
}

void ScriptedPrompter::record(const QString& line) {
    m_log << line;
    if (m_echo)
        m_echo(line);
}

void ScriptedPrompter::inform(const QString& title, const QString& text, Icon) {
    m_lastText = text;
    ++m_messages;
    // An OK-only box: a queued answer is consumed only when it is "ok".
    if (!m_answers.empty() && m_answers.front() == Answer::Ok)
        m_answers.pop_front();
    record(QStringLiteral("message: %1 | %2 -> ok").arg(title, oneLine(text)));
}

Prompter::Answer ScriptedPrompter::ask(const QString& title, const QString& text, Answer defaultAnswer) {
    m_lastText = text;
    ++m_messages;
    QString word = QStringLiteral("default");
    Answer answer = defaultAnswer;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
        word = answerWord(answer);
    }
    record(QStringLiteral("message: %1 | %2 -> %3").arg(title, oneLine(text), word));
    return answer;
}

Prompter::Answer ScriptedPrompter::askYesNo(const QString& title, const QString& text, Icon, Answer def) {
    return ask(title, text, def);
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(const QString& title, const QString& text, Icon,
                                                  Answer def) {
    return ask(title, text, def);
}

Prompter::Answer ScriptedPrompter::askOkCancel(const QString& title, const QString& text, Icon, Answer def) {
    return ask(title, text, def);
}

QString ScriptedPrompter::chooseFile(const QString& title) {
    if (m_files.empty()) {
        record(QStringLiteral("dialog: %1 -> cancel").arg(title));
        return {};
    }
    QString path = m_files.front();
    m_files.pop_front();
    record(QStringLiteral("dialog: %1 -> %2").arg(title, path.isEmpty() ? QStringLiteral("cancel") : path));
    return path;
}

QString ScriptedPrompter::chooseOpenFile(const QString& title, const QString&) {
    return chooseFile(title);
}
QString ScriptedPrompter::chooseSaveFile(const QString& title, const QString&) {
    return chooseFile(title);
}

QString ScriptedPrompter::chooseOpenFile(const QString& title, const QString&, const FileDialogStart&) {
    return chooseFile(title);
}
QString ScriptedPrompter::chooseSaveFile(const QString& title, const QString&, const FileDialogStart&) {
    return chooseFile(title);
}

bool ScriptedPrompter::acceptPrint(const QString& title, PrintRequest& request) {
    if (m_printFiles.empty() || m_printFiles.front().isEmpty()) {
        if (!m_printFiles.empty())
            m_printFiles.pop_front();
        record(QStringLiteral("dialog: %1 -> cancel").arg(title));
        return false;
    }
    request.pdfFile = m_printFiles.front();
    m_printFiles.pop_front();
    // The dialog opens on "Selection" when it is offered, and the scripted user keeps that choice.
    request.selectionOnly = request.selectionOffered;
    record(QStringLiteral("dialog: %1 -> %2").arg(title, request.pdfFile));
    return true;
}

void ScriptedPrompter::openUrl(const QString& url) {
    record(QStringLiteral("open: %1").arg(url));
}

} // namespace qx
