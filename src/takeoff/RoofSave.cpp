#include "takeoff/RoofSave.h"

#include "data/RowCopy.h"
#include "takeoff/RoofRows.h"

#include <QList>
#include <utility>

namespace qx {

namespace {

// Keys for `count` new rows of `table` taken at once from its key's sequence on the office server, so
// that the rows go in together rather than one round trip each; none for a file, where each row takes
// its key as it goes in.
QList<qint64> takeKeys(Database& file, const QString& table, qsizetype count) {
    QList<qint64> keys;
    if (file.engine() != Database::Engine::OfficeServer || count == 0)
        return keys;
    const ResultSet taken =
        file.query(QStringLiteral("select nextval(pg_get_serial_sequence(?,'id')) from generate_series(1,?)"),
                   {table, qint64(count)});
    for (const QVariantList& row : taken.rows)
        keys << row.at(0).toLongLong();
    return keys;
}

// One roof table's save. The working rows are read as ID, key, fields.
void saveTable(DataAccess& data, const Conn& working, const Conn& estimate, const RoofTable& table) {
    const QString fields = table.fieldList();
    const ResultSet rows = data.Read(
        working, QStringLiteral("select ID,%1,%2 from %3 order by ID").arg(table.key, fields, table.working));
    const QString insert =
        QStringLiteral("insert into %1(%2)Values(%3)").arg(table.stored, fields, table.marks());
    const QString insertKeeping =
        QStringLiteral("insert into %1(ID,%2)Values(?,%3)").arg(table.stored, fields, table.marks());
    const QString update =
        QStringLiteral("update %1 set %2 where id=?").arg(table.stored, table.assignments());

    Database& file = data.file(estimate);
    Transaction transaction(file);
    // Rows stored before go first: a stored row that has gone missing (a save rolled back after its
    // row learned its key) is stored again under its own key before any new row can be given that key.
    for (const QVariantList& row : rows.rows) {
        const QVariant key = row.at(1);
        if (key.toLongLong() == 0)
            continue;
        const Params values = row.mid(2);
        file.exec(update, Params(values) << key);
        if (file.changes() == 0)
            file.exec(insertKeeping, Params{key} + values);
    }
    QList<std::pair<QVariant, qint64>> learned; // working ID, stored key
    QList<QVariantList> keyed;                  // new rows under the keys taken for them
    for (const QVariantList& row : rows.rows) {
        if (row.at(1).toLongLong() == 0)
            keyed.append(row);
    }
    const QList<qint64> keys = takeKeys(file, table.stored, keyed.size());
    for (qsizetype i = 0; i < keyed.size(); ++i) {
        const QVariant id = keyed.at(i).at(0);
        if (keys.isEmpty()) {
            file.exec(insert, keyed.at(i).mid(2));
            learned.append({id, file.lastInsertId()});
        } else {
            keyed[i] = QVariantList{keys.at(i)} + keyed.at(i).mid(2);
            learned.append({id, keys.at(i)});
        }
    }
    if (!keys.isEmpty())
        insertRows(file, insertKeeping, keyed);
    transaction.commit();

    if (learned.isEmpty())
        return;
    SqlFile& work = data.local(working);
    Transaction learning(work);
    const QString learn = QStringLiteral("update %1 set %2=? where ID=?").arg(table.working, table.key);
    for (const auto& [id, key] : learned)
        work.exec(learn, {key, id});
    learning.commit();
}

} // namespace

void SaveAreas(DataAccess& data, const Conn& working, const Conn& estimate) {
    saveTable(data, working, estimate, areasTable());
}

void SaveLineals(DataAccess& data, const Conn& working, const Conn& estimate) {
    saveTable(data, working, estimate, linealTable());
}

} // namespace qx
