#pragma once

#include <QDialog>

class QComboBox;

namespace qx {

class Prompter;

// The "Print Forms" dialog: the blank form to print. After "Print", formNumber() is the chosen form's
// number; Cancel (or the window frame) rejects the dialog.
class frmPrintForms : public QDialog {
    Q_OBJECT
public:
    explicit frmPrintForms(Prompter& prompter, QWidget* parent = nullptr);

    int formNumber() const;

private:
    void print();

    Prompter& m_prompter;
    QComboBox* m_forms;
};

} // namespace qx
