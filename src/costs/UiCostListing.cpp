#include "costs/UiCostListing.h"

#include "data/ResultTableModel.h"
#include "widgets/UiFormWidgets.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>

namespace qx {

UiCostListing::UiCostListing(CostCatalogue catalogue, int tabCount, const QString& gridName, QWidget* parent)
    : QObject(parent)
    , m_catalogue(std::move(catalogue)) {
    m_tabs = new QTabWidget(parent);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < tabCount; ++tab) {
        auto* model = new ResultTableModel(this);
        model->setMoneyColumns({CostCatalogue::costColumn(tab)});
        model->setDateColumns({CostCatalogue::priceDateColumn(tab)});
        QTableView* grid = resultGrid(QStringLiteral("%1_%2").arg(gridName).arg(tab), model, m_tabs);
        m_tabs->addTab(grid, m_catalogue.tabCaption(tab));
        m_models << model;
        m_grids << grid;
        m_everyRow << std::nullopt;
    }
    m_categories = new QComboBox(parent);
    connect(m_tabs, &QTabWidget::currentChanged, this, &UiCostListing::PopCat);
    connect(m_categories, &QComboBox::activated, this, &UiCostListing::FilterGrid);
}

bool UiCostListing::RefreshGrid() {
    for (int tab = 0; tab < m_grids.size(); ++tab) {
        // The current tab is filled by PopCat, which shows it with "All": reading it twice would double
        // the wait on a large catalogue.
        if (tab == currentTab())
            continue;
        m_everyRow[tab] = m_catalogue.PopGrid(tab);
        if (!m_everyRow[tab])
            return false;
        showRows(tab, *m_everyRow[tab]);
    }
    PopCat();
    return true;
}

void UiCostListing::PopCat() {
    {
        const QSignalBlocker quiet(m_categories);
        m_categories->clear();
        m_categories->addItems(m_catalogue.PopCat(currentTab()));
        m_categories->setCurrentIndex(0);
    }
    FilterGrid();
}

void UiCostListing::FilterGrid() {
    const int tab = currentTab();
    const QString category = m_categories->currentText();
    auto& everyRow = m_everyRow[tab];
    if (category == CostCatalogue::kAll || !everyRow) {
        const ResultSet rows = m_catalogue.FilterGrid(tab, category);
        if (category == CostCatalogue::kAll)
            everyRow = rows;
        showRows(tab, rows);
        return;
    }
    showRows(tab, m_catalogue.narrow(*everyRow, tab, category));
}

int UiCostListing::currentTab() const {
    return std::max(0, m_tabs->currentIndex());
}

QTableView* UiCostListing::currentGrid() const {
    return m_grids.value(currentTab());
}

qint32 UiCostListing::currentKey() const {
    return qx::currentKey(currentGrid());
}

QVariant UiCostListing::currentCell(int column) const {
    const ResultTableModel* model = m_models.value(currentTab());
    if (!model || model->rowCount() == 0)
        return {};
    return model->cell(std::max(0, currentGrid()->currentIndex().row()), column);
}

void UiCostListing::showRows(int tab, const ResultSet& rows) {
    qx::showRows(m_grids[tab], rows, m_catalogue.captionsOf(tab));
}

} // namespace qx
