#include "setup/frmGreeting.h"

#include "setup/Greeting.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

frmGreeting::frmGreeting(SettingsStore& store, QWidget* parent)
    : QDialog(parent)
    , m_store(store) {
    setObjectName(QStringLiteral("frmGreeting"));
    setWindowTitle(QStringLiteral("Welcome to Quorvex"));

    auto* label = new QLabel(Greeting::text(), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setMinimumWidth(520);

    m_show = new QCheckBox(QStringLiteral("Show at startup"), this);
    m_show->setObjectName(QStringLiteral("chkShowGreet"));
    m_show->setChecked(true);

    auto* okay = new QPushButton(QStringLiteral("Okay"), this);
    okay->setObjectName(QStringLiteral("cmdOkay"));
    okay->setDefault(true);
    connect(okay, &QPushButton::clicked, this, &frmGreeting::okay);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_show);
    buttons->addStretch();
    buttons->addWidget(okay);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void frmGreeting::okay() {
    Greeting::okay(m_store, m_show->isChecked());
    accept();
}

} // namespace qx
