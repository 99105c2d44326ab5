#pragma once

#include <QString>
#include <QStringList>

namespace qx {

class DesktopPrinter;

// How a file dialog opens: the filter chosen at first and the folder it starts in.
struct FileDialogStart {
    QString selectedFilter;
    QString folder;
    // The caller asks before replacing an existing file (through the Prompter), so the dialog does not.
    bool callerAsksBeforeReplacing = false;
};

// What a print dialog is asked and what it answers.
struct PrintRequest {
    // The printer the real dialog sets up; the document is printed on it after the dialog.
    DesktopPrinter* printer = nullptr;
    // "Selection" is offered (and chosen at first) when the document has a selection.
    bool selectionOffered = false;
    // Answers: print only the selection; or print to this PDF file instead of the chosen printer.
    bool selectionOnly = false;
    QString pdfFile;
};

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
    virtual QString chooseOpenFile(const QString& title, const QString& filters,
                                   const FileDialogStart& start) = 0;
    virtual QString chooseSaveFile(const QString& title, const QString& filters,
                                   const FileDialogStart& start) = 0;
    // A print dialog titled `title`; true when the user chose to print.
    virtual bool acceptPrint(const QString& title, PrintRequest& request) = 0;
    // Asks the desktop to open a URL (the help pages, a mail to support).
    virtual void openUrl(const QString& url) = 0;
};

// Title shown on the program's own message boxes.
inline const QString kAppTitle = QStringLiteral("Quorvex");

} // namespace qx
