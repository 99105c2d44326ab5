#pragma once

#include "data/DataAccess.h"
#include "takeoff/LinealTypes.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLineEdit;

namespace qx {

// The lineal item dialog: name, type and length; "Okay" hands back the item with its total, figured
// from the roof's area at this moment.
class frmLineal : public QDialog {
    Q_OBJECT
public:
    // `area`: the number in the roof panel's Area box; `editing`: the row's ID and stored item.
    frmLineal(DataAccess& data, double area, std::optional<std::pair<qint32, LinealItem>> editing,
              QWidget* parent = nullptr);
    // The largest total the item may have (RoofPanel::room); a larger one is refused at "Okay".
    void setRoom(std::int64_t room) { m_room = room; }

    const std::optional<LinealItem>& result() const { return m_result; }
    bool bFrmLinealCancel() const { return !m_result.has_value(); }

private:
    QWidget* fieldWidget(LinealField field) const;
    void okay();

    DataAccess& m_data;
    double m_area;
    std::int64_t m_room = kMaxMeasure;
    QLineEdit* m_id;
    QLineEdit* m_name;
    QComboBox* m_type;
    QLineEdit* m_length;
    std::optional<LinealItem> m_result;
};

} // namespace qx
