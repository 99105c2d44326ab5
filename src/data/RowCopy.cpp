#include "data/RowCopy.h"

#include "data/SqlFile.h"

#include <algorithm>

namespace qx {

namespace {

// The server takes at most 65,535 values per statement; rows go in statements well below that. A file
// takes at most 999 values per statement.
constexpr int kMostServerValues = 20000;
constexpr int kMostFileValues = 999;
constexpr int kMostRowsPerStatement = 500;

void insertOneByOne(Database& to, const QString& insert, const QList<QVariantList>& rows) {
    for (const QVariantList& row : rows)
        to.exec(insert, row);
}

} // namespace

void insertRows(Database& to, const QString& insert, const QList<QVariantList>& rows) {
    if (rows.isEmpty())
        return;
    const qsizetype valuesAt = insert.lastIndexOf(QLatin1String("values"), -1, Qt::CaseInsensitive);
    const int columns = int(rows.first().size());
    if (valuesAt < 0 || columns == 0 || columns > kMostFileValues || rows.size() == 1) {
        insertOneByOne(to, insert, rows);
        return;
    }
    // The office server takes many rows fastest as one COPY.
    const QString target = insert.left(valuesAt).trimmed().section(QLatin1Char(' '), 2);
    if (to.insertMany(target, rows))
        return;
    const int mostValues = to.engine() == Database::Engine::SQLite ? kMostFileValues : kMostServerValues;
    const QString head = insert.left(valuesAt) + QStringLiteral("values");
    QStringList marks(columns, QStringLiteral("?"));
    const QString group = QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    const int perStatement = std::max(1, std::min(kMostRowsPerStatement, mostValues / columns));
    QString statement;
    int statementRows = 0;
    for (qsizetype first = 0; first < rows.size(); first += perStatement) {
        const int count = int(std::min<qsizetype>(perStatement, rows.size() - first));
        if (count != statementRows) {
            QStringList groups(count, group);
            statement = head + groups.join(QLatin1Char(','));
            statementRows = count;
        }
        Params values;
        values.reserve(count * columns);
        for (qsizetype r = first; r < first + count; ++r)
            values += rows.at(r);
        to.exec(statement, values);
    }
}

int copyRows(Database& from, Database& to, const QString& select, const QString& insert) {
    auto* fromFile = dynamic_cast<SqlFile*>(&from);
    auto* toFile = dynamic_cast<SqlFile*>(&to);
    if (fromFile && toFile)
        return fromFile->copyRowsTo(*toFile, select, insert);
    const ResultSet rows = from.query(select);
    insertRows(to, insert, rows.rows);
    return rows.size();
}

} // namespace qx
