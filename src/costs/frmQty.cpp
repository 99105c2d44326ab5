#include "costs/frmQty.h"

#include "costs/CostInput.h"
#include "costs/CostTexts.h"
#include "data/Prompter.h"
#include "widgets/UiDialogButtons.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

frmQty::frmQty(Prompter& prompter, double quantity, QWidget* parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_quantity(quantity) {
    setObjectName(QStringLiteral("frmQty"));
    setWindowTitle(kTitleQty);
    m_box = new QLineEdit(QString::number(quantity, 'g', QLocale::FloatingPointShortest), this);
    m_box->setObjectName(QStringLiteral("txtQty"));
    UiFocusColour::install(m_box);
    UiFieldCheck::install(
        m_box, prompter,
        [](const QString& text) { return isBlank(text) ? std::nullopt : quantityProblem(text); }, QString());

    auto* saveButton =
        commandButton(QStringLiteral("cmdSave"), QStringLiteral("Save"), this, this, &frmQty::save);
    saveButton->setDefault(true);
    QHBoxLayout* buttons =
        buttonRow({}, {saveButton, commandButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), this,
                                                 this, &frmQty::reject)});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    layout->addLayout(buttons);
    setMinimumWidth(240);
}

void frmQty::save() {
    const QString text = m_box->text();
    if (isBlank(text))
        return;
    const auto quantity = readQuantity(text);
    if (!quantity) {
        m_box->clear();
        m_prompter.inform(kAppTitle, *quantityProblem(text));
        m_box->setFocus();
        return;
    }
    m_quantity = *quantity;
    accept();
}

} // namespace qx
