#pragma once

#include "data/AppContext.h"
#include "takeoff/PlanSession.h"
#include "takeoff/RoofPanel.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QTableView;

namespace qx {

class ResultTableModel;
class UiPlanCanvas;

// The roof plan window: open a plan, set its scale, trace the facets with their pitch and eave, see
// the edges and totals, and apply them to the estimate. The drawing is kept with the estimate
// whether it is applied or not.
class frmPlan : public QDialog {
    Q_OBJECT
public:
    frmPlan(AppContext& ctx, RoofPanel& panel, QWidget* parent = nullptr);

    // After "Apply": what the roof panel shows now.
    const std::optional<RoofShow>& applied() const { return m_applied; }
    // The plan changed (applied or not): the estimate is changed.
    bool planChanged() const { return m_changed; }

    // Closing the window any way but "Apply" keeps the drawing.
    void reject() override;

private:
    enum class Tool { Select, Scale, Facet, Eave };

    QLayout* buildCommands();
    QWidget* buildLists();

    void openPlan();
    void pageChosen(int index);
    void showPage();
    void startTool(Tool tool);
    void pointClicked(QPointF at);
    void scaleClicked(QPointF at);
    void facetClicked(QPointF at);
    void closeFacet();
    void cancelDraft();
    void pitchChosen();
    void deleteFacet();
    void cornerDragged(std::int32_t corner, QPointF to);
    void edgeChosen();
    void edgeClassChosen();
    void applyPlan();
    // Figures the plan again and shows it: canvas, edges, totals, the status line.
    void refresh();
    void select(std::int32_t facet);
    void showHint(const QString& hint);

    AppContext& m_ctx;
    RoofPanel& m_panel;
    PlanSession m_session;
    RoofFigures m_figures;
    Tool m_tool = Tool::Select;
    QList<PlanSnap> m_draft;
    std::int32_t m_selected = 0;
    std::optional<RoofShow> m_applied;
    bool m_changed = false;

    UiPlanCanvas* m_canvas = nullptr;
    QComboBox* m_page = nullptr;
    QComboBox* m_pitch = nullptr;
    QComboBox* m_edgeClass = nullptr;
    QLabel* m_scale = nullptr;
    QLabel* m_status = nullptr;
    QTableView* m_edgesGrid = nullptr;
    ResultTableModel* m_edges = nullptr;
    ResultTableModel* m_totals = nullptr;
};

} // namespace qx
