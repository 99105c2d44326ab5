#include "office/SchemaCopy.h"

#include "data/SqlFile.h"

#include <algorithm>
#include <vector>

namespace qx {

namespace {

// Rows per insert statement: few enough to keep a statement's values small, many enough that the
// network's round trip is paid once per batch, not once per row.
constexpr int kRowsPerStatement = 250;
constexpr int kValuesPerStatement = 8000;

// The part of a table that goes over: the columns both the file and the catalogue know.
struct TablePart {
    QString table;
    QStringList columns;
    int rows = 0;
};

QStringList fileColumns(SqlFile& file, const QString& table) {
    QStringList names;
    // Table names are the catalogue's own, never typed text.
    for (const QVariantList& row : file.query(QStringLiteral("PRAGMA table_info(%1)").arg(table)).rows)
        names << row.at(1).toString();
    return names;
}

std::vector<TablePart> partsOf(SqlFile& file, DatabaseKind kind) {
    std::vector<TablePart> parts;
    for (const QString& table : tablesOf(kind)) {
        const QStringList present = fileColumns(file, table);
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
        const int perStatement = std::clamp(kValuesPerStatement / width, 1, kRowsPerStatement);
        const QString row = QLatin1Char('(') +
                            QStringList(width, QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
        const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES ")
                                   .arg(part.table, part.columns.join(QStringLiteral(", ")));
        for (int first = 0; first < set.size(); first += perStatement) {
            const int count = std::min(perStatement, set.size() - first);
            Params values;
            values.reserve(count * width);
            for (int r = first; r < first + count; ++r)
                values += set.rows.at(r);
            m_office.exec(insert + QStringList(count, row).join(QLatin1Char(',')), values);
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
void continueAutonumbers(Database& office, const QString& schema) {
    const ResultSet identities =
        office.query(QStringLiteral("select table_name, column_name from information_schema.columns "
                                    "where table_schema = ? and is_identity = 'YES'"),
                     {schema});
    for (const QVariantList& identity : identities.rows) {
        const QString table = identity.at(0).toString();
        const QString column = identity.at(1).toString();
        office.query(QStringLiteral("select setval(pg_get_serial_sequence(format('%I.%I', ?::text, ?::text), "
                                    "?::text), max(%1)) from %2 having max(%1) >= 1")
                         .arg(quotedServerName(column), quotedServerName(table)),
                     {schema, table, column});
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
    continueAutonumbers(office, schema);
    return copied;
}

} // namespace qx
