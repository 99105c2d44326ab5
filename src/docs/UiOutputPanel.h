#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QToolBar;

namespace qx {

// The "Output" tab: the four document editors on their own tab control, each with its create command,
// the "Create document set" command and the editing toolbar.
class UiOutputPanel : public QWidget {
    Q_OBJECT
public:
    explicit UiOutputPanel(QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    QTextEdit* editor(int index) const { return m_editors.at(size_t(index)); }
    QPushButton* createButton(int index) const { return m_create.at(size_t(index)); }
    // Fills the font list with every font the platform offers.
    void fillFonts();
    // Back to the starting state: editors empty, every tab and create command enabled, first captions.
    void reset();
    // Enables the create commands listed (cmdPrint indexes) and disables the others.
    void enableCreateCommands(const QList<int>& indexes);

signals:
    // A create command cmdPrint(index) was pressed.
    void createClicked(int index);

private:
    void addToolbarActions();
    QTextEdit* currentEditor() const;

    QTabWidget* m_tabs;
    std::array<QTextEdit*, 4> m_editors{};
    std::array<QPushButton*, 5> m_create{};
    QToolBar* m_toolbar;
    QComboBox* m_fonts;
    QComboBox* m_sizes;
};

} // namespace qx
