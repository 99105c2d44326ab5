#include "costs/frmAddMat.h"

#include "costs/CostCovers.h"
#include "costs/CostInput.h"
#include "costs/CostTexts.h"
#include "widgets/UiDialogButtons.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"
#include "widgets/UiFormWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

QLineEdit* field(int index, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("txtFields_%1").arg(index));
    return box;
}

} // namespace

frmAddMat::frmAddMat(DataAccess& data, const Conn& cost, CostEditing& editing, const QString& presetType,
                     QWidget* parent)
    : QDialog(parent)
    , m_data(data)
    , m_editing(editing)
    , m_editor(data, cost) {
    setObjectName(QStringLiteral("frmAddMat"));
    setWindowTitle(kTitleCostItem);

    m_id = field(0, this);
    m_id->setReadOnly(true);
    m_id->setFocusPolicy(Qt::NoFocus);
    m_type = typedComboBox(QStringLiteral("cmbType"), this);
    m_category = typedComboBox(QStringLiteral("cmbCat"), this);
    m_manufacturer = typedComboBox(QStringLiteral("cmbManuf"), this);
    m_manufacturer->setToolTip(kHintManufacturer);
    m_sku = field(4, this);
    m_name = field(1, this);
    m_unit = typedComboBox(QStringLiteral("cmbUnit"), this);
    m_description = field(2, this);
    m_amount = field(3, this);
    m_covers = new QComboBox(this);
    m_covers->setObjectName(QStringLiteral("cmbCovers"));
    m_covers->addItems(coversEntries());
    m_coverage = new QLineEdit(this);
    m_coverage->setObjectName(QStringLiteral("txtCoverage"));

    setEntries(m_category, m_editor.categories());
    setEntries(m_unit, m_editor.units());
    setEntries(m_type, CostItemEditor::types());
    setEntries(m_manufacturer, m_editor.PopComboManufacturer());

    Prompter& prompter = data.prompter();
    using F = CostItemField;
    for (F f : {F::Type, F::Category, F::Manufacturer, F::Unit})
        UiFieldCheck::installLength(static_cast<QComboBox*>(box(f)), prompter, CostItemEditor::maxLength(f));
    for (F f : {F::Sku, F::Name, F::Description})
        UiFieldCheck::installLength(static_cast<QLineEdit*>(box(f)), prompter, CostItemEditor::maxLength(f));
    UiFieldCheck::install(
        m_amount, prompter,
        [](const QString& text) { return isBlank(text) ? std::nullopt : amountProblem(text); },
        QStringLiteral("0"));
    UiFieldCheck::install(
        m_coverage, prompter,
        [this](const QString& text) {
            return isBlank(text) ? std::nullopt
                                 : CostItemEditor::coverageProblem(m_covers->currentText(), text);
        },
        QString());
    for (F f : {F::Type, F::Category, F::Manufacturer, F::Sku, F::Name, F::Unit, F::Description, F::Amount,
                F::Covers, F::Coverage})
        UiFocusColour::install(box(f));

    auto* form = new QFormLayout;
    form->addRow(m_id);
    form->addRow(QStringLiteral("Type:"), m_type);
    form->addRow(QStringLiteral("Category:"), m_category);
    form->addRow(QStringLiteral("Manufacturer:"), m_manufacturer);
    form->addRow(QStringLiteral("SKU:"), m_sku);
    form->addRow(QStringLiteral("Name:"), m_name);
    form->addRow(QStringLiteral("Unit:"), m_unit);
    form->addRow(QStringLiteral("Desc:"), m_description);
    form->addRow(QStringLiteral("Amount:"), m_amount);
    form->addRow(QStringLiteral("Covers:"), m_covers);
    form->addRow(QStringLiteral("Per unit:"), m_coverage);

    auto* saveButton =
        commandButton(QStringLiteral("cmdSave"), QStringLiteral("&Save"), this, this, &frmAddMat::save);
    saveButton->setDefault(true);
    // The opener puts the editor mode back when the editor has closed.
    QHBoxLayout* buttons =
        buttonRow({}, {saveButton, commandButton(QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), this,
                                                 this, &frmAddMat::reject)});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    if (m_editing.editing()) {
        m_id->setText(QString::number(m_editing.currentId));
        if (const auto stored = m_editor.load(m_editing.currentId))
            fill(*stored);
    } else {
        m_type->setEditText(presetType);
    }
    m_id->setVisible(m_editing.editing());
}

void frmAddMat::fill(const CostItemFields& fields) {
    m_type->setEditText(fields.type);
    m_category->setEditText(fields.category);
    m_name->setText(fields.name);
    m_unit->setEditText(fields.unit);
    m_description->setText(fields.description);
    m_amount->setText(fields.amount);
    m_sku->setText(fields.sku);
    m_manufacturer->setEditText(fields.manufacturer);
    m_covers->setCurrentText(fields.covers);
    m_coverage->setText(fields.coverage);
}

CostItemFields frmAddMat::fields() const {
    return {
        m_type->currentText(),   m_category->currentText(), m_manufacturer->currentText(), m_sku->text(),
        m_name->text(),          m_unit->currentText(),     m_description->text(),         m_amount->text(),
        m_covers->currentText(), m_coverage->text()};
}

QWidget* frmAddMat::box(CostItemField field) const {
    switch (field) {
    case CostItemField::Type:
        return m_type;
    case CostItemField::Category:
        return m_category;
    case CostItemField::Manufacturer:
        return m_manufacturer;
    case CostItemField::Sku:
        return m_sku;
    case CostItemField::Name:
        return m_name;
    case CostItemField::Unit:
        return m_unit;
    case CostItemField::Description:
        return m_description;
    case CostItemField::Amount:
        return m_amount;
    case CostItemField::Covers:
        return m_covers;
    case CostItemField::Coverage:
        return m_coverage;
    }
    return m_type;
}

void frmAddMat::save() {
    const CostItemFields typed = fields();
    if (const auto problem = CostItemEditor::check(typed)) {
        m_data.prompter().inform(kAppTitle, problem->message);
        box(problem->field)->setFocus();
        return;
    }
    m_editor.save(m_editing, typed);
    accept();
}

} // namespace qx
