#include "status/frmOwnerDetail.h"

#include "estimate/NewEstimate.h"
#include "status/StatusTexts.h"
#include "widgets/UiControls.h"
#include "widgets/UiFieldCheck.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

frmOwnerDetail::frmOwnerDetail(AppContext& ctx, qint32 estId, QWidget* parent)
    : QDialog(parent)
    , m_details(ctx, estId) {
    setObjectName(QStringLiteral("frmOwnerDetail"));
    setWindowTitle(StatusTexts::kOwnerCaption);
    m_estName = focusBox(QStringLiteral("txtEstName"), this);
    for (int i = 0; i < int(m_names.size()); ++i) {
        m_names[size_t(i)] = focusBox(QStringLiteral("txtName_%1").arg(i), this);
        UiFieldCheck::installLength(m_names[size_t(i)], ctx.prompter, ownerFieldMaxLength(OwnerField(i)));
    }

    auto* update = namedButton(QStringLiteral("cmdUpdate"), QStringLiteral("Update"), this);
    auto* cancel = namedButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), this);
    update->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(update, &QPushButton::clicked, this, &frmOwnerDetail::update);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QGridLayout;
    form->addWidget(plainLabel(QStringLiteral("Estimate Name:"), this), 0, 0, 1, 3);
    form->addWidget(m_estName, 1, 0, 1, 3);
    form->addWidget(plainLabel(QStringLiteral("First Name"), this), 2, 0);
    form->addWidget(plainLabel(QStringLiteral("Last Name or Company Name"), this), 2, 1, 1, 2);
    form->addWidget(m_names[0], 3, 0);
    form->addWidget(m_names[1], 3, 1, 1, 2);
    form->addWidget(plainLabel(QStringLiteral("Address"), this), 4, 0, 1, 3);
    form->addWidget(m_names[2], 5, 0, 1, 3);
    form->addWidget(plainLabel(QStringLiteral("City, St & Zip"), this), 6, 0, 1, 3);
    form->addWidget(m_names[3], 7, 0, 1, 3);
    form->addWidget(plainLabel(QStringLiteral("Home Phone"), this), 8, 0);
    form->addWidget(plainLabel(QStringLiteral("Work Phone"), this), 8, 1);
    form->addWidget(plainLabel(QStringLiteral("Ext"), this), 8, 2);
    form->addWidget(m_names[4], 9, 0);
    form->addWidget(m_names[5], 9, 1);
    form->addWidget(m_names[6], 9, 2);
    form->setColumnStretch(0, 2);
    form->setColumnStretch(1, 2);
    form->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(update);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(480);

    const OwnerRecord record = m_details.load();
    m_estName->setText(record.estName);
    for (size_t i = 0; i < m_names.size(); ++i)
        m_names[i]->setText(record.names[i]);
    // The name above is shown for reference; the owner's own fields are what this screen is for.
    m_names[0]->setFocus();
}

void frmOwnerDetail::update() {
    std::array<QString, 7> names;
    for (size_t i = 0; i < names.size(); ++i)
        names[i] = m_names[i]->text();
    if (const auto refusal = m_details.update(names)) {
        m_names[size_t(refusal->field)]->setFocus();
        return;
    }
    accept();
}

} // namespace qx
