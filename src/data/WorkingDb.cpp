#include "data/WorkingDb.h"

#include "data/Catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace qx {

WorkingDb::WorkingDb(DataAccess& data, const ProgramFolder& folder)
    : m_data(data)
    , m_folder(folder)
    , m_temp(folder.connections().sTempConn)
    , m_unit(folder.connections().sUnitConn) {}

void WorkingDb::KillIfExists(const QString& path) {
    m_data.pool().close(path);
    if (!QFileInfo::exists(path))
        return;
    if (!QFile::remove(path))
        throw Failure(kErrFileAccess, QStringLiteral("Path/File access error"));
}

namespace {

void requireFolder(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        throw Failure(kErrPathNotFound, QStringLiteral("Path not found"));
}

// Creates the file of `conn` with its tables, keyed with its password when `keyed`, and keeps it open
// in the pool: keying a file costs tens of milliseconds, which its first use then does not pay again.
void createFile(ConnectionPool& pool, const Conn& conn, bool keyed, DatabaseKind kind) {
    requireFolder(conn.path);
    auto file = SqlFile::create(conn.path, keyed ? conn.password : QString(),
                                conn.scratch ? SqlFile::Durability::Scratch : SqlFile::Durability::Safe);
    try {
        createCatalogue(*file, kind);
    } catch (const Failure&) {
        file.reset();
        QFile::remove(conn.path);
        throw;
    }
    pool.adopt(std::move(file), conn);
}

} // namespace

void WorkingDb::CreateTempDB() {
    // A working database that is open and still on disk is made anew inside its own file: its pages are
    // then reused instead of growing a new file line by line. Anything else (no file, a file deleted or
    // damaged behind the program's back) is made from nothing.
    if (m_data.pool().isOpen(m_temp.path) && QFileInfo::exists(m_temp.path)) {
        try {
            rebuildTempDB();
            return;
        } catch (const Failure&) {
        }
    }
    KillIfExists(m_temp.path);
    createFile(m_data.pool(), m_temp, false, DatabaseKind::Working);
}

void WorkingDb::rebuildTempDB() {
    SqlFile& file = m_data.local(m_temp);
    Transaction transaction(file);
    const ResultSet tables = file.query(
        QStringLiteral("select name from sqlite_master where type='table' and name not like 'sqlite%'"));
    // Dropping a table also forgets its autonumber, so they start again at 1.
    for (const QVariantList& table : tables.rows)
        file.execScript(QStringLiteral("drop table \"%1\"").arg(table.at(0).toString()));
    createCatalogue(file, DatabaseKind::Working);
    transaction.commit();
}

void WorkingDb::CreateSectSort() {
    SqlFile& file = m_data.local(m_temp);
    // A SectSort left behind by a dialog that was closed abnormally would block the next opening.
    file.execScript(QStringLiteral("DROP TABLE IF EXISTS SectSort"));
    createTable(file, QStringLiteral("SectSort"));
}

void WorkingDb::DropTempTable(const QString& table) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(table).hasMatch())
        return;
    try {
        m_data.file(m_temp).execScript(QStringLiteral("drop table ") + table);
    } catch (const Failure&) {
        // A table that is not there is what the caller wanted anyway.
    }
}

void WorkingDb::ClearTempDB() {
    for (const QString& table : tablesOf(DatabaseKind::Working))
        m_data.ActionQuery(QStringLiteral("delete from ") + table, m_temp);
}

void WorkingDb::CreateUnitDB() {
    KillIfExists(m_unit.path);
    createFile(m_data.pool(), m_unit, false, DatabaseKind::UnitScratch);
}

void WorkingDb::CreateEstFile(const QString& name) {
    const Conn conn = m_folder.estimateConn(ProgramFolder::storedEstimatePath(name));
    if (conn.office) {
        // A schema left by a start cut short goes first, as a file left behind does.
        RemoveEstFile(m_data.pool(), conn);
        Database& schema = m_data.file(conn);
        Transaction transaction(schema);
        schema.execScript(QStringLiteral("CREATE SCHEMA %1").arg(conn.path));
        createCatalogue(schema, DatabaseKind::EstimateFile);
        transaction.commit();
        return;
    }
    requireFolder(conn.path);
    KillIfExists(conn.path);
    createFile(m_data.pool(), conn, true, DatabaseKind::EstimateFile);
}

void WorkingDb::RemoveEstFile(ConnectionPool& pool, const Conn& estimate) {
    if (estimate.office) {
        // The schema's name is the program's own ("est_" and letters, digits or a hash).
        pool.get(estimate).execScript(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(estimate.path));
        pool.close(estimate);
        return;
    }
    pool.close(estimate.path);
    QFile::remove(estimate.path);
    QFile::remove(estimate.path + QStringLiteral("-journal"));
}

const QString WorkingDb::kAddTpLineItem =
    QStringLiteral("insert into tplineitems(lineitemid,itemid,sect,secorder,name,itemtable,"
                   "qty,unit,cost,linetotal)values(?,?,?,?,?,?,?,?,?,?)");

bool WorkingDb::AddTpLineItem(qint32 lineItemID, qint32 itemID, const QString& sect, qint32 secOrder,
                              const QString& name, const QString& itemTable, qint32 qty, const QString& unit,
                              Money cost, Money lineTotal) {
    return m_data.ActionQuery(kAddTpLineItem, m_temp,
                              {lineItemID, itemID, sect, secOrder, name, itemTable, qty, unit,
                               qint64(cost.raw()), qint64(lineTotal.raw())});
}

} // namespace qx
