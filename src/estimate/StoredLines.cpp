#include "estimate/StoredLines.h"

#include "data/RowCopy.h"

namespace qx {

namespace {

const QString kLineColumns = QStringLiteral("ID,ItemTable,ItemID,Sect,Secorder,qty,Unit,Name,cost,LineTotal");
const QString kWorkingLineColumns =
    QStringLiteral("lineitemid,itemtable,itemid,sect,secorder,qty,unit,name,cost,linetotal");

// The sections of the loaded lines, inside the working database, each named by its first line. The
// first line of each order number comes from the lines' section index, so the lines are not read a
// second time.
const QString kSectionsOfLines =
    QStringLiteral("insert into %1tempsect(secdesc,secorder) select l.sect, l.secorder from %1tplineitems l "
                   "where l.autoid in (select min(autoid) from %1tplineitems group by secorder) "
                   "order by l.secorder");

} // namespace

void storeLines(Database& estimate, SqlFile& working) {
    if (estimate.engine() == Database::Engine::SQLite) {
        // Inside SQLite, in one statement.
        estimate.exec(
            QStringLiteral("insert or replace into main.LineItems(%1) select %2 from work.tplineitems "
                           "order by autoid")
                .arg(kLineColumns, kWorkingLineColumns));
        return;
    }
    // On the server as in a file: the stored lines of the same keys give way, then every line goes in
    // at once (the server takes many rows fastest that way). A key above the highest stored one cannot
    // be there.
    const ResultSet lines =
        working.query(QStringLiteral("select %1 from tplineitems order by autoid").arg(kWorkingLineColumns));
    const qint64 highest =
        estimate.scalar(QStringLiteral("select coalesce(max(ID),0) from LineItems")).toLongLong();
    QStringList keys;
    for (const QVariantList& line : lines.rows) {
        if (line.at(0).toLongLong() <= highest)
            keys << QString::number(line.at(0).toLongLong());
    }
    if (!keys.isEmpty())
        estimate.exec(QStringLiteral("delete from LineItems where ID=any(cast(? as bigint array))"),
                      {QLatin1Char('{') + keys.join(QLatin1Char(',')) + QLatin1Char('}')});
    insertRows(estimate,
               QStringLiteral("insert into LineItems(%1)values(?,?,?,?,?,?,?,?,?,?)").arg(kLineColumns),
               lines.rows);
}

void loadLines(Database& estimate, SqlFile& working) {
    const QString select =
        QStringLiteral("select id,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal "
                       "from %1lineitems order by id");
    const QString columns =
        QStringLiteral("lineitemid,itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal");
    if (estimate.engine() == Database::Engine::SQLite) {
        estimate.exec(QStringLiteral("insert into work.tplineitems(%1) ").arg(columns) +
                      select.arg(QStringLiteral("main.")));
        estimate.exec(kSectionsOfLines.arg(QStringLiteral("work.")));
        return;
    }
    const ResultSet lines = estimate.query(select.arg(QString()));
    Transaction transaction(working);
    insertRows(working, QStringLiteral("insert into tplineitems(%1)values(?,?,?,?,?,?,?,?,?,?)").arg(columns),
               lines.rows);
    working.exec(kSectionsOfLines.arg(QString()));
    transaction.commit();
}

} // namespace qx
