#include "takeoff/UiRoofPanel.h"

#include "data/InputRules.h"
#include "data/ResultTableModel.h"
#include "takeoff/PitchFactors.h"
#include "takeoff/PlanTexts.h"
#include "takeoff/frmAreas.h"
#include "takeoff/frmLineal.h"
#include "takeoff/frmPlan.h"
#include "widgets/UiDialogButtons.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qx {

QTableView* roofGrid(const QString& name, ResultTableModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    // Every column as wide as its caption and cells, so that no caption is ever cut; the last one takes
    // what room is left.
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

namespace {

// Refills a grid; an empty result (a failed read, already reported) leaves it as it was.
void refill(QTableView* view, ResultTableModel* model, const std::optional<ResultSet>& rows,
            const QStringList& captions) {
    if (!rows)
        return;
    model->setResult(*rows, captions);
    if (model->rowCount() > 0)
        view->setCurrentIndex(model->index(0, 0));
}

} // namespace

UiRoofPanel::UiRoofPanel(AppContext& ctx, WorkState& state, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_panel(ctx, state)
    , m_state(state) {
    setObjectName(QStringLiteral("frRoof"));
    auto* styles = new QHBoxLayout;
    const char* captions[2] = {"Individual Areas", "Total Area"};
    for (int i = 0; i < 2; ++i) {
        m_style[size_t(i)] = new QRadioButton(QLatin1String(captions[i]), this);
        m_style[size_t(i)]->setObjectName(QStringLiteral("optStyle_%1").arg(i));
        connect(m_style[size_t(i)], &QRadioButton::clicked, this, [this, i] { styleClicked(i); });
        styles->addWidget(m_style[size_t(i)]);
    }
    styles->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(styles);
    left->addWidget(buildTotalFrame());
    left->addWidget(buildAreasFrame(), 1);
    left->addWidget(buildTotals());

    auto* layout = new QHBoxLayout(this);
    // The areas list has the more columns, so it gets the more room.
    layout->addLayout(left, 3);
    layout->addWidget(buildLinealFrame(), 2);
    resetForEstimate();
}

QGroupBox* UiRoofPanel::buildTotalFrame() {
    m_frTotal = new QGroupBox(QStringLiteral("Total Area"), this);
    m_frTotal->setObjectName(QStringLiteral("frTotal"));
    auto* g = new QGridLayout(m_frTotal);
    const char* captions[2] = {"Width", "Height"};
    for (int i = 0; i < 2; ++i) {
        auto* box = new QLineEdit(QStringLiteral("0"), m_frTotal);
        box->setObjectName(QStringLiteral("txtArea_%1").arg(i));
        UiFocusColour::install(box);
        UiFieldCheck::installMeasure(box, m_ctx.prompter);
        m_measures[size_t(i)] = box;
        g->addWidget(new QLabel(QLatin1String(captions[i]), m_frTotal), 0, i);
        g->addWidget(box, 1, i);
    }
    m_pitch = new QComboBox(m_frTotal);
    m_pitch->setObjectName(QStringLiteral("cmbPitch"));
    g->addWidget(new QLabel(QStringLiteral("Pitch"), m_frTotal), 0, 2);
    g->addWidget(m_pitch, 1, 2);
    QPushButton* fig = namedButton(QStringLiteral("cmdPitchFig"), QStringLiteral("Figure"), m_frTotal);
    g->addWidget(fig, 1, 3);
    g->setRowStretch(2, 1);
    connect(m_pitch, &QComboBox::activated, this, &UiRoofPanel::pitchChosen);
    connect(fig, &QPushButton::clicked, this, &UiRoofPanel::figure);
    return m_frTotal;
}

QGroupBox* UiRoofPanel::buildListFrame(const ListFrame& list, ResultTableModel*& model, QTableView*& view) {
    auto* frame = new QGroupBox(list.caption, this);
    frame->setObjectName(list.frameName);
    model = new ResultTableModel(this);
    model->setResult({}, list.captions);
    view = roofGrid(list.gridName, model, frame);
    auto* buttons = new QHBoxLayout;
    const std::pair<QString, void (UiRoofPanel::*)()> commands[3] = {{QStringLiteral("Add"), list.add},
                                                                     {QStringLiteral("Edit"), list.edit},
                                                                     {QStringLiteral("Delete"), list.remove}};
    for (const auto& [caption, slot] : commands) {
        QPushButton* b = namedButton(QStringLiteral("cmd%1%2").arg(caption, list.suffix), caption, frame);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
    connect(view, &QTableView::doubleClicked, this, list.edit);
    return frame;
}

QGroupBox* UiRoofPanel::buildAreasFrame() {
    m_frInd = buildListFrame({QStringLiteral("Individual Areas"), QStringLiteral("frInd"),
                              QStringLiteral("dgAreas"), QStringLiteral("Area"), RoofAreas::gridCaptions(),
                              &UiRoofPanel::addArea, &UiRoofPanel::editArea, &UiRoofPanel::deleteArea},
                             m_areas, m_areasGrid);
    // The plan window: its facets come back as area rows of this list.
    m_cmdPlan = commandButton(QStringLiteral("cmdPlan"), QStringLiteral("From Plan..."), m_frInd, this,
                              &UiRoofPanel::openPlan);
    if (auto* buttons = qobject_cast<QBoxLayout*>(m_frInd->layout()->itemAt(1)->layout()))
        buttons->insertWidget(3, m_cmdPlan);
    return m_frInd;
}

QGroupBox* UiRoofPanel::buildLinealFrame() {
    return buildListFrame({QStringLiteral("Lineal Items"), QStringLiteral("frLineal"),
                           QStringLiteral("dgLineal"), QStringLiteral("Lineal"), LinealItems::gridCaptions(),
                           &UiRoofPanel::addLineal, &UiRoofPanel::editLineal, &UiRoofPanel::deleteLineal},
                          m_lineals, m_linealGrid);
}

QWidget* UiRoofPanel::buildTotals() {
    auto* frame = new QGroupBox(QStringLiteral("Roof Totals"), this);
    frame->setObjectName(QStringLiteral("frRoofTotals"));
    auto* row = new QHBoxLayout(frame);
    const char* captions[3] = {"Area", "Lineal", "Total"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QLineEdit(QStringLiteral("0"), frame);
        box->setObjectName(QStringLiteral("txtRoof_%1").arg(i));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight);
        m_roof[size_t(i)] = box;
        row->addWidget(new QLabel(QLatin1String(captions[i]), frame));
        row->addWidget(box);
    }
    return frame;
}

void UiRoofPanel::PopPitchCombo() {
    bIgnoreRoofEvents = true;
    m_pitch->clear();
    m_pitch->addItems(pitchEntries());
    m_pitch->setCurrentIndex(0);
    bIgnoreRoofEvents = false;
}

void UiRoofPanel::showView(RoofView view) {
    bIgnoreRoofEvents = true;
    m_style[size_t(view)]->setChecked(true);
    bIgnoreRoofEvents = false;
    m_frTotal->setVisible(view == RoofView::TotalArea);
    m_frInd->setVisible(view == RoofView::IndividualAreas);
}

void UiRoofPanel::resetForEstimate() {
    showView(RoofView::IndividualAreas);
    for (QLineEdit* box : m_measures)
        box->setText(QStringLiteral("0"));
    PopPitchCombo();
    m_areas->clear();
    m_lineals->clear();
    apply(m_panel.reset());
    enablePlan();
}

void UiRoofPanel::showOpened() {
    const OpenedRoof opened = m_panel.showOpened();
    bIgnoreRoofEvents = true;
    if (opened.view == RoofView::TotalArea) {
        m_measures[0]->setText(opened.width);
        m_measures[1]->setText(opened.height);
        m_pitch->setCurrentIndex(std::max(0, m_pitch->findText(opened.pitch)));
    }
    bIgnoreRoofEvents = false;
    showView(opened.view);
    apply(opened.show);
    enablePlan();
}

void UiRoofPanel::apply(const RoofShow& show) {
    refill(m_areasGrid, m_areas, show.areaGrid, RoofAreas::gridCaptions());
    refill(m_linealGrid, m_lineals, show.linealGrid, LinealItems::gridCaptions());
    m_roof[0]->setText(show.boxes.areaText());
    m_roof[1]->setText(show.boxes.linealText());
    m_roof[2]->setText(show.boxes.totalText());
    if (show.changed)
        emit changed();
}

qint32 UiRoofPanel::currentId(QTableView* view, ResultTableModel* model) const {
    if (model->rowCount() == 0)
        return 0;
    const int row = std::max(0, view->currentIndex().row());
    return qint32(model->cell(row, 0).toLongLong());
}

QLineEdit* UiRoofPanel::measureBox(MeasureBox box) const {
    switch (box) {
    case MeasureBox::Width:
        return m_measures[0];
    case MeasureBox::Height:
        return m_measures[1];
    case MeasureBox::None:
        break;
    }
    return nullptr;
}

void UiRoofPanel::takeOverMeasures() {
    for (QLineEdit* box : m_measures)
        UiFieldCheck::takeOver(box);
}

void UiRoofPanel::showRefusal(MeasureBox focus, MeasureBox reset) {
    if (QLineEdit* box = measureBox(reset))
        box->setText(kNumberReset);
    if (QLineEdit* box = measureBox(focus)) {
        box->setFocus();
        box->selectAll();
    }
}

void UiRoofPanel::pitchChosen() {
    if (!bIgnoreRoofEvents)
        takeOverMeasures();
    const PitchChoice choice = m_panel.choosePitch(m_pitch->currentText(), m_measures[0]->text(),
                                                   m_measures[1]->text(), bIgnoreRoofEvents);
    showRefusal(choice.focus, choice.reset);
    if (choice.refill)
        PopPitchCombo();
}

void UiRoofPanel::figure() {
    takeOverMeasures();
    const FigureShow result =
        m_panel.Figure(m_pitch->currentText(), m_measures[0]->text(), m_measures[1]->text());
    apply(result.show);
    if (result.measures) {
        m_measures[0]->setText(result.measures->first);
        m_measures[1]->setText(result.measures->second);
    }
    showRefusal(result.focus, result.reset);
}

void UiRoofPanel::styleClicked(int index) {
    const RoofView view = RoofView(index);
    // A click on the option of the view already shown changes no view: asking to clear the area would
    // make no sense, and "No" would select the other view.
    const RoofView shown = m_frTotal->isHidden() ? RoofView::IndividualAreas : RoofView::TotalArea;
    if (view == shown)
        return;
    if (!bIgnoreRoofEvents)
        takeOverMeasures();
    const ViewSwitch result =
        m_panel.switchView(bIgnoreRoofEvents, m_measures[0]->text(), m_measures[1]->text());
    switch (result.outcome) {
    case ViewSwitch::Ignored:
        return;
    case ViewSwitch::Kept:
        showView(shown);
        showRefusal(result.reset, result.reset);
        return;
    case ViewSwitch::Switched:
        if (result.clearInputs) {
            for (QLineEdit* box : m_measures)
                box->setText(QStringLiteral("0"));
            PopPitchCombo();
        }
        apply(result.show);
        showView(view);
        if (view == RoofView::TotalArea)
            m_measures[0]->setFocus();
        return;
    }
}

void UiRoofPanel::addArea() {
    frmAreas dialog(m_ctx.prompter, std::nullopt, this);
    dialog.setRoom(m_panel.room());
    dialog.exec();
    if (dialog.result())
        apply(m_panel.addArea(*dialog.result()));
}

void UiRoofPanel::editArea() {
    const qint32 id = currentId(m_areasGrid, m_areas);
    if (id == 0)
        return;
    const auto stored = m_panel.loadArea(id);
    if (!stored)
        return;
    if (stored->shape == kShapePlan) {
        m_ctx.prompter.inform(kPlanTitle, kMsgAreaFromPlan);
        return;
    }
    frmAreas dialog(m_ctx.prompter, std::pair{id, *stored}, this);
    dialog.setRoom(m_panel.room(stored->total));
    dialog.exec();
    if (dialog.result())
        apply(m_panel.editArea(id, *dialog.result()));
}

void UiRoofPanel::deleteArea() {
    apply(m_panel.deleteArea(currentId(m_areasGrid, m_areas)));
}

void UiRoofPanel::addLineal() {
    frmLineal dialog(m_ctx.data, m_panel.areaNumber(), std::nullopt, this);
    dialog.setRoom(m_panel.room());
    dialog.exec();
    if (dialog.result())
        apply(m_panel.addLineal(*dialog.result()));
}

void UiRoofPanel::editLineal() {
    const qint32 id = currentId(m_linealGrid, m_lineals);
    if (id == 0)
        return;
    const auto stored = m_panel.loadLineal(id);
    if (!stored)
        return;
    frmLineal dialog(m_ctx.data, m_panel.areaNumber(), std::pair{id, *stored}, this);
    dialog.setRoom(m_panel.room(stored->total));
    dialog.exec();
    if (dialog.result())
        apply(m_panel.editLineal(id, *dialog.result()));
}

void UiRoofPanel::deleteLineal() {
    apply(m_panel.deleteLineal(currentId(m_linealGrid, m_lineals)));
}

} // namespace qx

namespace qx {

void UiRoofPanel::showEvent(QShowEvent* event) {
    enablePlan();
    QWidget::showEvent(event);
}

void UiRoofPanel::enablePlan() {
    m_cmdPlan->setEnabled(planAvailable(m_state));
}

void UiRoofPanel::openPlan() {
    if (!planAvailable(m_state))
        return;
    frmPlan dialog(m_ctx, m_panel, this);
    dialog.exec();
    if (dialog.applied())
        apply(*dialog.applied());
    else if (dialog.planChanged())
        emit changed();
}

} // namespace qx
