#pragma once

#include "data/Prompter.h"

#include <QDialog>
#include <optional>

class QLineEdit;

namespace qx {

// The scale dialog: the length between the two points just clicked, in feet and inches. "Okay" hands
// it back in feet once the input rules accept it.
class frmScale : public QDialog {
    Q_OBJECT
public:
    frmScale(Prompter& prompter, QWidget* parent = nullptr);

    const std::optional<double>& feet() const { return m_feet; }

private:
    void okay();

    Prompter& m_prompter;
    QLineEdit* m_length;
    std::optional<double> m_feet;
};

} // namespace qx
