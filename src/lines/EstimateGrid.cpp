#include "lines/EstimateGrid.h"

namespace qx {

const QString EstimateGrid::kSeparator = QStringLiteral("     * * * * * * * * * *");

EstimateGrid::EstimateGrid(DataAccess& data, const Conn& temp)
    : m_data(data)
    , m_temp(temp) {}

QStringList EstimateGrid::captions() {
    return {QStringLiteral("ID"),         QStringLiteral("Name"),     QStringLiteral("Type"),
            QStringLiteral("Qty"),        QStringLiteral("Unit"),     QStringLiteral("Cost"),
            QStringLiteral("Line Total"), QStringLiteral("Sub Total")};
}

QSet<int> EstimateGrid::moneyColumns() {
    return {5, 6, 7};
}

QString EstimateGrid::subtotalName(const QString& section) {
    return QStringLiteral("Total for ") + section;
}

void EstimateGrid::RePopGrid() {
    SqlFile& file = m_data.local(m_temp);
    Transaction transaction(file);
    file.exec(QStringLiteral("delete from estigrid"));
    // Every order number that lines carry makes a section, named by its TempSect row (or, should that
    // row be missing, by the lines' own section name), so no line is ever left out of the grid.
    const ResultSet sections = file.query(QStringLiteral(
        "select l.secorder, coalesce((select t.secdesc from tempsect t where t.secorder=l.secorder "
        "order by t.autoid limit 1), min(l.sect), '?'), sum(l.linetotal) from tplineitems l "
        "group by l.secorder order by l.secorder"));
    for (const QVariantList& section : sections.rows) {
        const QVariant& order = section.at(0);
        const QString name = section.at(1).toString();
        file.exec(QStringLiteral("insert into estigrid(secorder,name)values(?,?)"), {order, name});
        file.exec(QStringLiteral("insert into estigrid(tplineitemid,estid,lineitemid,itemid,secorder,name,"
                                 "itemtable,qty,unit,cost,linetotal) select autoid,estid,lineitemid,itemid,"
                                 "secorder,name,itemtable,qty,unit,cost,linetotal from tplineitems "
                                 "where secorder=? order by itemid,autoid"),
                  {order});
        file.exec(QStringLiteral("insert into estigrid(secorder,name,subtotal)values(?,?,?)"),
                  {order, subtotalName(name), section.at(2)});
        file.exec(QStringLiteral("insert into estigrid(secorder,name)values(?,?)"), {order, kSeparator});
    }
    transaction.commit();
}

ResultSet EstimateGrid::rows() {
    return m_data.Read(m_temp, QStringLiteral("select TpLineItemID,Name,itemtable,Qty,Unit,cost,LineTotal,"
                                              "subtotal from estigrid order by autoid asc"));
}

} // namespace qx
