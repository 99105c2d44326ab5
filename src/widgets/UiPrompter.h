#pragma once

#include "data/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace qx {

// The real Prompter: message boxes, file dialogs and the desktop's URL handler.
class UiPrompter : public Prompter {
public:
    void setParentWindow(QWidget* parent) { m_parent = parent; }

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

private:
    QWidget* parent() const;
    QPointer<QWidget> m_parent;
};

} // namespace qx
