#pragma once

#include <QHBoxLayout>
#include <QPushButton>

namespace qx {

// The "Okay" and "Cancel" row of the program's small dialogs (cmdOkay, cmdCancel), right-aligned.
// Cancel rejects the dialog; `okay` runs the dialog's own checks.
template <class Dialog> QHBoxLayout* okayCancelRow(Dialog* dialog, void (Dialog::*okay)()) {
    auto* okayButton = new QPushButton(QStringLiteral("Okay"), dialog);
    okayButton->setObjectName(QStringLiteral("cmdOkay"));
    okayButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(okayButton, &QPushButton::clicked, dialog, okay);
    QObject::connect(cancelButton, &QPushButton::clicked, dialog, &Dialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(okayButton);
    row->addWidget(cancelButton);
    return row;
}

} // namespace qx
