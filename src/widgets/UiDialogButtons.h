#pragma once

#include "widgets/UiControls.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace qx {

// A named button that runs `slot` of `receiver` when clicked.
template <class Receiver, class Slot>
QPushButton* commandButton(const QString& name, const QString& caption, QWidget* parent, Receiver* receiver,
                           Slot slot) {
    QPushButton* button = namedButton(name, caption, parent);
    QObject::connect(button, &QPushButton::clicked, receiver, slot);
    return button;
}

// A row of command buttons: `left` at the left edge, `right` at the right edge.
inline QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> left,
                              std::initializer_list<QPushButton*> right) {
    auto* row = new QHBoxLayout;
    for (QPushButton* button : left)
        row->addWidget(button);
    row->addStretch();
    for (QPushButton* button : right)
        row->addWidget(button);
    return row;
}

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
