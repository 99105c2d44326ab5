#include "takeoff/LinealItems.h"

namespace qx {

namespace {

Params itemValues(const LinealItem& item) {
    return {item.type, item.name, item.length, item.total};
}

} // namespace

LinealItems::LinealItems(AppContext& ctx, const WorkState& state)
    : m_state(state)
    , m_rows(ctx.data, ctx.conns.sTempConn, linealTable()) {}

const QStringList& LinealItems::gridCaptions() {
    static const QStringList captions = {QStringLiteral("ID"),     QStringLiteral("LinID"),
                                         QStringLiteral("Type"),   QStringLiteral("Name"),
                                         QStringLiteral("Length"), QStringLiteral("Total")};
    return captions;
}

bool LinealItems::add(const LinealItem& item) {
    return m_rows.insert(itemValues(item));
}

bool LinealItems::update(qint32 id, const LinealItem& item) {
    return m_rows.update(id, itemValues(item));
}

std::optional<LinealItem> LinealItems::load(qint32 id) {
    const auto row =
        m_rows.load(id, {QStringLiteral("Form_Load"), TrapSite::Form, QStringLiteral("frmLineal")});
    if (!row)
        return std::nullopt;
    // Fields: Type, Name, Length, Total.
    return LinealItem{row->at(0).toInt(), row->at(1).toString(), row->at(2).toInt(), row->at(3).toInt()};
}

bool LinealItems::remove(qint32 id) {
    return m_rows.remove(id, estimateFile(m_state), quoviSite("cmdDeleteLineal_Click"));
}

std::optional<ResultSet> LinealItems::PopLinealGrid() {
    auto rows =
        m_rows.list(QStringLiteral("select ID,linealid,type,name,length,total from templineal order by ID"),
                    quoviSite("PopLinealGrid"));
    if (rows)
        rows->columns = gridCaptions();
    return rows;
}

std::optional<qint64> LinealItems::sumTotal() {
    return m_rows.sumTotal(quoviSite("TotalOther"));
}

} // namespace qx
