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

void insertOneByOne(Database& to, const QString& insert, const QList<QVariantList>& rows,
                    const QString& tail) {
    const QString statement = tail.isEmpty() ? insert : insert + QLatin1Char(' ') + tail;
    for (const QVariantList& row : rows)
        to.exec(statement, row);
}

} // namespace

void insertRows(Database& to, const QString& insert, const QList<QVariantList>& rows, const QString& tail) {
    if (rows.isEmpty())
        return;
    const qsizetype valuesAt = insert.lastIndexOf(QLatin1String("values"), -1, Qt::CaseInsensitive);
    const int columns = int(rows.first().size());
    if (valuesAt < 0 || columns == 0 || columns > kMostFileValues || rows.size() == 1 ||
        (to.engine() == Database::Engine::SQLite && !tail.isEmpty())) {
        insertOneByOne(to, insert, rows, tail);
        return;
    }
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
            if (!tail.isEmpty())
                statement += QLatin1Char(' ') + tail;
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
