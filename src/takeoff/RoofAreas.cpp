#include "takeoff/RoofAreas.h"

namespace qx {

namespace {

Params areaValues(const AreaMeasures& area) {
    return {area.shape, area.pitch, area.width1, area.width2, area.height, area.total};
}

} // namespace

RoofAreas::RoofAreas(AppContext& ctx, const WorkState& state)
    : m_ctx(ctx)
    , m_state(state)
    , m_rows(ctx.data, ctx.conns.sTempConn, areasTable()) {}

const QStringList& RoofAreas::gridCaptions() {
    static const QStringList captions = {
        QStringLiteral("ID"),     QStringLiteral("AreaID"),    QStringLiteral("Shape"),
        QStringLiteral("Pitch"),  QStringLiteral("Width 1"),   QStringLiteral("Width 2"),
        QStringLiteral("Height"), QStringLiteral("Plan area"), QStringLiteral("Total")};
    return captions;
}

bool RoofAreas::add(const AreaMeasures& area) {
    return m_rows.insert(areaValues(area));
}

bool RoofAreas::update(qint32 id, const AreaMeasures& area) {
    return m_rows.update(id, areaValues(area));
}

std::optional<AreaMeasures> RoofAreas::load(qint32 id) {
    const auto row =
        m_rows.load(id, {QStringLiteral("Form_Load"), TrapSite::Form, QStringLiteral("frmAreas")});
    if (!row)
        return std::nullopt;
    // Fields: Shape, Pitch, Width1, Width2, Height, Total.
    return AreaMeasures{row->at(0).toInt(), row->at(2).toInt(), row->at(3).toInt(),
                        row->at(4).toInt(), row->at(5).toInt(), row->at(1).toInt()};
}

bool RoofAreas::remove(qint32 id) {
    return m_rows.remove(id, estimateFile(m_state), quoviSite("cmdDeleteArea_Click"));
}

bool RoofAreas::clearAll() {
    return m_rows.removeAll(estimateFile(m_state), quoviSite("optStyle_Click"));
}

std::optional<ResultSet> RoofAreas::rowsOfShape(std::int32_t shape, const TrapSite& site) {
    std::optional<ResultSet> rows;
    m_ctx.data.Trap(site, [&] {
        rows = m_ctx.data.Read(m_ctx.conns.sTempConn,
                               QStringLiteral("select ID,Total from TempAreas where Shape=? order by ID"),
                               {shape});
    });
    return rows;
}

std::optional<ResultSet> RoofAreas::PopAreaGrid() {
    // A facet's cells for the measures of a shape stay empty, and a shape's for a facet's.
    auto rows =
        m_rows.list(QStringLiteral("select ID,areaid,"
                                   "case when shape=%1 then 'Facet '||(select count(*) from tempareas f "
                                   "where f.shape=%1 and f.ID<=a.ID) else shape end,"
                                   "case when shape=%1 then pitch end,case when shape<>%1 then width1 end,"
                                   "case when shape<>%1 then width2 end,case when shape<>%1 then height end,"
                                   "case when shape=%1 then width1 end,total from tempareas a order by ID")
                        .arg(kShapePlan),
                    quoviSite("PopAreaGrid"));
    if (rows)
        rows->columns = gridCaptions();
    return rows;
}

std::optional<qint64> RoofAreas::sumTotal() {
    return m_rows.sumTotal(quoviSite("TotalArea"));
}

bool RoofAreas::storeFigure(const FigureRow& row) {
    std::optional<qint64> count;
    m_ctx.data.Trap(quoviSite("cmdPitchFig_Click"), [&] {
        count = m_ctx.data.ReadScalar(m_ctx.conns.sTempConn, QStringLiteral("select count(*) from tempareas"))
                    .toLongLong();
    });
    if (!count)
        return false;
    if (*count == 0) {
        return m_ctx.data.ActionQuery(
            QStringLiteral("Insert into tempareas(pitch,width1,height,total)values(?,?,?,?)"),
            m_ctx.conns.sTempConn, {row.pitch, row.width, row.height, row.total});
    }
    return m_ctx.data.ActionQuery(QStringLiteral("update tempareas set pitch=?, width1=?, height=?, total=? "
                                                 "where id=(select max(id) from tempareas)"),
                                  m_ctx.conns.sTempConn, {row.pitch, row.width, row.height, row.total});
}

std::optional<FigureRow> RoofAreas::figuredRow(const TrapSite& site) {
    const auto rows = m_rows.list(
        QStringLiteral("select pitch,width1,height,total,shape from tempareas order by ID limit 2"), site);
    if (!rows || rows->size() != 1 || rows->at(0, 0).toInt() == 0 || rows->at(0, 4).toInt() == kShapePlan)
        return std::nullopt;
    return FigureRow{rows->at(0, 0).toInt(), rows->at(0, 1).toInt(), rows->at(0, 2).toInt(),
                     rows->at(0, 3).toInt()};
}

} // namespace qx
