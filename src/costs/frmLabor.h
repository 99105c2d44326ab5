#pragma once

#include "costs/CostEditing.h"
#include "costs/LaborRates.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

// The labor rate editor "Manage Labor Rates": names a new rate (editor mode Add) or opens the current
// one (mode Edit), proposes and rounds its burdens and stores the burdened rate.
class frmLabor : public QDialog {
    Q_OBJECT
public:
    frmLabor(DataAccess& data, const Conn& cost, const SettingsStore& settings, CostEditing& editing,
             QWidget* parent = nullptr);

    // True when the user chose "Enter Non-Employee Labor Item": the opener goes on with the cost item
    // editor.
    bool nonEmployee() const { return m_nonEmployee; }

private:
    void buildRateBoxes(QWidget* parent);
    void loadRate();
    void PopCostItem();
    void nameRate();
    void baseLeft();
    void showTotal();
    void figurePercentage(Burden burden);
    void save();
    void chooseNonEmployee();
    BurdenTexts burdenTexts() const;
    void showBurdens(const BurdenTexts& burdens);

    DataAccess& m_data;
    CostEditing& m_editing;
    LaborRates m_rates;
    BurdenPercents m_percents;
    bool m_nonEmployee = false;

    QLineEdit* m_boxes[7] = {}; // txtLabor 0 to 6
    QWidget* m_rateArea = nullptr;
    QLabel* m_jobTitle = nullptr;
    QGroupBox* m_titleFrame = nullptr;
    QLineEdit* m_titleBox = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace qx
