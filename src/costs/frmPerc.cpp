#include "costs/frmPerc.h"

#include "costs/CostInput.h"
#include "costs/CostTexts.h"
#include "widgets/UiDialogButtons.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

frmPerc::frmPerc(Prompter& prompter, Burden burden, const QString& base, const Decimal& percentage,
                 QWidget* parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_base(base) {
    setObjectName(QStringLiteral("frmPerc"));
    setWindowTitle(kTitlePercentage);

    auto* name = new QLabel(burdenCaption(burden), this);
    name->setObjectName(QStringLiteral("Label1"));
    auto* baseValue = new QLabel(base, this);
    baseValue->setObjectName(QStringLiteral("lblBase"));
    m_percentage = new QLineEdit(percentage.toPlain(), this);
    m_percentage->setObjectName(QStringLiteral("txtPercentage"));
    UiFocusColour::install(m_percentage);
    UiFieldCheck::install(m_percentage, prompter, percentageProblem, QStringLiteral("0"));
    m_total = new QLabel(QStringLiteral(".00"), this);
    m_total->setObjectName(QStringLiteral("lblTotal"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Base Rate"), baseValue);
    form->addRow(name, m_percentage);
    form->addRow(QString(), m_total);

    auto* computeButton =
        commandButton(QStringLiteral("cmdCompute"), QStringLiteral("Compute"), this, this, &frmPerc::compute);
    QHBoxLayout* buttons = okayCancelRow<QDialog>(this, &QDialog::accept);
    buttons->insertWidget(1, computeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(300);
}

QString frmPerc::result() const {
    return m_total->text();
}

void frmPerc::compute() {
    if (const auto problem = percentageProblem(m_percentage->text())) {
        m_percentage->setText(QStringLiteral("0"));
        m_prompter.inform(kAppTitle, *problem);
        m_percentage->setFocus();
        return;
    }
    m_total->setText(*percentageOf(m_percentage->text(), m_base));
}

} // namespace qx
