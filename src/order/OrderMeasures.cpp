#include "order/OrderMeasures.h"

#include "data/WholeNumber.h"
#include "takeoff/LinealTypes.h"
#include "takeoff/PlanStore.h"

namespace qx {

QString OrderMeasures::text(Covers covers) const {
    if (covers == Covers::EaveAndRake || covers == Covers::Valley)
        return QString::number(of(covers), 'f', 1);
    return wholeText(std::int64_t(of(covers)));
}

OrderMeasures OrderMeasures::read(AppContext& ctx, const RoofBoxes& boxes) {
    OrderMeasures measures;
    auto set = [&](Covers covers, double value) { measures.values[size_t(covers)] = value; };
    set(Covers::RoofTotal, double(boxes.total));
    set(Covers::RoofArea, double(boxes.area));
    const ResultSet lengths =
        ctx.data.Read(ctx.conns.sTempConn,
                      QStringLiteral("select coalesce(sum(case when Type=? then Length end),0),"
                                     "coalesce(sum(case when Type=? then Length end),0) from TempLineal"),
                      {kLinealCap, kLinealStarter});
    set(Covers::CapLength, lengths.at(0, 0).toDouble());
    set(Covers::StarterLength, lengths.at(0, 1).toDouble());
    const RoofFigures figures = PlanStore(ctx.data, ctx.conns.sTempConn).load().figures();
    if (figures.ok()) {
        set(Covers::EaveAndRake, figures.length(EdgeClass::Eave) + figures.length(EdgeClass::Rake));
        set(Covers::Valley, figures.length(EdgeClass::Valley));
    }
    return measures;
}

} // namespace qx
