#pragma once

#include <QDialog>

class QLineEdit;

namespace qx {

class Prompter;

// The quantity prompt "Edit Quanity" of the unit item builder. After Save, quantity() is the new
// quantity; Cancel (or closing the window) leaves the quantity unchanged.
class frmQty : public QDialog {
    Q_OBJECT
public:
    frmQty(Prompter& prompter, double quantity, QWidget* parent = nullptr);

    double quantity() const { return m_quantity; }

private:
    void save();

    Prompter& m_prompter;
    QLineEdit* m_box;
    double m_quantity;
};

} // namespace qx
