#include "lines/UiLinesPanel.h"

#include "costs/PriceAge.h"
#include "data/ResultTableModel.h"
#include "lines/LineTexts.h"
#include "lines/SectionOrder.h"
#include "lines/frmEditID.h"
#include "lines/frmPickItem.h"
#include "lines/frmSortSections.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qx {

UiLinesPanel::UiLinesPanel(AppContext& ctx, WorkState& state, LineItems& lines, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_state(state)
    , m_lines(lines) {
    m_model = new ResultTableModel(this);
    m_model->setMoneyColumns(EstimateGrid::moneyColumns());
    m_model->setResult({}, EstimateGrid::captions());

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdDataGrid"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid->verticalHeader()->hide();

    auto* buttons = new QVBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        void (UiLinesPanel::*command)();
    } commands[] = {{"cmdAddNewLine", "&Add Item", &UiLinesPanel::addItem},
                    {"cmdEditLine", "Edit Line", &UiLinesPanel::editLine},
                    {"cmdDeleteLine", "Delete Line", &UiLinesPanel::deleteLine},
                    {"cmdChangeOrder", "Change Order", &UiLinesPanel::changeOrder}};
    for (const auto& c : commands) {
        auto* button = new QPushButton(QLatin1String(c.caption), this);
        button->setObjectName(QLatin1String(c.name));
        connect(button, &QPushButton::clicked, this, c.command);
        buttons->addWidget(button);
    }
    m_order = new QPushButton(QStringLiteral("Material Order..."), this);
    m_order->setObjectName(QStringLiteral("cmdOrder"));
    connect(m_order, &QPushButton::clicked, this, &UiLinesPanel::materialOrder);
    buttons->addWidget(m_order);
    buttons->addStretch();

    m_priceAge = new QLabel(this);
    m_priceAge->setObjectName(QStringLiteral("lblPriceAge"));
    m_priceAge->setTextFormat(Qt::PlainText);
    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(m_grid, 1);
    gridColumn->addWidget(m_priceAge);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(gridColumn, 1);
    layout->addLayout(buttons);
}

void UiLinesPanel::showEvent(QShowEvent* event) {
    m_order->setEnabled(m_materialOrder.available && m_materialOrder.available());
    QWidget::showEvent(event);
}

void UiLinesPanel::materialOrder() {
    if (!m_materialOrder.available || !m_materialOrder.available())
        return;
    if (m_materialOrder.show(window())) {
        PopEstiGrid();
        emit linesChanged();
    }
}

void UiLinesPanel::PopEstiGrid() {
    ResultSet rows;
    m_ctx.data.Trap({QStringLiteral("PopEstiGrid"), TrapSite::Form, QStringLiteral("frmQuovi")},
                    [&] { rows = m_lines.grid().rows(); });
    m_model->setResult(rows, EstimateGrid::captions());
    m_grid->resizeColumnsToContents();
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_priceAge->setText(PriceAge::noteForEstimate(m_ctx));
}

bool UiLinesPanel::pick(qint32 lineId) {
    frmPickItem picker(m_ctx, m_lines.pending(), lineId, window());
    picker.setLineCheck([this, lineId] {
        return m_lines.lineRefusal(lineId == 0 ? LineItems::Change::Add : LineItems::Change::Edit, lineId);
    });
    picker.exec();
    return !picker.bCancelSelectItem();
}

void UiLinesPanel::addItem() {
    if (!pick(0))
        return;
    m_lines.AddLineItem(LineItems::Change::Add);
    PopEstiGrid();
    emit linesChanged();
}

void UiLinesPanel::editLine() {
    frmEditID ask(window());
    ask.exec();
    const auto id = ask.lGridID();
    if (!id || *id == 0)
        return;
    if (!m_lines.lineExists(*id)) {
        m_ctx.prompter.inform(kAppTitle, LineTexts::kNotAValidId);
        return;
    }
    if (!pick(*id))
        return;
    if (m_lines.pending().linePicked) {
        m_lines.AddLineItem(LineItems::Change::Edit, *id);
        PopEstiGrid();
    }
    m_lines.pending().linePicked = false;
    emit linesChanged();
}

void UiLinesPanel::deleteLine() {
    const int row = m_grid->currentIndex().row();
    const QVariant id = m_model->cell(row, EstimateGrid::kIdColumn);
    if (id.isNull())
        return;
    const auto answer = m_ctx.prompter.askYesNo(LineTexts::kConfirmDeleteTitle, LineTexts::kConfirmDelete,
                                                Prompter::Icon::Critical, Prompter::Answer::No);
    if (answer != Prompter::Answer::Yes)
        return;
    m_lines.AddLineItem(LineItems::Change::Delete, id.toInt());
    PopEstiGrid();
    emit linesChanged();
}

void UiLinesPanel::changeOrder() {
    if (m_model->rowCount() > 1) {
        SectionOrder order(m_ctx, m_state, m_lines);
        if (order.open()) {
            frmSortSections dialog(order, window());
            dialog.exec();
        }
        PopEstiGrid();
    }
    emit linesChanged();
}

} // namespace qx
