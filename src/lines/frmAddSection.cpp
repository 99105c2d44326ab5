#include "lines/frmAddSection.h"

#include "lines/LineTexts.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"
#include "widgets/UiFormWidgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

frmAddSection::frmAddSection(Sections& sections, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_sections(sections)
    , m_prompter(prompter) {
    setObjectName(QStringLiteral("frmAddSection"));
    setWindowTitle(LineTexts::kAddSectionTitle);
    m_box = typedComboBox(QStringLiteral("cmbSection"), this);
    setEntries(m_box, QStringList{QString()} + sections.rememberedNames());
    UiFocusColour::install(m_box);
    UiFieldCheck::installLength(m_box, prompter, kSectionNameLength);

    auto* saveButton = new QPushButton(QStringLiteral("Save"), this);
    saveButton->setObjectName(QStringLiteral("cmdSave"));
    saveButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    connect(saveButton, &QPushButton::clicked, this, &frmAddSection::save);
    connect(cancelButton, &QPushButton::clicked, this, &frmAddSection::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(LineTexts::kAddSectionHint, this));
    layout->addWidget(m_box);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

void frmAddSection::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_box->setFocus();
}

void frmAddSection::save() {
    const QString text = m_box->currentText();
    const bool chosen = m_box->currentIndex() > 0 && m_box->itemText(m_box->currentIndex()) == text;
    if (const auto why = Sections::refusal(text)) {
        m_prompter.inform(kAppTitle, *why);
        m_box->setEditText(QString());
        m_box->setFocus();
        return;
    }
    m_result = m_sections.save(text, chosen);
    accept();
}

} // namespace qx
