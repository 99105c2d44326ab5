#pragma once

#include "status/OwnerDetails.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace qx {

// The owner details screen: corrects the home owner of an existing estimate without opening it.
class frmOwnerDetail : public QDialog {
    Q_OBJECT
public:
    frmOwnerDetail(AppContext& ctx, qint32 estId, QWidget* parent = nullptr);

private:
    void update();

    OwnerDetails m_details;
    QLineEdit* m_estName;
    std::array<QLineEdit*, 7> m_names{};
};

} // namespace qx
