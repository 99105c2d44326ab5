#include "takeoff/RoofSave.h"

#include "takeoff/RoofRows.h"

#include <QList>
#include <utility>

namespace qx {

namespace {

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
    for (const QVariantList& row : rows.rows) {
        if (row.at(1).toLongLong() != 0)
            continue;
        file.exec(insert, row.mid(2));
        learned.append({row.at(0), file.lastInsertId()});
    }
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
