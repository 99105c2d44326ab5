#pragma once

#include "takeoff/AreaShapes.h"

#include <QDialog>
#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace qx {

// The area dialog: one flat shape (rectangle, triangle or trapezoid) and its measures. "Okay" hands the
// computed area back; "Cancel" or the window's close hands back nothing.
class frmAreas : public QDialog {
    Q_OBJECT
public:
    // `editing`: the working row's ID and its stored measures, when an existing row is edited.
    frmAreas(Prompter& prompter, std::optional<std::pair<qint32, AreaMeasures>> editing,
             QWidget* parent = nullptr);

    // The area from "Okay"; empty when the dialog was cancelled.
    const std::optional<AreaMeasures>& result() const { return m_result; }
    // The largest area the dialog may hand back (RoofPanel::room); a larger one is refused at "Okay".
    void setRoom(std::int64_t room) { m_room = room; }
    bool bFrmAreasCancel() const { return !m_result.has_value(); }

private:
    void showShape(std::optional<std::int32_t> shape);
    std::optional<std::int32_t> chosenShape() const;
    QWidget* fieldWidget(AreaField field) const;
    void okay();

    Prompter& m_prompter;
    std::int64_t m_room = kMaxMeasure;
    QComboBox* m_shape;
    std::array<QLineEdit*, 4> m_boxes{};
    std::array<QLabel*, 4> m_labels{};
    std::optional<AreaMeasures> m_result;
};

} // namespace qx
