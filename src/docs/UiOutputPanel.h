#pragma once

#include "docs/EditorFind.h"
#include "docs/PaperSetup.h"

#include <QWidget>
#include <array>
#include <functional>

class QAction;
class QComboBox;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QToolBar;

namespace qx {

class Prompter;

// The "Output" tab: the four document editors on their own tab control, each with its create command,
// the "Create document set" command and the editing toolbar with the font lists.
class UiOutputPanel : public QWidget {
    Q_OBJECT
public:
    // Documents are saved into `estimatesDir` at first; the blank forms come from `templatesDir`.
    UiOutputPanel(Prompter& prompter, const QString& estimatesDir, const QString& templatesDir,
                  QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    QTextEdit* editor(int index) const { return m_editors.at(size_t(index)); }
    QPushButton* createButton(int index) const { return m_create.at(size_t(index)); }
    // "Mark as Sent": enabled while the document set of a saved estimate is up to date.
    QPushButton* sentButton() const { return m_sent; }
    // Fills the font list with every font the platform offers.
    void fillFonts();
    // Back to the starting state: editors empty, every tab and create command enabled, first captions.
    void reset();
    // Enables the create commands listed (cmdPrint indexes) and disables the others.
    void enableCreateCommands(const QList<int>& indexes);
    // "Print Forms": the blank-form dialog, then the chosen form printed.
    void printForms();
    // Where printed and saved documents take their paper and author (`settings`), and the name of the
    // estimate their titles name (`estimateName`, asked at each print or save).
    void setDocumentSource(const SettingsStore* settings, std::function<QString()> estimateName);

signals:
    // A create command cmdPrint(index) was pressed.
    void createClicked(int index);
    // "Mark as Sent" was pressed.
    void sentClicked();

private:
    void addFileActions();
    void addEditingActions();
    void addFormatActions();
    QAction* addCommand(const char* key, const char* tip = nullptr);
    QTextEdit* currentEditor() const;
    void openDocument();
    void saveDocument();
    void printDocument();
    void findText();
    void fillSizes();
    // Shows Bold, Italic and Underline pressed when the current editor's selection has them, and the
    // font and size of the text at its cursor in the font lists.
    void showFormatState();
    // The paper, title and author of the current tab's document.
    DocumentProperties currentProperties() const;

    Prompter& m_prompter;
    QString m_estimatesDir;
    QString m_templatesDir;
    FindRequest m_find;
    const SettingsStore* m_settings = nullptr;
    std::function<QString()> m_estimateName;
    QTabWidget* m_tabs;
    std::array<QTextEdit*, 4> m_editors{};
    std::array<QPushButton*, 5> m_create{};
    QPushButton* m_sent;
    QToolBar* m_toolbar;
    QAction* m_bold = nullptr;
    QAction* m_italic = nullptr;
    QAction* m_underline = nullptr;
    QComboBox* m_fonts;
    QComboBox* m_sizes;
};

} // namespace qx
