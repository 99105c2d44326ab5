#pragma once

#include "lines/EstimateTotals.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace qx {

// "Admin Amounts - <caption>": changes one administrative amount to a fixed amount ("$") or a
// percentage ("%"). Okay with an empty box does nothing; a number that is out of range or no number is
// refused with its message and the dialog stays open.
class frmAdminEdit : public QDialog {
    Q_OBJECT
public:
    frmAdminEdit(EstimateTotals& totals, Prompter& prompter, int index, QWidget* parent = nullptr);

private:
    void okay();

    EstimateTotals& m_totals;
    Prompter& m_prompter;
    int m_index;
    QRadioButton* m_fixed;
    QRadioButton* m_percent;
    QLineEdit* m_box;
};

} // namespace qx
