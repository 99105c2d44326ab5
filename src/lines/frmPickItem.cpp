#include "lines/frmPickItem.h"

#include "costs/CostTexts.h"
#include "costs/frmAddLabMat.h"
#include "costs/frmAddMat.h"
#include "data/InputRules.h"
#include "data/ResultTableModel.h"
#include "lines/LineTexts.h"
#include "lines/frmAddSection.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"
#include "widgets/UiFormWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace qx {

namespace {

constexpr int kMaxColumnWidth = 260;

QLabel* field(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(160);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

frmPickItem::frmPickItem(AppContext& ctx, PendingLine& pending, qint32 editLineId, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_pending(pending)
    , m_picker(ctx)
    , m_sections(ctx) {
    setObjectName(QStringLiteral("frmPickItem"));
    setWindowTitle(LineTexts::kPickerTitle);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildBrowser(), 1);
    layout->addWidget(buildPanel());
    resize(1000, 560);
    move(0, 0);

    PopSectionCombo();
    if (editLineId == 0) {
        m_loaded = RefreshGrid();
        m_panel->hide();
    } else {
        m_panel->show();
        PopEditForm(editLineId);
    }
}

QWidget* frmPickItem::buildBrowser() {
    auto* browser = new QWidget(this);
    m_tabs = new QTabWidget(browser);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < CostCatalogue::kTabCount; ++tab) {
        m_models[size_t(tab)] = new ResultTableModel(this);
        m_models[size_t(tab)]->setMoneyColumns({CostCatalogue::costColumn(tab)});
        m_models[size_t(tab)]->setDateColumns({CostCatalogue::priceDateColumn(tab)});
        m_models[size_t(tab)]->setResult({}, CostCatalogue::columnCaptions(tab));
        QTableView* grid = resultGrid(QStringLiteral("PickGrid_%1").arg(tab), m_models[size_t(tab)], m_tabs);
        m_grids[size_t(tab)] = grid;
        m_tabs->addTab(grid, m_picker.catalogue().tabCaption(tab));
        connect(grid, &QTableView::doubleClicked, this, [this, tab] { PickGrid_DblClick(tab); });
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &frmPickItem::PopCat);

    m_category = new QComboBox(browser);
    m_category->setObjectName(QStringLiteral("cmbCategory"));
    connect(m_category, &QComboBox::currentIndexChanged, this, &frmPickItem::FilterGrid);

    m_addItem = new QPushButton(QStringLiteral("Add New Cost Item"), browser);
    m_addItem->setObjectName(QStringLiteral("cmdAddItem"));
    connect(m_addItem, &QPushButton::clicked, this, &frmPickItem::cmdAddItem_Click);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), browser);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &frmPickItem::cmdCancel_Click);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("View Category:"), browser));
    top->addWidget(m_category, 1);
    top->addStretch();
    top->addWidget(m_addItem);
    top->addWidget(cancel);
    auto* layout = new QVBoxLayout(browser);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
    return browser;
}

QGroupBox* frmPickItem::buildPanel() {
    m_panel = new QGroupBox(QStringLiteral("Enter Info"), this);
    m_panel->setObjectName(QStringLiteral("frSelect"));
    m_lineId = field(QStringLiteral("lblLineID"), m_panel);
    m_itemTable = field(QStringLiteral("lblItemTable"), m_panel);
    m_itemId = field(QStringLiteral("lblID"), m_panel);
    m_name = field(QStringLiteral("lblItemName"), m_panel);
    m_name->setWordWrap(true);
    m_unit = field(QStringLiteral("lblItemUnit"), m_panel);
    m_qty = new QLineEdit(QStringLiteral("1"), m_panel);
    m_qty->setObjectName(QStringLiteral("txtItemQuan"));
    m_price = new QLineEdit(m_panel);
    m_price->setObjectName(QStringLiteral("txtItemPrice"));
    m_total = field(QStringLiteral("lblItemTotal"), m_panel);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_section = new QComboBox(m_panel);
    m_section->setObjectName(QStringLiteral("cmbSection"));
    for (QLineEdit* box : {m_qty, m_price})
        UiFocusColour::install(box);
    UiFieldCheck::install(m_qty, m_ctx.prompter, &ItemPicker::quantityProblem, QStringLiteral("0"));
    UiFieldCheck::install(m_price, m_ctx.prompter, &ItemPicker::priceProblem, QStringLiteral("0"));
    onLeave(m_price, this, [this] { figureTotal(); });
    connect(m_section, &QComboBox::activated, this, &frmPickItem::sectionChosen);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Line ID:"), m_lineId);
    form->addRow(QStringLiteral("Table:"), m_itemTable);
    form->addRow(QStringLiteral("ID:"), m_itemId);
    form->addRow(QStringLiteral("Name:"), m_name);
    form->addRow(QStringLiteral("Unit:"), m_unit);
    form->addRow(QStringLiteral("Quan:"), m_qty);
    form->addRow(QStringLiteral("Price:"), m_price);
    form->addRow(QStringLiteral("Total:"), m_total);
    form->addRow(QStringLiteral("Section:"), m_section);

    auto* okay = new QPushButton(QStringLiteral("Okay"), m_panel);
    okay->setObjectName(QStringLiteral("cmdSelect"));
    okay->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), m_panel);
    cancel->setObjectName(QStringLiteral("cmdCancelSelect"));
    connect(okay, &QPushButton::clicked, this, &frmPickItem::cmdSelect_Click);
    connect(cancel, &QPushButton::clicked, this, &frmPickItem::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okay);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(m_panel);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
    m_panel->setFixedWidth(300);
    return m_panel;
}

void frmPickItem::showRows(int tab, const ResultSet& rows) {
    m_models[size_t(tab)]->setResult(rows, CostCatalogue::columnCaptions(tab));
    // Every column as wide as what it holds, but none wider than a long name.
    fitColumns(m_grids[size_t(tab)], kMaxColumnWidth);
}

bool frmPickItem::RefreshGrid() {
    for (int tab = 0; tab < CostCatalogue::kTabCount; ++tab) {
        // The current tab is filled by PopCat, which shows it with "All": reading it twice would double
        // the wait on a large catalogue.
        if (tab == m_tabs->currentIndex())
            continue;
        m_everyRow[size_t(tab)] = m_picker.catalogue().PopGrid(tab);
        if (!m_everyRow[size_t(tab)])
            return false;
        showRows(tab, *m_everyRow[size_t(tab)]);
    }
    PopCat();
    return true;
}

int frmPickItem::exec() {
    if (m_loaded)
        return QDialog::exec();
    setResult(QDialog::Rejected);
    return QDialog::Rejected;
}

void frmPickItem::PopCat() {
    const QSignalBlocker quiet(m_category);
    m_category->clear();
    m_category->addItems(m_picker.catalogue().PopCat(m_tabs->currentIndex()));
    m_category->setCurrentIndex(0);
    FilterGrid();
}

void frmPickItem::FilterGrid() {
    const int tab = m_tabs->currentIndex();
    const QString category = m_category->currentText();
    auto& everyRow = m_everyRow[size_t(tab)];
    if (category == CostCatalogue::kAll || !everyRow) {
        const ResultSet rows = m_picker.catalogue().FilterGrid(tab, category);
        if (category == CostCatalogue::kAll)
            everyRow = rows;
        showRows(tab, rows);
        return;
    }
    showRows(tab, m_picker.catalogue().narrow(*everyRow, tab, category));
}

void frmPickItem::PopSectionCombo() {
    m_section->clear();
    m_ctx.data.Trap({QStringLiteral("PopSectionCombo"), TrapSite::Form, QStringLiteral("frmPickItem")}, [&] {
        for (const Section& section : m_sections.list())
            m_section->addItem(section.name, section.order);
    });
    m_section->addItem(kAddSectionEntry, 0);
    m_section->setCurrentIndex(-1);
}

void frmPickItem::showPicked(const PickedItem& item) {
    m_itemTable->setText(item.itemTable);
    m_itemId->setText(QString::number(item.id));
    m_name->setText(item.name);
    m_unit->setText(item.unit);
    m_price->setText(ItemPicker::priceText(item.price));
}

void frmPickItem::PickGrid_DblClick(int tab) {
    if (const auto item = m_picker.PickGrid_DblClick(tab, currentKey(m_grids[size_t(tab)]))) {
        m_panel->show();
        showPicked(*item);
    }
}

void frmPickItem::PopEditForm(qint32 lineId) {
    const auto line = m_picker.PopEditForm(lineId);
    if (!line)
        return;
    m_lineId->setText(QString::number(line->lineId));
    showPicked(line->item);
    m_qty->setText(QString::number(line->qty));
    selectSection(line->sect);
}

void frmPickItem::selectSection(const QString& name) {
    for (int i = 0; i < m_section->count(); ++i) {
        if (m_section->itemText(i) == name)
            m_section->setCurrentIndex(i);
    }
}

void frmPickItem::sectionChosen(int index) {
    if (index != m_section->count() - 1)
        return;
    frmAddSection dialog(m_sections, m_ctx.prompter, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.result())
        return;
    PopSectionCombo();
    selectSection(dialog.result()->name);
}

void frmPickItem::figureTotal() {
    if (isBlank(m_price->text()))
        return;
    if (const auto total = ItemPicker::totalText(m_qty->text(), m_price->text()))
        m_total->setText(*total);
}

void frmPickItem::cmdSelect_Click() {
    PickerEntry entry{
        m_itemTable->text(), m_itemId->text(), m_name->text(),           m_unit->text(),
        m_qty->text(),       m_price->text(),  m_section->currentText(), m_section->currentData().toInt()};
    if (const auto refusal = ItemPicker::confirm(entry, m_pending)) {
        m_ctx.prompter.inform(kAppTitle, refusal->message);
        if (refusal->field == ItemPicker::Field::Quantity)
            m_qty->setFocus();
        else if (refusal->field == ItemPicker::Field::Price)
            m_price->setFocus();
        else
            m_section->setFocus();
        return;
    }
    if (const auto refusal = m_lineCheck ? m_lineCheck() : std::nullopt) {
        m_pending.linePicked = false;
        m_ctx.prompter.inform(kAppTitle, *refusal);
        m_qty->setFocus();
        return;
    }
    figureTotal();
    m_panel->hide();
    accept();
}

void frmPickItem::cmdAddItem_Click() {
    // A new cost item starts as a material, as from the Cost Tables' first tab; on the unit items' tab a
    // new unit item is built.
    CostEditing editing;
    if (m_tabs->currentIndex() == CostCatalogue::kUnitTab) {
        frmAddLabMat(m_ctx.data, m_ctx.working, m_ctx.conns.sCostConn, editing, this).exec();
    } else {
        editing.mode = CostEditing::Mode::Add;
        frmAddMat(m_ctx.data, m_ctx.conns.sCostConn, editing, kTypeMaterial, this).exec();
    }
    RefreshGrid();
}

void frmPickItem::cmdCancel_Click() {
    m_pending.linePicked = false;
    m_pending.itemId = 0;
    reject();
}

} // namespace qx
