#include "takeoff/RoofPanel.h"

#include "takeoff/PlanStore.h"
#include "takeoff/PlanTexts.h"
#include "takeoff/TakeoffTexts.h"

namespace qx {

RoofPanel::RoofPanel(AppContext& ctx, WorkState& state)
    : m_ctx(ctx)
    , m_state(state)
    , m_areas(ctx, state)
    , m_lineals(ctx, state)
    , m_totals(m_areas, m_lineals)
    , m_figure(ctx.data, m_areas, m_totals) {}

RoofShow RoofPanel::current(bool changed) {
    if (changed)
        m_state.bChanged = true;
    RoofShow show;
    show.changed = changed;
    show.boxes = m_totals.boxes();
    return show;
}

RoofShow RoofPanel::afterAreas(bool changed) {
    auto grid = m_areas.PopAreaGrid();
    m_totals.TotalArea();
    RoofShow show = current(changed);
    show.areaGrid = std::move(grid);
    return show;
}

RoofShow RoofPanel::afterLineals(bool changed) {
    auto grid = m_lineals.PopLinealGrid();
    m_totals.TotalOther();
    RoofShow show = current(changed);
    show.linealGrid = std::move(grid);
    return show;
}

bool RoofPanel::confirmDelete(const QString& question) {
    return m_ctx.prompter.askYesNo(kTitleConfirmDelete, question, Prompter::Icon::Warning,
                                   Prompter::Answer::No) == Prompter::Answer::Yes;
}

RoofShow RoofPanel::reset() {
    m_totals.reset();
    return current(false);
}

OpenedRoof RoofPanel::showOpened() {
    OpenedRoof opened;
    const auto figured =
        m_areas.figuredRow({QStringLiteral("PopRoofArea"), TrapSite::Module, QStringLiteral("modOpenEst")});
    if (figured) {
        opened.view = RoofView::TotalArea;
        opened.pitch = QString::number(figured->pitch);
        opened.width = QString::number(figured->width);
        opened.height = QString::number(figured->height);
        m_totals.showArea(figured->total);
    } else {
        opened.show.areaGrid = m_areas.PopAreaGrid();
        m_totals.TotalArea();
    }
    // Lineal items and totals are shown whatever the areas are, also for an estimate without areas.
    opened.show.linealGrid = m_lineals.PopLinealGrid();
    m_totals.TotalOther();
    opened.show.boxes = m_totals.boxes();
    return opened;
}

PitchChoice RoofPanel::choosePitch(const QString& pitch, const QString& width, const QString& height,
                                   bool ignoreRoofEvents) {
    return m_figure.choosePitch(pitch, width, height, ignoreRoofEvents);
}

FigureShow RoofPanel::Figure(const QString& pitch, const QString& width, const QString& height) {
    const FigureOutcome outcome = m_figure.Figure(pitch, width, height);
    FigureShow show{outcome.focus, outcome.reset, current(outcome.stored), std::nullopt};
    if (outcome.stored)
        show.measures = std::pair{wholeText(outcome.width), wholeText(outcome.height)};
    return show;
}

ViewSwitch RoofPanel::switchView(bool ignoreRoofEvents, const QString& width, const QString& height) {
    ViewSwitch result;
    if (ignoreRoofEvents)
        return result;
    result.reset = m_figure.checkMeasures(width, height);
    if (result.reset != MeasureBox::None) {
        result.outcome = ViewSwitch::Kept;
        result.show = current(false);
        return result;
    }
    if (m_totals.boxes().area != 0) {
        const auto answer =
            m_ctx.prompter.askYesNo(kAppTitle, kAskChangeView, Prompter::Icon::Warning, Prompter::Answer::No);
        // A clearing that failed (reported) leaves the rows and the view as they were.
        if (answer != Prompter::Answer::Yes || !m_areas.clearAll()) {
            result.outcome = ViewSwitch::Kept;
            result.show = current(false);
            return result;
        }
        m_totals.showArea(0);
        result.clearInputs = true;
        result.show = current(true);
        result.show.areaGrid = m_areas.PopAreaGrid();
    } else {
        result.show = current(false);
    }
    result.outcome = ViewSwitch::Switched;
    return result;
}

RoofShow RoofPanel::addArea(const AreaMeasures& area) {
    return afterAreas(m_areas.add(area));
}

RoofShow RoofPanel::editArea(qint32 id, const AreaMeasures& area) {
    if (id <= 0)
        return current(false);
    return afterAreas(m_areas.update(id, area));
}

RoofShow RoofPanel::deleteArea(qint32 id) {
    if (id <= 0 || !confirmDelete(kAskDeleteArea))
        return current(false);
    return afterAreas(m_areas.remove(id));
}

RoofShow RoofPanel::addLineal(const LinealItem& item) {
    return afterLineals(m_lineals.add(item));
}

RoofShow RoofPanel::editLineal(qint32 id, const LinealItem& item) {
    if (id <= 0)
        return current(false);
    return afterLineals(m_lineals.update(id, item));
}

RoofShow RoofPanel::deleteLineal(qint32 id) {
    if (id <= 0 || !confirmDelete(kAskDeleteItem))
        return current(false);
    return afterLineals(m_lineals.remove(id));
}

} // namespace qx

namespace qx {

std::optional<RoofShow> RoofPanel::applyPlan(const PlanRows& rows) {
    const TrapSite site{QStringLiteral("cmdApplyPlan_Click"), TrapSite::Form, QStringLiteral("frmPlan")};
    PlanStore store(m_ctx.data, m_ctx.conns.sTempConn);
    QList<qint32> made;
    qint64 madeTotal = 0;
    const bool read = m_ctx.data.Trap(site, [&] {
        const auto items = store.madeItems();
        made = {items.first, items.second, store.madeWaste()};
        madeTotal = m_ctx.data
                        .ReadScalar(m_ctx.conns.sTempConn,
                                    QStringLiteral("select sum(Total) from TempLineal where ID in (?,?,?)"),
                                    {made[0], made[1], made[2]})
                        .toLongLong();
    });
    const auto madeAreas = m_areas.rowsOfShape(kShapePlan, site);
    if (!read || !madeAreas)
        return std::nullopt;
    qint64 madeAreaTotal = 0;
    for (const QVariantList& row : madeAreas->rows)
        madeAreaTotal += row.at(1).toLongLong();
    // The cut waste is figured from the Area box as it stands once the plan's areas are in.
    qint64 areaAfter = boxes().area - madeAreaTotal;
    for (const AreaMeasures& area : rows.areas)
        areaAfter += area.total;
    std::optional<LinealItem> waste;
    bool wasteFits = true;
    if (rows.waste) {
        const auto total = GetTotal(kLinealPercent, rows.waste->percent, double(areaAfter));
        wasteFits = total.has_value();
        if (total)
            waste = LinealItem{kLinealPercent, kCutWasteName, rows.waste->percent, *total};
    }
    if (!wasteFits || rows.total() + (waste ? waste->total : 0) > room(madeTotal + madeAreaTotal)) {
        m_ctx.prompter.inform(kPlanTitle, kMsgPlanTooLarge);
        return std::nullopt;
    }

    for (const QVariantList& row : madeAreas->rows)
        m_areas.remove(qint32(row.at(0).toLongLong()));
    for (qint32 id : made) {
        if (id != 0)
            m_lineals.remove(id);
    }
    for (const AreaMeasures& area : rows.areas)
        m_areas.add(area);
    const auto addItem = [&](const std::optional<LinealItem>& item) -> qint32 {
        if (!item || !m_lineals.add(*item))
            return 0;
        return qint32(m_ctx.data.file(m_ctx.conns.sTempConn).lastInsertId());
    };
    const qint32 cap = addItem(rows.cap);
    const qint32 starter = addItem(rows.starter);
    const qint32 wasteId = addItem(waste);
    m_ctx.data.Trap(site, [&] {
        store.setMadeItems(cap, starter);
        store.setMadeWaste(wasteId);
    });

    RoofShow show = afterAreas(true);
    show.linealGrid = afterLineals(true).linealGrid;
    show.boxes = m_totals.boxes();
    return show;
}

} // namespace qx
