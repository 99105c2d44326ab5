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

void createFile(const QString& path, const QString& password, SqlFile::Durability durability,
                DatabaseKind kind) {
    requireFolder(path);
    auto file = SqlFile::create(path, password, durability);
    try {
        createCatalogue(*file, kind);
    } catch (const Failure&) {
        file.reset();
        QFile::remove(path);
        throw;
    }
}

} // namespace

void WorkingDb::CreateTempDB() {
    KillIfExists(m_temp.path);
    createFile(m_temp.path, QString(), SqlFile::Durability::Scratch, DatabaseKind::Working);
}

void WorkingDb::CreateSectSort() {
    SqlFile& file = m_data.file(m_temp);
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
    for (const char* table : {"TempSect", "Estigrid", "TpLineItems", "TempAreas", "TempLineal"})
        m_data.ActionQuery(QStringLiteral("delete from ") + QLatin1String(table), m_temp);
}

void WorkingDb::CreateUnitDB() {
    KillIfExists(m_unit.path);
    createFile(m_unit.path, QString(), SqlFile::Durability::Scratch, DatabaseKind::UnitScratch);
}

void WorkingDb::CreateEstFile(const QString& name) {
    const QString path = m_folder.estimateFile(name);
    requireFolder(path);
    KillIfExists(path);
    createFile(path, kEstimatePassword, SqlFile::Durability::Safe, DatabaseKind::EstimateFile);
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
