#pragma once

#include "lines/ItemPicker.h"
#include "lines/PendingLine.h"
#include "lines/Sections.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace qx {

class ResultTableModel;

// "Select Item": the cost database on six tabs, a category filter, and the "Enter Info" panel where a
// picked item gets its quantity, price and section. Okay fills the pending line and closes; either
// Cancel (or closing the window) leaves it alone. In edit mode the panel starts with the line to edit
// and only quantity, price and section can change.
class frmPickItem : public QDialog {
    Q_OBJECT
public:
    // `editLineId` 0: add mode; otherwise the working line to edit (bLineItemEdit, lLineItemID).
    frmPickItem(AppContext& ctx, PendingLine& pending, qint32 editLineId = 0, QWidget* parent = nullptr);

    // bCancelSelectItem: the picker was left without confirming.
    bool bCancelSelectItem() const { return result() != QDialog::Accepted; }

    // Refills the six grids and the current tab's category list ("All" chosen). A cost database that
    // cannot be read is reported once: the refill stops there and gives false.
    bool RefreshGrid();
    // Shows the picker until it is left; a cost database that could not be read when the picker was
    // made (reported then) keeps it closed, as a cancelled picker.
    int exec() override;
    // Refills the section list from the estimate's sections, "Add" last.
    void PopSectionCombo();
    QPushButton* addItemButton() const { return m_addItem; }
    // Asked once Okay has filled the pending line: why the estimate cannot take it (its totals), or
    // nothing. A refused line keeps the picker open on its quantity.
    using LineCheck = std::function<std::optional<QString>()>;
    void setLineCheck(LineCheck check) { m_lineCheck = std::move(check); }

private:
    QWidget* buildBrowser();
    QGroupBox* buildPanel();
    void showRows(int tab, const ResultSet& rows);
    void PopCat();
    void FilterGrid();
    void PickGrid_DblClick(int tab);
    void PopEditForm(qint32 lineId);
    void showPicked(const PickedItem& item);
    void sectionChosen(int index);
    void selectSection(const QString& name);
    void figureTotal();
    void cmdSelect_Click();
    void cmdAddItem_Click();
    void cmdCancel_Click();

    AppContext& m_ctx;
    PendingLine& m_pending;
    ItemPicker m_picker;
    Sections m_sections;
    LineCheck m_lineCheck;

    QTabWidget* m_tabs;
    std::array<QTableView*, CostCatalogue::kTabCount> m_grids{};
    std::array<ResultTableModel*, CostCatalogue::kTabCount> m_models{};
    // Every row of each tab as last read: a category is narrowed from them without a second read.
    std::array<std::optional<ResultSet>, CostCatalogue::kTabCount> m_everyRow{};
    QComboBox* m_category;
    QPushButton* m_addItem;
    QGroupBox* m_panel;
    QLabel* m_lineId;
    QLabel* m_itemTable;
    QLabel* m_itemId;
    QLabel* m_name;
    QLabel* m_unit;
    QLineEdit* m_qty;
    QLineEdit* m_price;
    QLabel* m_total;
    QComboBox* m_section;
    bool m_loaded = true;
};

} // namespace qx
