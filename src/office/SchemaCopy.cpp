#include "office/SchemaCopy.h"

#include "data/RowCopy.h"
#include "data/SqlFile.h"
#include "data/TableInfo.h"

#include <algorithm>
#include <vector>

namespace qx {

namespace {

// Rows between two steps of the progress (each goes to the server as statements of many rows).
constexpr int kRowsPerStep = 250;

// The part of a table that goes over: the columns both the file and the catalogue know.
struct TablePart {
    QString table;
    QStringList columns;
    int rows = 0;
};

std::vector<TablePart> partsOf(SqlFile& file, DatabaseKind kind) {
    std::vector<TablePart> parts;
    for (const QString& table : tablesOf(kind)) {
        const QStringList present = tableColumns(file, table);
        TablePart part{table, {}, 0};
        for (const QString& column : columnNames(table)) {
            if (present.contains(column, Qt::CaseInsensitive))
                part.columns << column;
        }
        if (part.columns.isEmpty())
            continue; // a table the file never had: the server's stays empty
        part.rows = file.scalar(QStringLiteral("select count(*) from %1").arg(table)).toInt();
        parts.push_back(part);
    }
    return parts;
}

// A statement that found the connection gone may have been run again on a fresh one, outside the
// transaction: nothing more may be sent then.
void checkStillInTransaction(Database& office) {
    if (!office.inTransaction())
        throw Failure(10, QStringLiteral("the connection to the office server was lost"));
}

class Copier {
public:
    Copier(Database& office, const CopyStep& step, int rows)
        : m_office(office)
        , m_step(step)
        , m_rows(rows) {}

    int copy(SqlFile& file, const TablePart& part) {
        const ResultSet set = file.query(
            QStringLiteral("select %1 from %2").arg(part.columns.join(QStringLiteral(", ")), part.table));
        const int width = int(part.columns.size());
        const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(part.table, part.columns.join(QStringLiteral(", ")),
                                        QStringList(width, QStringLiteral("?")).join(QLatin1Char(',')));
        for (int first = 0; first < set.size(); first += kRowsPerStep) {
            const int count = std::min(kRowsPerStep, set.size() - first);
            insertRows(m_office, insert, set.rows.mid(first, count));
            checkStillInTransaction(m_office);
            m_copied += count;
            step();
        }
        return set.size();
    }

    void step() {
        if (m_step && !m_step(m_copied, m_rows))
            throw CopyCancelled();
    }

private:
    Database& m_office;
    const CopyStep& m_step;
    int m_rows;
    int m_copied = 0;
};

// Each autonumber of the schema continues after the highest key copied into it.
void continueAutonumbers(Database& office, DatabaseKind kind) {
    for (const QString& table : tablesOf(kind)) {
        catchUpAutoNumber(office, table);
        checkStillInTransaction(office);
    }
}

} // namespace

QString quotedServerName(const QString& name) {
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QHash<QString, int> copyIntoSchema(SqlFile& file, DatabaseKind kind, Database& office, const QString& schema,
                                   const CopyStep& step) {
    const std::vector<TablePart> parts = partsOf(file, kind);
    int rows = 0;
    for (const TablePart& part : parts)
        rows += part.rows;
    office.execScript(QStringLiteral("CREATE SCHEMA %1; SET LOCAL search_path TO %1, public")
                          .arg(quotedServerName(schema)));
    checkStillInTransaction(office);
    createCatalogue(office, kind);
    Copier copier(office, step, rows);
    copier.step();
    QHash<QString, int> copied;
    for (const TablePart& part : parts)
        copied.insert(part.table, copier.copy(file, part));
    continueAutonumbers(office, kind);
    return copied;
}

} // namespace qx
