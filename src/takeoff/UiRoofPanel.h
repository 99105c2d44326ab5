#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "takeoff/RoofPanel.h"

#include <QWidget>
#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace qx {

class ResultTableModel;

// A read-only list of whole rows, one selected at a time, its columns filling its width: the lists of
// the roof panel and of the plan window.
QTableView* roofGrid(const QString& name, ResultTableModel* model, QWidget* parent);

// The "Area" tab: the view switch, the total-area inputs or the individual areas list, the lineal items
// and the three roof totals. Every action goes to the roof model; this only shows what it returns.
class UiRoofPanel : public QWidget {
    Q_OBJECT
public:
    UiRoofPanel(AppContext& ctx, WorkState& state, QWidget* parent = nullptr);

    // Every estimate starts clean: view "Individual Areas", boxes "0", no pitch, empty lists.
    void resetForEstimate();
    // An opened estimate: after its rows were copied into the working database, the view its stored
    // rows ask for, both lists and the totals.
    void showOpened();
    // The three roof totals as the boxes show them (the roof detail prints them).
    const RoofBoxes& boxes() const { return m_panel.boxes(); }

protected:
    void showEvent(QShowEvent* event) override;

signals:
    // A roof edit: the estimate is now changed.
    void changed();

private:
    // A list with its Add, Edit and Delete commands (cmdAdd<suffix>, ...); double-click edits.
    struct ListFrame {
        QString caption;
        QString frameName;
        QString gridName;
        QString suffix;
        QStringList captions;
        void (UiRoofPanel::*add)();
        void (UiRoofPanel::*edit)();
        void (UiRoofPanel::*remove)();
    };
    QGroupBox* buildListFrame(const ListFrame& list, ResultTableModel*& model, QTableView*& view);
    QGroupBox* buildTotalFrame();
    QGroupBox* buildAreasFrame();
    QGroupBox* buildLinealFrame();
    QWidget* buildTotals();

    void PopPitchCombo();
    void showView(RoofView view);
    void apply(const RoofShow& show);
    qint32 currentId(QTableView* grid, ResultTableModel* model) const;
    QLineEdit* measureBox(MeasureBox box) const;
    // The measure boxes are about to be checked by a command (see UiFieldCheck::takeOver).
    void takeOverMeasures();
    // After a refusal: `reset` (a refused measure box) is set to kNumberReset, `focus` gets the focus.
    void showRefusal(MeasureBox focus, MeasureBox reset);

    void pitchChosen();
    void figure();
    void styleClicked(int index);
    void addArea();
    void editArea();
    void deleteArea();
    void addLineal();
    void editLineal();
    void deleteLineal();
    void openPlan();
    // "From Plan..." follows the work mode.
    void enablePlan();

    AppContext& m_ctx;
    RoofPanel m_panel;
    bool bIgnoreRoofEvents = false;

    std::array<QRadioButton*, 2> m_style{};
    QGroupBox* m_frTotal = nullptr;
    QGroupBox* m_frInd = nullptr;
    std::array<QLineEdit*, 2> m_measures{};
    QComboBox* m_pitch = nullptr;
    QTableView* m_areasGrid = nullptr;
    ResultTableModel* m_areas = nullptr;
    QTableView* m_linealGrid = nullptr;
    ResultTableModel* m_lineals = nullptr;
    std::array<QLineEdit*, 3> m_roof{};
    QPushButton* m_cmdPlan = nullptr;
    const WorkState& m_state;
};

} // namespace qx
