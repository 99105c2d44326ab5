#include "lines/frmEditID.h"

#include "data/InputRules.h"
#include "lines/LineTexts.h"
#include "widgets/UiFocusColour.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

frmEditID::frmEditID(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmEditID"));
    setWindowTitle(LineTexts::kEditIdTitle);
    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("txtID"));
    UiFocusColour::install(m_box);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    connect(okButton, &QPushButton::clicked, this, &frmEditID::ok);
    connect(cancelButton, &QPushButton::clicked, this, &frmEditID::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto* hints = new QVBoxLayout;
    hints->addWidget(new QLabel(LineTexts::kEditIdHint, this));
    hints->addWidget(m_box);
    hints->addWidget(new QLabel(LineTexts::kEditIdColumnHint, this));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(hints, 1);
    layout->addLayout(buttons);
}

void frmEditID::ok() {
    const auto id = readRowId(m_box->text());
    if (!id)
        return;
    m_id = *id;
    accept();
}

} // namespace qx
