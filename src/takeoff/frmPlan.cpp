#include "takeoff/frmPlan.h"

#include "data/ResultTableModel.h"
#include "takeoff/PlanTexts.h"
#include "takeoff/TakeoffTexts.h"
#include "takeoff/UiPlanCanvas.h"
#include "takeoff/UiRoofPanel.h"
#include "takeoff/frmScale.h"
#include "widgets/UiControls.h"
#include "widgets/UiDialogButtons.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineF>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qx {

namespace {

ResultSet textRows(const QList<QStringList>& rows) {
    ResultSet set;
    for (const QStringList& row : rows)
        set.rows << QVariantList(row.begin(), row.end());
    return set;
}

} // namespace

frmPlan::frmPlan(AppContext& ctx, RoofPanel& panel, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_panel(panel)
    , m_session(ctx) {
    setObjectName(QStringLiteral("frmPlan"));
    setWindowTitle(kPlanTitle);
    m_canvas = new UiPlanCanvas(this);
    m_status = plainLabel(QString(), this);
    m_status->setObjectName(QStringLiteral("lblPlanStatus"));

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_canvas, 3);
    middle->addWidget(buildLists(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildCommands());
    layout->addLayout(middle, 1);
    layout->addLayout(buttonRow({}, {commandButton(QStringLiteral("cmdApplyPlan"), QStringLiteral("Apply"),
                                                   this, this, &frmPlan::applyPlan),
                                     commandButton(QStringLiteral("cmdClosePlan"), QStringLiteral("Close"),
                                                   this, this, &frmPlan::reject)}));
    layout->insertWidget(2, m_status);

    connect(m_canvas, &UiPlanCanvas::pointClicked, this, &frmPlan::pointClicked);
    connect(m_canvas, &UiPlanCanvas::cornerDragged, this, &frmPlan::cornerDragged);
    connect(m_canvas, &UiPlanCanvas::returnPressed, this, &frmPlan::closeFacet);
    connect(m_canvas, &UiPlanCanvas::deletePressed, this, &frmPlan::deleteFacet);
    connect(m_canvas, &UiPlanCanvas::escapePressed, this, &frmPlan::cancelDraft);
    resize(1100, 760);

    m_session.load();
    m_canvas->setPlan(&m_session.plan, m_session.plan.page);
    showPage();
    refresh();
}

QLayout* frmPlan::buildCommands() {
    m_page = new QComboBox(this);
    m_page->setObjectName(QStringLiteral("cmbPage"));
    m_pitch = new QComboBox(this);
    m_pitch->setObjectName(QStringLiteral("cmbFacetPitch"));
    m_pitch->addItems(facetPitchEntries());
    m_scale = plainLabel(QString(), this);
    m_scale->setObjectName(QStringLiteral("lblScale"));
    connect(m_page, &QComboBox::activated, this, &frmPlan::pageChosen);
    connect(m_pitch, &QComboBox::activated, this, &frmPlan::pitchChosen);

    auto* row = new QHBoxLayout;
    row->addWidget(commandButton(QStringLiteral("cmdOpenPlan"), QStringLiteral("Open Plan..."), this, this,
                                 &frmPlan::openPlan));
    row->addWidget(plainLabel(QStringLiteral("Page"), this));
    row->addWidget(m_page);
    row->addWidget(commandButton(QStringLiteral("cmdScale"), QStringLiteral("Set Scale"), this, this,
                                 [this] { startTool(Tool::Scale); }));
    row->addWidget(m_scale);
    row->addSpacing(12);
    row->addWidget(commandButton(QStringLiteral("cmdFacet"), QStringLiteral("Add Facet"), this, this,
                                 [this] { startTool(Tool::Facet); }));
    row->addWidget(commandButton(QStringLiteral("cmdEave"), QStringLiteral("Set Eave"), this, this,
                                 [this] { startTool(Tool::Eave); }));
    row->addWidget(commandButton(QStringLiteral("cmdDeleteFacet"), QStringLiteral("Delete Facet"), this, this,
                                 &frmPlan::deleteFacet));
    row->addWidget(plainLabel(QStringLiteral("Pitch"), this));
    row->addWidget(m_pitch);
    row->addStretch();
    row->addWidget(commandButton(QStringLiteral("cmdZoomIn"), QStringLiteral("+"), this, m_canvas,
                                 &UiPlanCanvas::zoomIn));
    row->addWidget(commandButton(QStringLiteral("cmdZoomOut"), QStringLiteral("-"), this, m_canvas,
                                 &UiPlanCanvas::zoomOut));
    row->addWidget(
        commandButton(QStringLiteral("cmdFit"), QStringLiteral("Fit"), this, m_canvas, &UiPlanCanvas::fit));
    return row;
}

QWidget* frmPlan::buildLists() {
    auto* side = new QWidget(this);
    m_edges = new ResultTableModel(this);
    m_edges->setResult({}, edgeGridCaptions());
    m_edgesGrid = roofGrid(QStringLiteral("dgEdges"), m_edges, side);
    m_totals = new ResultTableModel(this);
    m_totals->setResult({}, planTotalsCaptions());
    QTableView* totals = roofGrid(QStringLiteral("dgPlanTotals"), m_totals, side);
    m_edgeClass = new QComboBox(side);
    m_edgeClass->setObjectName(QStringLiteral("cmbEdgeClass"));
    for (int i = 0; i < kEdgeClassCount; ++i)
        m_edgeClass->addItem(edgeClassName(EdgeClass(i)));
    m_edgeClass->setCurrentIndex(-1);
    connect(m_edgesGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmPlan::edgeChosen);
    connect(m_edgeClass, &QComboBox::activated, this, &frmPlan::edgeClassChosen);

    auto* classRow = new QHBoxLayout;
    classRow->addWidget(plainLabel(QStringLiteral("Class"), side));
    classRow->addWidget(m_edgeClass, 1);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plainLabel(QStringLiteral("Edges"), side));
    layout->addWidget(m_edgesGrid, 3);
    layout->addLayout(classRow);
    layout->addWidget(plainLabel(QStringLiteral("Totals"), side));
    layout->addWidget(totals, 2);
    return side;
}

void frmPlan::openPlan() {
    const QString path = m_ctx.prompter.chooseOpenFile(kOpenPlanTitle, kPlanFilter);
    if (path.isEmpty() || !m_session.openFile(path))
        return;
    m_draft.clear();
    m_tool = Tool::Select;
    select(0);
    showPage();
    refresh();
}

void frmPlan::pageChosen(int index) {
    m_session.plan.page = index;
    cancelDraft();
    select(0);
    showPage();
    refresh();
}

void frmPlan::showPage() {
    const PlanPages& pages = m_session.pages();
    m_page->clear();
    for (int i = 1; i <= pages.count(); ++i)
        m_page->addItem(QString::number(i));
    m_page->setCurrentIndex(m_session.plan.page);
    m_canvas->setPage(pages.page(m_session.plan.page));
    m_canvas->setPlan(&m_session.plan, m_session.plan.page);
}

void frmPlan::startTool(Tool tool) {
    if (m_session.plan.isEmpty()) {
        m_ctx.prompter.inform(kPlanTitle, kMsgOpenPlanFirst);
        return;
    }
    if (tool == Tool::Eave && m_selected == 0) {
        m_ctx.prompter.inform(kPlanTitle, kMsgSelectFacet);
        return;
    }
    m_draft.clear();
    m_canvas->setDraft({});
    m_tool = tool;
    showHint(tool == Tool::Scale ? kHintScaleFirst : tool == Tool::Facet ? kHintFacet : kHintEave);
    m_canvas->setFocus();
}

void frmPlan::pointClicked(QPointF at) {
    switch (m_tool) {
    case Tool::Scale:
        scaleClicked(at);
        return;
    case Tool::Facet:
        facetClicked(at);
        return;
    case Tool::Eave:
        if (const auto edge = m_session.plan.edgeNear(m_selected, at, m_canvas->tolerance())) {
            m_session.plan.setEave(m_selected, *edge);
            m_tool = Tool::Select;
            refresh();
        }
        return;
    case Tool::Select:
        select(m_session.plan.facetAt(m_session.plan.page, at));
        return;
    }
}

void frmPlan::scaleClicked(QPointF at) {
    m_draft << PlanSnap{PlanSnap::Free, at, 0, {}};
    QList<QPointF> points;
    for (const PlanSnap& click : m_draft)
        points << click.at;
    m_canvas->setDraft(points);
    if (m_draft.size() < 2) {
        showHint(kHintScaleSecond);
        return;
    }
    frmScale dialog(m_ctx.prompter, this);
    dialog.exec();
    if (dialog.feet()) {
        if (const auto refusal =
                m_session.plan.setScale(m_session.plan.page, points[0], points[1], *dialog.feet()))
            m_ctx.prompter.inform(kPlanTitle, *refusal);
    }
    cancelDraft();
}

void frmPlan::facetClicked(QPointF at) {
    // A click on the first corner again closes the facet.
    if (m_draft.size() >= 3 &&
        QLineF(m_canvas->screenFromImage(m_draft.first().at), m_canvas->screenFromImage(at)).length() <=
            UiPlanCanvas::kSnapPixels) {
        closeFacet();
        return;
    }
    m_draft << m_session.plan.snap(m_session.plan.page, at, m_canvas->tolerance());
    QList<QPointF> points;
    for (const PlanSnap& click : m_draft)
        points << click.at;
    m_canvas->setDraft(points);
}

void frmPlan::closeFacet() {
    if (m_tool != Tool::Facet || m_draft.size() < 3)
        return;
    const auto added = m_session.plan.addFacet(m_session.plan.page, m_draft, m_pitch->currentText().toInt());
    cancelDraft();
    if (const QString* refusal = std::get_if<QString>(&added)) {
        m_ctx.prompter.inform(kPlanTitle, *refusal);
        return;
    }
    select(std::get<std::int32_t>(added));
    refresh();
}

void frmPlan::cancelDraft() {
    m_draft.clear();
    m_canvas->setDraft({});
    m_tool = Tool::Select;
    refresh();
}

void frmPlan::pitchChosen() {
    if (m_selected == 0)
        return;
    m_session.plan.setPitch(m_selected, m_pitch->currentText().toInt());
    refresh();
}

void frmPlan::deleteFacet() {
    if (m_selected == 0)
        return;
    if (m_ctx.prompter.askYesNo(kTitleConfirmDelete, kAskDeleteFacet, Prompter::Icon::Warning,
                                Prompter::Answer::No) != Prompter::Answer::Yes)
        return;
    m_session.plan.deleteFacet(m_selected);
    select(0);
    refresh();
}

void frmPlan::cornerDragged(std::int32_t corner, QPointF to) {
    if (m_tool != Tool::Select)
        return;
    if (const auto refusal = m_session.plan.moveCorner(corner, to))
        m_ctx.prompter.inform(kPlanTitle, *refusal);
    refresh();
}

void frmPlan::edgeChosen() {
    const int row = m_edgesGrid->currentIndex().row();
    if (row < 0 || row >= m_figures.edges.size()) {
        m_edgeClass->setCurrentIndex(-1);
        return;
    }
    m_edgeClass->setCurrentIndex(int(m_figures.edges[row].cls));
}

void frmPlan::edgeClassChosen() {
    const int row = m_edgesGrid->currentIndex().row();
    if (row < 0 || row >= m_figures.edges.size() || m_edgeClass->currentIndex() < 0)
        return;
    const EdgeFigure& edge = m_figures.edges[row];
    const EdgeClass chosen = EdgeClass(m_edgeClass->currentIndex());
    // Choosing the class the edge has of itself gives it back to the geometry.
    m_session.plan.chooseClass(edge.key, chosen == edge.found ? std::nullopt : std::optional(chosen));
    refresh();
    m_edgesGrid->setCurrentIndex(m_edges->index(row, 0));
}

void frmPlan::applyPlan() {
    if (const auto show = m_session.apply(m_panel)) {
        m_applied = show;
        m_changed = true;
        accept();
    }
}

void frmPlan::reject() {
    if (m_session.keep())
        m_changed = true;
    QDialog::reject();
}

void frmPlan::select(std::int32_t facet) {
    m_selected = facet;
    m_canvas->setSelected(facet);
    if (const PlanFacet* f = m_session.plan.facet(facet))
        m_pitch->setCurrentIndex(std::max(0, m_pitch->findText(QString::number(f->pitch))));
}

void frmPlan::showHint(const QString& hint) {
    m_status->setText(hint);
}

void frmPlan::refresh() {
    m_figures = m_session.plan.figures();
    const int edgeRow = m_edgesGrid->currentIndex().row();
    m_edges->setResult(textRows(edgeGridRows(m_figures)), edgeGridCaptions());
    if (edgeRow >= 0 && edgeRow < m_edges->rowCount())
        m_edgesGrid->setCurrentIndex(m_edges->index(edgeRow, 0));
    m_totals->setResult(textRows(planTotalsRows(m_figures, m_session.rates)), planTotalsCaptions());
    const PlanScale* scale = m_session.plan.scaleOf(m_session.plan.page);
    m_scale->setText(scale ? scale->text() : QString());
    m_canvas->setProblemCorner(m_figures.problemCorner);
    m_canvas->setPlan(&m_session.plan, m_session.plan.page);
    if (m_tool == Tool::Select)
        showHint(m_session.plan.facets.isEmpty() ? QString() : m_figures.problem);
}

} // namespace qx
