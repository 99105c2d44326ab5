#pragma once

#include "costs/CostCatalogue.h"

#include <QObject>
#include <QVector>
#include <optional>

class QComboBox;
class QTabWidget;
class QTableView;

namespace qx {

class ResultTableModel;

// The cost listing on screen: a tab per kind of cost, each with its grid (NAME_0, NAME_1, ...), and the
// category list that narrows the current tab. Switching tabs refills the category list (PopCat), which
// shows "All" and so every row; choosing a category refills the current grid (FilterGrid).
class UiCostListing : public QObject {
    Q_OBJECT
public:
    // The first `tabCount` tabs of the catalogue; the widgets belong to `parent`.
    UiCostListing(CostCatalogue catalogue, int tabCount, const QString& gridName, QWidget* parent);

    QTabWidget* tabs() const { return m_tabs; }
    QComboBox* categories() const { return m_categories; }
    CostCatalogue& catalogue() { return m_catalogue; }

    // Every grid with every row, then the category list of the current tab. A cost database that
    // cannot be read is reported once: the refill stops there and gives false.
    bool RefreshGrid();
    void PopCat();
    void FilterGrid();

    int currentTab() const;
    QTableView* currentGrid() const;
    // The key (first column) of the current tab's current row; 0 when its grid is empty.
    qint32 currentKey() const;
    // A cell of the current tab's current row; null when its grid is empty.
    QVariant currentCell(int column) const;

private:
    void showRows(int tab, const ResultSet& rows);

    CostCatalogue m_catalogue;
    QTabWidget* m_tabs;
    QComboBox* m_categories;
    QVector<QTableView*> m_grids;
    QVector<ResultTableModel*> m_models;
    // Every row of each tab as last read: a category is narrowed from them without a second read.
    QVector<std::optional<ResultSet>> m_everyRow;
};

} // namespace qx
