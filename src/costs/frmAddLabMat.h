#pragma once

#include "costs/CostEditing.h"
#include "costs/UnitItemBuilder.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace qx {

class ResultTableModel;
class UiCostListing;

// The unit item builder "Cost per unit": a unit item's header and its components, built in the
// scratch list and stored by Save. Editor mode Edit opens the current unit item; any other mode starts
// a new one.
class frmAddLabMat : public QDialog {
    Q_OBJECT
public:
    frmAddLabMat(DataAccess& data, WorkingDb& working, const Conn& cost, CostEditing& editing,
                 QWidget* parent = nullptr);

private:
    QWidget* buildHeader();
    QGroupBox* buildSelectFrame();
    void PopItemGrid();
    void ComputeTotal();
    void showSelectFrame();
    void selectItem();
    void editQuantity();
    void deleteItem();
    void save();
    UnitHeader header() const;
    QWidget* box(UnitField field) const;

    DataAccess& m_data;
    const Conn& m_cost;
    CostEditing& m_editing;
    UnitItemBuilder m_builder;

    QLineEdit* m_name = nullptr;
    QComboBox* m_category = nullptr;
    QComboBox* m_unit = nullptr;
    QLineEdit* m_description = nullptr;
    ResultTableModel* m_items = nullptr;
    QTableView* m_itemGrid = nullptr;
    QLabel* m_total = nullptr;
    QGroupBox* m_selectFrame = nullptr;
    UiCostListing* m_listing = nullptr;
    QLineEdit* m_quantity = nullptr;
};

} // namespace qx
