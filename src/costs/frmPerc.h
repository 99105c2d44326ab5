#pragma once

#include "costs/LaborRates.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace qx {

class Prompter;

// The percentage calculator "Figure Percentage": figures one burden of a labor rate as a percentage
// of its base rate. After Okay, result() is the text for the burden's box (".00" when nothing was
// figured).
class frmPerc : public QDialog {
    Q_OBJECT
public:
    frmPerc(Prompter& prompter, Burden burden, const QString& base, const Decimal& percentage,
            QWidget* parent = nullptr);

    QString result() const;

private:
    void compute();

    Prompter& m_prompter;
    QString m_base;
    QLineEdit* m_percentage;
    QLabel* m_total;
};

} // namespace qx
