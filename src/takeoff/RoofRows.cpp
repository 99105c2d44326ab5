#include "takeoff/RoofRows.h"

#include "takeoff/AreaShapes.h"

namespace qx {

const RoofTable& areasTable() {
    static const RoofTable table{QStringLiteral("TempAreas"),
                                 QStringLiteral("AreaID"),
                                 QStringLiteral("Areas"),
                                 {QStringLiteral("Shape"), QStringLiteral("Pitch"), QStringLiteral("Width1"),
                                  QStringLiteral("Width2"), QStringLiteral("Height"),
                                  QStringLiteral("Total")}};
    return table;
}

const RoofTable& linealTable() {
    static const RoofTable table{
        QStringLiteral("TempLineal"),
        QStringLiteral("LinealID"),
        QStringLiteral("Lineal"),
        {QStringLiteral("Type"), QStringLiteral("Name"), QStringLiteral("Length"), QStringLiteral("Total")}};
    return table;
}

void upgradeTracedFacets(SqlFile& working) {
    // A facet of this build never has a Height, so only an earlier build's rows match.
    working.exec(QStringLiteral("update TempAreas set Pitch=Height, Height=0 "
                                "where Shape=? and Pitch=0 and Height<>0"),
                 {kShapePlan});
}

QString RoofTable::marks() const {
    QStringList list;
    for (qsizetype i = 0; i < fields.size(); ++i)
        list << QStringLiteral("?");
    return list.join(QLatin1Char(','));
}

RoofRows::RoofRows(DataAccess& data, const Conn& working, const RoofTable& table)
    : m_data(data)
    , m_working(working)
    , m_table(table) {}

bool RoofRows::insert(const Params& values) {
    const QString sql = QStringLiteral("insert into %1(%2,%3)values(0,%4)")
                            .arg(m_table.working, m_table.key, m_table.fieldList(), m_table.marks());
    return m_data.ActionQuery(sql, m_working, values);
}

bool RoofRows::update(qint32 id, const Params& values) {
    const QString sql =
        QStringLiteral("update %1 set %2 where id=?").arg(m_table.working, m_table.assignments());
    return m_data.ActionQuery(sql, m_working, Params(values) << id);
}

std::optional<QVariantList> RoofRows::load(qint32 id, const TrapSite& site) {
    std::optional<QVariantList> row;
    m_data.Trap(site, [&] {
        const ResultSet rows = m_data.Read(
            m_working,
            QStringLiteral("select %1 from %2 where id=?").arg(m_table.fieldList(), m_table.working), {id});
        if (!rows.isEmpty())
            row = rows.rows.first();
    });
    return row;
}

bool RoofRows::remove(qint32 id, const std::optional<Conn>& estimate, const TrapSite& site) {
    std::optional<qint64> storedKey;
    m_data.Trap(site, [&] {
        const QVariant key = m_data.ReadScalar(
            m_working, QStringLiteral("select %1 from %2 where id=?").arg(m_table.key, m_table.working),
            {id});
        if (!key.isNull())
            storedKey = key.toLongLong();
    });
    if (!storedKey)
        return false;
    // A stored row goes at once: nothing else would ever take it out of the estimate file.
    if (*storedKey != 0 && estimate)
        m_data.ActionQuery(QStringLiteral("delete from %1 where id=?").arg(m_table.stored), *estimate,
                           {*storedKey});
    return m_data.ActionQuery(QStringLiteral("delete from %1 where id=?").arg(m_table.working), m_working,
                              {id});
}

bool RoofRows::removeAll(const std::optional<Conn>& estimate, const TrapSite& site) {
    const bool storedGone = m_data.Trap(site, [&] {
        if (!estimate)
            return;
        const ResultSet keys = m_data.Read(
            m_working, QStringLiteral("select %1 from %2 where %1<>0").arg(m_table.key, m_table.working));
        if (keys.isEmpty())
            return;
        Database& file = m_data.file(*estimate);
        Transaction transaction(file);
        for (const QVariantList& key : keys.rows)
            file.exec(QStringLiteral("delete from %1 where id=?").arg(m_table.stored), {key.first()});
        transaction.commit();
    });
    if (!storedGone)
        return false;
    return m_data.ActionQuery(QStringLiteral("DELETE from %1").arg(m_table.working), m_working);
}

std::optional<qint64> RoofRows::sumTotal(const TrapSite& site) {
    std::optional<qint64> sum;
    m_data.Trap(site, [&] {
        sum = m_data.ReadScalar(m_working, QStringLiteral("select sum(total) from %1").arg(m_table.working))
                  .toLongLong(); // no rows: null, which reads as 0
    });
    return sum;
}

std::optional<ResultSet> RoofRows::list(const QString& sql, const TrapSite& site) {
    std::optional<ResultSet> rows;
    m_data.Trap(site, [&] { rows = m_data.Read(m_working, sql); });
    return rows;
}

} // namespace qx
