#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;

namespace qx {

// "Enter ID# ": asks for the ID of the line to edit. OK takes a whole number and closes; an empty or
// non-numeric text leaves the dialog open. Cancel (or closing the window) gives nothing.
class frmEditID : public QDialog {
    Q_OBJECT
public:
    explicit frmEditID(QWidget* parent = nullptr);

    // lGridID: the typed ID once OK closed the dialog; nothing when it was cancelled (bEstEditCancel).
    std::optional<qint32> lGridID() const { return m_id; }

private:
    void ok();

    QLineEdit* m_box;
    std::optional<qint32> m_id;
};

} // namespace qx
