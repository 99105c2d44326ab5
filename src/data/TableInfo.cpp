#include "data/TableInfo.h"

namespace qx {

bool hasTable(Database& db, const QString& table) {
    if (db.engine() == Database::Engine::SQLite)
        return !db.scalar(QStringLiteral("select 1 from sqlite_master where type='table' and name=? "
                                         "collate nocase"),
                          {table})
                    .isNull();
    return !db.scalar(QStringLiteral("select 1 from information_schema.tables where "
                                     "table_schema=current_schema() and table_name=lower(?)"),
                      {table})
                .isNull();
}

QStringList tableColumns(Database& db, const QString& table) {
    QStringList columns;
    if (db.engine() == Database::Engine::SQLite) {
        // The table's name goes into the statement itself: only a plain name is let through.
        if (table.contains(QLatin1Char('"')) || table.contains(QLatin1Char(')')))
            return columns;
        for (const QVariantList& row : db.query(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)).rows)
            columns << row.at(1).toString();
        return columns;
    }
    for (const QVariantList& row :
         db.query(QStringLiteral(
                      "select column_name::text from information_schema.columns where "
                      "table_schema=current_schema() and table_name=lower(?) order by ordinal_position"),
                  {table})
             .rows)
        columns << row.at(0).toString();
    return columns;
}

} // namespace qx
