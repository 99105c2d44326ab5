#include "lines/frmAdminEdit.h"

#include "data/InputRules.h"
#include "lines/LineTexts.h"
#include "widgets/UiFocusColour.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

frmAdminEdit::frmAdminEdit(EstimateTotals& totals, Prompter& prompter, int index, QWidget* parent)
    : QDialog(parent)
    , m_totals(totals)
    , m_prompter(prompter)
    , m_index(index) {
    setObjectName(QStringLiteral("frmAdminEdit"));
    setWindowTitle(LineTexts::kAdminEditTitle + EstimateTotals::adminCaption(index));
    m_fixed = new QRadioButton(QStringLiteral("$"), this);
    m_fixed->setObjectName(QStringLiteral("Option2"));
    m_percent = new QRadioButton(QStringLiteral("%"), this);
    m_percent->setObjectName(QStringLiteral("Option1"));
    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("Text1"));
    UiFocusColour::install(m_box);

    const AdminAmount& amount = totals.admin(index);
    (amount.isFixed() ? m_fixed : m_percent)->setChecked(true);
    m_box->setText(amount.boxText());

    auto* okay = new QPushButton(QStringLiteral("Okay"), this);
    okay->setObjectName(QStringLiteral("Command1"));
    okay->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(okay, &QPushButton::clicked, this, &frmAdminEdit::okay);
    connect(cancel, &QPushButton::clicked, this, &frmAdminEdit::reject);

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_fixed);
    kinds->addWidget(m_percent);
    kinds->addWidget(m_box, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okay);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

void frmAdminEdit::okay() {
    const QString text = m_box->text();
    if (isBlank(text))
        return;
    const bool fixed = m_fixed->isChecked();
    if (const auto problem = m_totals.adminRefusal(m_index, fixed, text)) {
        m_prompter.inform(kAppTitle, *problem);
        m_box->setFocus();
        m_box->selectAll();
        return;
    }
    if (const auto amount = typedAdminAmount(fixed, text))
        m_totals.setAdmin(m_index, *amount);
    accept();
}

} // namespace qx
