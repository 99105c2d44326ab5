#include "estimate/UiOwnerPanel.h"

#include "estimate/OwnerTexts.h"
#include "widgets/UiControls.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

QLabel* helpLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = plainLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #1f4e79;"));
    // Room for two lines: a wrapped label in a grid is otherwise measured one line short.
    label->setMinimumHeight(label->fontMetrics().lineSpacing() * 2 + 6);
    return label;
}

} // namespace

QLineEdit* UiOwnerPanel::addBox(const QString& name, int maxLength, Prompter& prompter) {
    QLineEdit* box = focusBox(name, this);
    UiFieldCheck::installLength(box, prompter, maxLength);
    return box;
}

UiOwnerPanel::UiOwnerPanel(Prompter& prompter, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("frOwner"));
    for (int i = 0; i < 7; ++i)
        m_names[size_t(i)] = addBox(QStringLiteral("txtName_%1").arg(i),
                                    ownerFieldMaxLength(OwnerField(int(OwnerField::Name0) + i)), prompter);
    m_estName = addBox(QStringLiteral("txtEstName"), ownerFieldMaxLength(OwnerField::EstName), prompter);

    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("cmbEstType"));
    m_type->setEditable(true);
    m_type->setInsertPolicy(QComboBox::NoInsert);
    // Listed types that start the same way are offered in a popup, never filled in: a typed "Roof"
    // stays "Roof" where "Roofing" is listed.
    m_type->completer()->setCompletionMode(QCompleter::PopupCompletion);
    UiFocusColour::install(m_type);
    UiFieldCheck::installLength(m_type, prompter, ownerFieldMaxLength(OwnerField::Type));

    m_heading = plainLabel(OwnerTexts::kEnterHeading, this);
    m_heading->setObjectName(QStringLiteral("lblOwnerHead"));
    m_heading->setWordWrap(true);
    QFont headFont = m_heading->font();
    headFont.setBold(true);
    m_heading->setFont(headFont);
    m_typeHelp = helpLabel(QStringLiteral("lblTypeHelp"), OwnerTexts::kTypeHelp, this);
    m_nameHelp = helpLabel(QStringLiteral("lblNameHelp"), OwnerTexts::kNameHelp, this);
    m_tabWarning = helpLabel(QStringLiteral("lblTabWarn"), OwnerTexts::kTabWarning, this);

    m_start = new QPushButton(QStringLiteral("Start"), this);
    m_start->setObjectName(QStringLiteral("cmdStartEst"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_import = new QPushButton(QStringLiteral("Import from Kontavi"), this);
    m_import->setObjectName(QStringLiteral("cmdImport"));
    m_import->setEnabled(false);
    connect(m_start, &QPushButton::clicked, this, &UiOwnerPanel::startClicked);
    connect(m_cancel, &QPushButton::clicked, this, &UiOwnerPanel::cancelClicked);
    connect(m_import, &QPushButton::clicked, this, &UiOwnerPanel::importClicked);

    // Captions sit over their boxes; the form keeps a readable width on a large window.
    auto* formBox = new QWidget(this);
    formBox->setFixedWidth(720);
    auto* form = new QGridLayout(formBox);
    form->setContentsMargins(0, 0, 0, 0);
    form->setHorizontalSpacing(10);
    form->addWidget(m_typeHelp, 0, 0, 1, 5);
    form->addWidget(plainLabel(QStringLiteral("Est Type:"), this), 1, 0);
    form->addWidget(m_type, 1, 1, 1, 2);
    form->addWidget(m_nameHelp, 2, 0, 1, 5);
    form->addWidget(plainLabel(QStringLiteral("Estimate Name:"), this), 3, 0);
    form->addWidget(m_estName, 3, 1, 1, 2);
    form->setRowMinimumHeight(4, 10);
    form->addWidget(plainLabel(QStringLiteral("First Name"), this), 5, 1, 1, 2);
    form->addWidget(plainLabel(QStringLiteral("Last Name or Company Name"), this), 5, 3, 1, 2);
    form->addWidget(m_names[0], 6, 1, 1, 2);
    form->addWidget(m_names[1], 6, 3, 1, 2);
    form->addWidget(plainLabel(QStringLiteral("Address"), this), 7, 0);
    form->addWidget(m_names[2], 7, 1, 1, 4);
    form->addWidget(plainLabel(QStringLiteral("City, St & Zip"), this), 8, 0);
    form->addWidget(m_names[3], 8, 1, 1, 4);
    form->addWidget(plainLabel(QStringLiteral("Home Phone"), this), 9, 1);
    form->addWidget(plainLabel(QStringLiteral("Work Phone"), this), 9, 2);
    form->addWidget(plainLabel(QStringLiteral("Ext."), this), 9, 3);
    form->addWidget(m_names[4], 10, 1);
    form->addWidget(m_names[5], 10, 2);
    form->addWidget(m_names[6], 10, 3);
    for (int column = 1; column <= 4; ++column)
        form->setColumnStretch(column, 1);
    form->setRowMinimumHeight(11, 10);
    form->addWidget(m_tabWarning, 12, 0, 1, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_import);
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    form->addLayout(buttons, 13, 0, 1, 5);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 12, 16, 12);
    column->addWidget(m_heading);
    column->addSpacing(6);
    column->addWidget(formBox, 0, Qt::AlignLeft);
    column->addStretch();

    setTabOrder(m_type, m_estName);
    setTabOrder(m_estName, m_names[0]);
    for (int i = 0; i < 6; ++i)
        setTabOrder(m_names[size_t(i)], m_names[size_t(i + 1)]);
    setTabOrder(m_names[6], m_start);
    setTabOrder(m_start, m_cancel);
}

OwnerInput UiOwnerPanel::input() const {
    OwnerInput in;
    for (size_t i = 0; i < m_names.size(); ++i)
        in.names[i] = m_names[i]->text();
    in.type = m_type->currentText();
    in.estName = m_estName->text();
    return in;
}

void UiOwnerPanel::setTypes(const QStringList& types) {
    const QString typed = m_type->currentText();
    m_type->clear();
    m_type->addItems(types);
    m_type->setCurrentIndex(0);
    m_type->setEditText(typed.isEmpty() ? QString() : typed);
}

void UiOwnerPanel::clearFields() {
    for (QLineEdit* box : m_names)
        box->clear();
    m_estName->clear();
    m_type->setEditText(QString());
}

void UiOwnerPanel::setEstimateName(const QString& name) {
    m_estName->setText(name);
}

void UiOwnerPanel::showOwner(const OwnerInput& owner) {
    setOwnerNames(owner.names);
    m_type->setEditText(owner.type);
    m_estName->setText(owner.estName);
}

void UiOwnerPanel::setOwnerNames(const std::array<QString, 7>& names) {
    for (size_t i = 0; i < m_names.size(); ++i)
        m_names[i]->setText(names[i]);
}

void UiOwnerPanel::LockOwner(bool locked) {
    for (QLineEdit* box : m_names)
        box->setReadOnly(locked);
    m_estName->setReadOnly(locked);
    m_type->lineEdit()->setReadOnly(locked);
    // A locked type box must not change through its list either.
    m_type->setEnabled(!locked);
    if (locked)
        m_heading->setText(OwnerTexts::kLockedHeading);
    m_typeHelp->setVisible(!locked);
    m_nameHelp->setVisible(!locked);
    m_tabWarning->setVisible(!locked);
}

void UiOwnerPanel::setHeading(const QString& text) {
    m_heading->setText(text);
}

void UiOwnerPanel::setStartCancelEnabled(bool enabled) {
    m_start->setEnabled(enabled);
    m_cancel->setEnabled(enabled);
}

void UiOwnerPanel::setImportEnabled(bool enabled) {
    m_import->setEnabled(enabled);
}

QWidget* UiOwnerPanel::fieldWidget(OwnerField field) const {
    switch (field) {
    case OwnerField::Type:
        return m_type;
    case OwnerField::EstName:
        return m_estName;
    default:
        return m_names.at(size_t(field));
    }
}

void UiOwnerPanel::focusField(OwnerField field, bool clear) {
    if (clear) {
        if (field == OwnerField::Type)
            m_type->setEditText(QString());
        else if (auto* box = qobject_cast<QLineEdit*>(fieldWidget(field)))
            box->clear();
    }
    fieldWidget(field)->setFocus();
}

} // namespace qx
