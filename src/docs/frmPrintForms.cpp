#include "docs/frmPrintForms.h"

#include "data/Prompter.h"
#include "docs/BlankForms.h"
#include "widgets/UiControls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

frmPrintForms::frmPrintForms(Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_prompter(prompter) {
    setObjectName(QStringLiteral("frmPrintForms"));
    setWindowTitle(QStringLiteral("Print Forms"));
    m_forms = new QComboBox(this);
    m_forms->setObjectName(QStringLiteral("cmbForms"));
    for (const BlankForm& form : blankForms())
        m_forms->addItem(form.caption, form.number);
    QPushButton* print = namedButton(QStringLiteral("cmdPrint"), QStringLiteral("Print"), this);
    print->setDefault(true);
    QPushButton* cancel = namedButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), this);
    connect(print, &QPushButton::clicked, this, &frmPrintForms::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* formRow = new QHBoxLayout;
    formRow->addWidget(plainLabel(QStringLiteral("Form"), this));
    formRow->addWidget(m_forms, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(formRow);
    layout->addLayout(buttons);
    setMinimumWidth(300);
}

int frmPrintForms::formNumber() const {
    return m_forms->currentData().toInt();
}

void frmPrintForms::print() {
    if (formNumber() == 0) {
        m_prompter.inform(kAppTitle, kSelectForm);
        m_forms->setFocus();
        return;
    }
    accept();
}

} // namespace qx
