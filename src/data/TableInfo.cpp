#include "data/TableInfo.h"

namespace qx {

bool hasTable(Database& db, const QString& table) {
    if (db.engine() == Database::Engine::SQLite)
        return !db.scalar(QStringLiteral("select 1 from sqlite_master where type='table' and name=? "
                                         "collate nocase"),
                          {table})
                    .isNull();
    // The server's catalogue, not its information schema: that is a view it works out at length.
    return db.scalar(QStringLiteral("select to_regclass(quote_ident(lower(?))) is not null"), {table})
               .toLongLong() != 0;
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
         db.query(
               QStringLiteral(
                   "select attname::text from pg_attribute where attrelid=to_regclass(quote_ident(lower(?))) "
                   "and attnum>0 and not attisdropped order by attnum"),
               {table})
             .rows)
        columns << row.at(0).toString();
    return columns;
}

} // namespace qx
