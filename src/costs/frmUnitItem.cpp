#include "costs/frmUnitItem.h"

#include "costs/CostTexts.h"
#include "costs/UiCostListing.h"
#include "costs/frmAddLabMat.h"
#include "costs/frmAddMat.h"
#include "costs/frmLabor.h"
#include "widgets/UiDialogButtons.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qx {

namespace {

// The category column of every tab: a labor item of category "Hourly" is a labor rate.
constexpr int kCategoryColumn = 1;

} // namespace

frmUnitItem::frmUnitItem(AppContext& ctx, PriceListCommands priceLists, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_priceLists(std::move(priceLists))
    , m_tables(ctx.data, ctx.conns.sCostConn) {
    setObjectName(QStringLiteral("frmUnitItem"));
    setWindowTitle(kTitleCostTables);
    m_listing =
        new UiCostListing(CostCatalogue(ctx.data, ctx.conns.sCostConn, CostCatalogue::Use::CostTables),
                          CostCatalogue::kTabCount, QStringLiteral("dgCost"), this);
    m_listing->categories()->setObjectName(QStringLiteral("cmbCategory"));

    auto* categoryLabel = new QLabel(QStringLiteral("View Category:"), this);
    categoryLabel->setObjectName(QStringLiteral("lblCategory"));
    auto* categoryRow = new QHBoxLayout;
    categoryRow->addWidget(categoryLabel);
    categoryRow->addWidget(m_listing->categories());
    categoryRow->addStretch();

    QHBoxLayout* buttons = buttonRow(
        {commandButton(QStringLiteral("cmdItem"), QStringLiteral("Add"), this, this, &frmUnitItem::addItem),
         commandButton(QStringLiteral("cmdEdit"), QStringLiteral("Edit"), this, this, &frmUnitItem::editItem),
         commandButton(QStringLiteral("cmdDeleteItem"), QStringLiteral("Delete"), this, this,
                       &frmUnitItem::deleteItem)},
        {commandButton(QStringLiteral("cmdImportCsv"), QStringLiteral("Import Price List..."), this, this,
                       &frmUnitItem::importCsv),
         commandButton(QStringLiteral("cmdExportCsv"), QStringLiteral("Export Price List..."), this, this,
                       [this] { m_priceLists.exportList(); }),
         commandButton(QStringLiteral("cmdClose"), QStringLiteral("Close"), this, this,
                       &frmUnitItem::accept)});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(categoryRow);
    layout->addWidget(m_listing->tabs(), 1);
    layout->addLayout(buttons);
    resize(960, 600);
    move(0, 0);
    m_loaded = m_listing->RefreshGrid();
}

int frmUnitItem::exec() {
    return m_loaded ? QDialog::exec() : QDialog::Rejected;
}

void frmUnitItem::RefreshGrid() {
    m_listing->RefreshGrid();
}

void frmUnitItem::addItem() {
    m_editing.mode = CostEditing::Mode::Add;
    openEditor(CostTables::editorForAdd(m_listing->currentTab()));
}

void frmUnitItem::editItem() {
    const qint32 id = m_listing->currentKey();
    if (id == 0)
        return;
    m_editing = {CostEditing::Mode::Edit, id};
    openEditor(CostTables::editorForEdit(m_listing->currentTab(),
                                         m_listing->currentCell(kCategoryColumn).toString()));
}

void frmUnitItem::openEditor(CostEditor editor) {
    bool nonEmployee = false;
    switch (editor) {
    case CostEditor::CostItem: {
        frmAddMat form(m_ctx.data, m_ctx.conns.sCostConn, m_editing,
                       m_listing->catalogue().tabCaption(m_listing->currentTab()), this);
        form.exec();
        break;
    }
    case CostEditor::LaborRate: {
        frmLabor form(m_ctx.data, m_ctx.conns.sCostConn, m_ctx.settings, m_editing, this);
        form.exec();
        nonEmployee = form.nonEmployee();
        break;
    }
    case CostEditor::UnitItem: {
        frmAddLabMat form(m_ctx.data, m_ctx.working, m_ctx.conns.sCostConn, m_editing, this);
        form.exec();
        break;
    }
    }
    if (nonEmployee) {
        SwitchLaborForm();
        return;
    }
    m_editing.mode = CostEditing::Mode::None;
    RefreshGrid();
}

void frmUnitItem::SwitchLaborForm() {
    frmAddMat form(m_ctx.data, m_ctx.conns.sCostConn, m_editing,
                   m_listing->catalogue().tabCaption(m_listing->currentTab()), this);
    form.exec();
    m_editing.mode = CostEditing::Mode::None;
    RefreshGrid();
}

void frmUnitItem::importCsv() {
    const int tab = m_listing->currentTab();
    const QString type = tab == CostCatalogue::kUnitTab ? kTypeMaterial : CostCatalogue::costType(tab);
    if (m_priceLists.importList(type, this))
        RefreshGrid();
}

void frmUnitItem::deleteItem() {
    const qint32 id = m_listing->currentKey();
    if (id == 0)
        return;
    const auto answer = m_ctx.prompter.askYesNo(kTitleDeleteCostItem, kAskDeleteCostItem,
                                                Prompter::Icon::Critical, Prompter::Answer::No);
    m_editing.currentId = id;
    if (answer != Prompter::Answer::Yes)
        return;
    m_tables.remove(m_listing->currentTab(), id);
    RefreshGrid();
}

} // namespace qx
