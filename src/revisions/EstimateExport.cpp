#include "revisions/EstimateExport.h"

#include "data/Catalogue.h"
#include "data/RowCopy.h"
#include "data/SqlFile.h"
#include "data/TableInfo.h"

#include <QFile>

namespace qx {

void exportEstimate(Database& estimate, const QString& path, const QString& password) {
    try {
        auto file = SqlFile::create(path, password, SqlFile::Durability::Safe);
        Transaction transaction(*file);
        createCatalogue(*file, DatabaseKind::EstimateFile);
        for (const QString& table : tablesOf(DatabaseKind::EstimateFile)) {
            // The columns both know: an estimate made by an earlier build may lack later ones.
            const QStringList stored = tableColumns(estimate, table);
            QStringList columns = columnNames(table);
            columns.removeIf([&](const QString& c) { return !stored.contains(c, Qt::CaseInsensitive); });
            if (columns.isEmpty())
                continue;
            const QString list = columns.join(QLatin1Char(','));
            // Table and column names are the catalogue's own.
            copyRows(estimate, *file, QStringLiteral("select %1 from %2 order by 1").arg(list, table),
                     QStringLiteral("insert into %1(%2)values(%3)")
                         .arg(table, list,
                              QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(','))));
        }
        transaction.commit();
    } catch (const Failure&) {
        QFile::remove(path);
        throw;
    }
}

} // namespace qx
