#include "widgets/UiPrompter.h"

#include "data/DesktopPrinter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace qx {

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Critical:
        return QMessageBox::Critical;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(Prompter::Answer answer) {
    switch (answer) {
    case Prompter::Answer::Ok:
        return QMessageBox::Ok;
    case Prompter::Answer::Cancel:
        return QMessageBox::Cancel;
    case Prompter::Answer::Yes:
        return QMessageBox::Yes;
    case Prompter::Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

Prompter::Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return Prompter::Answer::Ok;
    case QMessageBox::Yes:
        return Prompter::Answer::Yes;
    case QMessageBox::No:
        return Prompter::Answer::No;
    default:
        return Prompter::Answer::Cancel;
    }
}

Prompter::Answer show(QWidget* parent, const QString& title, const QString& text, Prompter::Icon icon,
                      QMessageBox::StandardButtons buttons, Prompter::Answer defaultAnswer,
                      Prompter::Answer onEscape) {
    QMessageBox box(boxIcon(icon), title, text, buttons, parent);
    // What the user typed is shown as typed: a name holding "<b>" is no markup, and line breaks stay.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(buttonOf(defaultAnswer));
    box.setEscapeButton(buttonOf(onEscape));
    const int result = box.exec();
    // Closing the box through its frame counts as its escape answer.
    return result == QMessageBox::NoButton ? onEscape : answerOf(result);
}

} // namespace

QWidget* UiPrompter::parent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_parent ? m_parent.data() : QApplication::activeWindow();
}

void UiPrompter::inform(const QString& title, const QString& text, Icon icon) {
    show(parent(), title, text, icon, QMessageBox::Ok, Answer::Ok, Answer::Ok);
}

Prompter::Answer UiPrompter::askYesNo(const QString& title, const QString& text, Icon icon, Answer def) {
    return show(parent(), title, text, icon, QMessageBox::Yes | QMessageBox::No, def, Answer::No);
}

Prompter::Answer UiPrompter::askYesNoCancel(const QString& title, const QString& text, Icon icon,
                                            Answer def) {
    return show(parent(), title, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, def,
                Answer::Cancel);
}

Prompter::Answer UiPrompter::askOkCancel(const QString& title, const QString& text, Icon icon, Answer def) {
    return show(parent(), title, text, icon, QMessageBox::Ok | QMessageBox::Cancel, def, Answer::Cancel);
}

QString UiPrompter::chooseOpenFile(const QString& title, const QString& filters) {
    return QFileDialog::getOpenFileName(parent(), title, QString(), filters);
}

QString UiPrompter::chooseSaveFile(const QString& title, const QString& filters) {
    return QFileDialog::getSaveFileName(parent(), title, QString(), filters);
}

QString UiPrompter::chooseOpenFile(const QString& title, const QString& filters,
                                   const FileDialogStart& start) {
    QString selected = start.selectedFilter;
    return QFileDialog::getOpenFileName(parent(), title, start.folder, filters, &selected,
                                        QFileDialog::ReadOnly);
}

QString UiPrompter::chooseSaveFile(const QString& title, const QString& filters,
                                   const FileDialogStart& start) {
    QString selected = start.selectedFilter;
    const QFileDialog::Options options =
        start.callerAsksBeforeReplacing ? QFileDialog::DontConfirmOverwrite : QFileDialog::Options();
    return QFileDialog::getSaveFileName(parent(), title, start.folder, filters, &selected, options);
}

bool UiPrompter::acceptPrint(const QString& title, PrintRequest& request) {
    return request.printer &&
           request.printer->showDialog(parent(), title, request.selectionOffered, request.selectionOnly);
}

void UiPrompter::openUrl(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

} // namespace qx
