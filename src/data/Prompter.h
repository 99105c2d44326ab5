#pragma once

#include <QString>
#include <QStringList>

namespace qx {

// Every question and message the program shows goes through a Prompter: the real one shows
// message boxes and file dialogs, the scripted one answers from a queue and records what was shown.
class Prompter {
public:
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Prompter() = default;

    virtual void inform(const QString& title, const QString& text, Icon icon = Icon::None) = 0;
    // Yes/No, Yes/No/Cancel or OK/Cancel questions; `defaultAnswer` is the default button.
    virtual Answer askYesNo(const QString& title, const QString& text, Icon icon, Answer defaultAnswer) = 0;
    virtual Answer askYesNoCancel(const QString& title, const QString& text, Icon icon,
                                  Answer defaultAnswer) = 0;
    virtual Answer askOkCancel(const QString& title, const QString& text, Icon icon,
                               Answer defaultAnswer) = 0;
    // A file chosen in an open or save dialog; empty when the user cancelled.
    virtual QString chooseOpenFile(const QString& title, const QString& filters) = 0;
    virtual QString chooseSaveFile(const QString& title, const QString& filters) = 0;
    // Asks the desktop to open a URL (the help pages, a mail to support).
    virtual void openUrl(const QString& url) = 0;
};

// Title shown on the program's own message boxes.
inline const QString kAppTitle = QStringLiteral("Quorvex");

} // namespace qx
