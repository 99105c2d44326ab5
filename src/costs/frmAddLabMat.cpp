#include "costs/frmAddLabMat.h"

#include "costs/CostInput.h"
#include "costs/CostTexts.h"
#include "costs/UiCostListing.h"
#include "costs/frmQty.h"
#include "data/ResultTableModel.h"
#include "widgets/UiDialogButtons.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"
#include "widgets/UiFormWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qx {

namespace {

// The "Included Items" grid's money columns: Cost and Line Total.
const QSet<int> kItemMoneyColumns = {7, 8};

} // namespace

frmAddLabMat::frmAddLabMat(DataAccess& data, WorkingDb& working, const Conn& cost, CostEditing& editing,
                           QWidget* parent)
    : QDialog(parent)
    , m_data(data)
    , m_cost(cost)
    , m_editing(editing)
    , m_builder(data, working, cost) {
    setObjectName(QStringLiteral("frmAddLabMat"));
    setWindowTitle(kTitleUnitItem);

    m_items = new ResultTableModel(this);
    m_items->setMoneyColumns(kItemMoneyColumns);
    m_itemGrid = resultGrid(QStringLiteral("DataGrid1"), m_items, this);
    auto* totalFrame = new QGroupBox(QStringLiteral("Item Total"), this);
    m_total = new QLabel(Money().toCurrency(), totalFrame);
    m_total->setObjectName(QStringLiteral("lblTotal"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    (new QHBoxLayout(totalFrame))->addWidget(m_total);

    // The opener puts the editor mode back when the builder has closed.
    QHBoxLayout* buttons = buttonRow(
        {commandButton(QStringLiteral("cmdAddItem"), QStringLiteral("Add Item"), this, this,
                       &frmAddLabMat::showSelectFrame),
         commandButton(QStringLiteral("cmdEditItem"), QStringLiteral("Edit Item Qty"), this, this,
                       &frmAddLabMat::editQuantity),
         commandButton(QStringLiteral("cmdDeleteItem"), QStringLiteral("Delete Item"), this, this,
                       &frmAddLabMat::deleteItem)},
        {commandButton(QStringLiteral("cmdSave"), QStringLiteral("Save"), this, this, &frmAddLabMat::save),
         commandButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), this, this,
                       &frmAddLabMat::reject)});

    auto* itemsRow = new QHBoxLayout;
    itemsRow->addWidget(m_itemGrid, 1);
    itemsRow->addWidget(totalFrame, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addWidget(new QLabel(QStringLiteral("Included Items"), this));
    layout->addLayout(itemsRow, 1);
    layout->addLayout(buttons);
    layout->addWidget(buildSelectFrame(), 1);
    resize(860, 560);

    m_builder.CreateUnitDB();
    m_listing->RefreshGrid();
    setEntries(m_category, m_builder.PopCatCombo());
    setEntries(m_unit, m_builder.PopUnitCombo());
    if (m_editing.editing()) {
        m_builder.PopTempTable(m_editing.currentId);
        if (const auto stored = m_builder.loadHeader(m_editing.currentId)) {
            m_name->setText(stored->name);
            m_category->setEditText(stored->category);
            m_unit->setEditText(stored->unit);
            m_description->setText(stored->description);
            m_description->setCursorPosition(0);
        }
    }
    PopItemGrid();
    ComputeTotal();
    move(0, 0);
}

QWidget* frmAddLabMat::buildHeader() {
    auto* header = new QWidget(this);
    m_name = new QLineEdit(header);
    m_name->setObjectName(QStringLiteral("txtItem"));
    m_category = typedComboBox(QStringLiteral("cmbCategory"), header);
    m_unit = typedComboBox(QStringLiteral("cmbUnit"), header);
    m_description = new QLineEdit(header);
    m_description->setObjectName(QStringLiteral("txtDesc"));

    Prompter& prompter = m_data.prompter();
    using F = UnitField;
    for (F f : {F::Name, F::Description})
        UiFieldCheck::install(
            static_cast<QLineEdit*>(box(f)), prompter,
            [f](const QString& text) { return UnitItemBuilder::lengthProblem(f, text); }, QString());
    for (F f : {F::Category, F::Unit})
        UiFieldCheck::install(
            static_cast<QComboBox*>(box(f)), prompter,
            [f](const QString& text) { return UnitItemBuilder::lengthProblem(f, text); }, QString());
    for (F f : {F::Name, F::Category, F::Unit, F::Description})
        UiFocusColour::install(box(f));

    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Item Category Unit Description"), header), 0, 0, 1, 4);
    grid->addWidget(m_name, 1, 0);
    grid->addWidget(m_category, 1, 1);
    grid->addWidget(m_unit, 1, 2);
    grid->addWidget(m_description, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 4);
    return header;
}

QGroupBox* frmAddLabMat::buildSelectFrame() {
    m_selectFrame = new QGroupBox(QStringLiteral("Select Item"), this);
    m_selectFrame->setObjectName(QStringLiteral("fraSelectItem"));
    // The five kinds of cost item; their tab captions equal the cost types.
    m_listing = new UiCostListing(CostCatalogue(m_data, m_cost, CostCatalogue::Use::CostTables),
                                  CostCatalogue::kUnitTab, QStringLiteral("dgCost"), m_selectFrame);
    m_listing->categories()->setObjectName(QStringLiteral("cmbCat"));
    m_quantity = new QLineEdit(m_selectFrame);
    m_quantity->setObjectName(QStringLiteral("txtQty"));
    UiFocusColour::install(m_quantity);
    UiFieldCheck::install(m_quantity, m_data.prompter(), quantityProblem, QStringLiteral("1"));
    auto* select = commandButton(QStringLiteral("cmSelectItem"), QStringLiteral("Select"), m_selectFrame,
                                 this, &frmAddLabMat::selectItem);
    auto* cancel = commandButton(QStringLiteral("cmdCancelItem"), QStringLiteral("Cancel"), m_selectFrame,
                                 m_selectFrame, &QWidget::hide);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Category:"), m_selectFrame));
    row->addWidget(m_listing->categories());
    row->addWidget(new QLabel(kHintSelectItem, m_selectFrame), 1);
    row->addWidget(m_quantity);
    row->addWidget(select);
    row->addWidget(cancel);
    auto* layout = new QVBoxLayout(m_selectFrame);
    layout->addWidget(m_listing->tabs(), 1);
    layout->addLayout(row);
    m_selectFrame->hide();
    return m_selectFrame;
}

void frmAddLabMat::PopItemGrid() {
    if (const auto rows = m_builder.PopItemGrid())
        showRows(m_itemGrid, *rows, UnitItemBuilder::gridCaptions());
}

void frmAddLabMat::ComputeTotal() {
    m_total->setText(m_builder.ComputeTotal().toCurrency());
}

void frmAddLabMat::showSelectFrame() {
    m_quantity->setText(QStringLiteral("1"));
    m_selectFrame->show();
}

void frmAddLabMat::selectItem() {
    const auto quantity = readQuantity(m_quantity->text());
    if (!quantity) {
        m_data.prompter().inform(kAppTitle, *quantityProblem(m_quantity->text()));
        m_quantity->setText(QStringLiteral("1"));
        m_quantity->setFocus();
        return;
    }
    if (const qint32 id = m_listing->currentKey(); id != 0) {
        if (const auto refusal = m_builder.addComponent(id, *quantity)) {
            m_data.prompter().inform(kAppTitle, *refusal);
            m_quantity->setFocus();
            m_quantity->selectAll();
            return;
        }
        PopItemGrid();
    }
    m_selectFrame->hide();
    ComputeTotal();
}

void frmAddLabMat::editQuantity() {
    const qint32 id = currentKey(m_itemGrid);
    const auto quantity = id != 0 ? m_builder.quantityOf(id) : std::nullopt;
    if (!quantity)
        return;
    frmQty prompt(m_data.prompter(), *quantity, this);
    if (prompt.exec() != QDialog::Accepted)
        return;
    if (const auto refusal = m_builder.changeQuantity(id, prompt.quantity()))
        m_data.prompter().inform(kAppTitle, *refusal);
    PopItemGrid();
    ComputeTotal();
}

void frmAddLabMat::deleteItem() {
    const qint32 id = currentKey(m_itemGrid);
    if (id == 0)
        return;
    if (m_data.prompter().askYesNo(kTitleDeleteCostItem, kAskDeleteCostItem, Prompter::Icon::Critical,
                                   Prompter::Answer::No) == Prompter::Answer::Yes) {
        m_builder.removeComponent(id);
        PopItemGrid();
    }
    ComputeTotal();
}

void frmAddLabMat::save() {
    const UnitHeader typed = header();
    if (const auto problem = UnitItemBuilder::check(typed)) {
        m_data.prompter().inform(kAppTitle, problem->message);
        box(problem->field)->setFocus();
        return;
    }
    m_builder.save(m_editing, typed);
    accept();
}

UnitHeader frmAddLabMat::header() const {
    return {m_name->text(), m_category->currentText(), m_unit->currentText(), m_description->text()};
}

QWidget* frmAddLabMat::box(UnitField field) const {
    switch (field) {
    case UnitField::Name:
        return m_name;
    case UnitField::Category:
        return m_category;
    case UnitField::Unit:
        return m_unit;
    case UnitField::Description:
        break;
    }
    return m_description;
}

} // namespace qx
