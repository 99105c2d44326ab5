#pragma once

#include "costs/CostEditing.h"
#include "costs/CostItemEditor.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace qx {

// The cost item editor "Add/Edit Cost Item": adds a cost item, or changes the current one when the
// editor mode is Edit. `presetType` is the type a new item starts with.
class frmAddMat : public QDialog {
    Q_OBJECT
public:
    frmAddMat(DataAccess& data, const Conn& cost, CostEditing& editing, const QString& presetType,
              QWidget* parent = nullptr);

private:
    void fill(const CostItemFields& fields);
    CostItemFields fields() const;
    QWidget* box(CostItemField field) const;
    void save();

    DataAccess& m_data;
    CostEditing& m_editing;
    CostItemEditor m_editor;
    QLineEdit* m_id;
    QComboBox* m_type;
    QComboBox* m_category;
    QComboBox* m_manufacturer;
    QLineEdit* m_sku;
    QLineEdit* m_name;
    QComboBox* m_unit;
    QLineEdit* m_description;
    QLineEdit* m_amount;
    QComboBox* m_covers;
    QLineEdit* m_coverage;
};

} // namespace qx
