#include "takeoff/frmScale.h"

#include "takeoff/PlanSession.h"
#include "takeoff/PlanTexts.h"
#include "widgets/UiControls.h"
#include "widgets/UiDialogButtons.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qx {

frmScale::frmScale(Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_prompter(prompter) {
    setObjectName(QStringLiteral("frmScale"));
    setWindowTitle(kScaleTitle);
    m_length = focusBox(QStringLiteral("txtScaleLength"), this);
    auto* form = new QFormLayout;
    form->addRow(plainLabel(QStringLiteral("Length:"), this), m_length);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(okayCancelRow(this, &frmScale::okay));
    setFixedWidth(300);
}

void frmScale::okay() {
    const FeetLength length = PlanSession::readScaleLength(m_length->text());
    if (!length.ok()) {
        m_prompter.inform(kScaleTitle, length.problem);
        m_length->setFocus();
        m_length->selectAll();
        return;
    }
    m_feet = length.feet;
    accept();
}

} // namespace qx
