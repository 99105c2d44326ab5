#pragma once

#include "data/DataAccess.h"
#include "data/Money.h"
#include "data/ProgramFolder.h"

namespace qx {

// The scratch files: the working database in which an estimate is edited, the unit-item scratch
// database, and the empty estimate file a new estimate starts with. Creating operations throw
// Failure (the calling command reports it); the statements through ActionQuery report themselves.
class WorkingDb {
public:
    WorkingDb(DataAccess& data, const ProgramFolder& folder);

    // Rebuilds the working database from nothing: TempSect, EstiGrid, tpLineItems, TempAreas,
    // TempLineal and the plan tables. Autonumbers start again at 1.
    void CreateTempDB();
    // Deletes the file at `path` when there is one (closing its pooled handle first).
    void KillIfExists(const QString& path);
    // Adds SectSort to the working database; a leftover SectSort is dropped first.
    void CreateSectSort();
    // Drops a working table; errors (a table that is not there) are ignored.
    void DropTempTable(const QString& table);
    // Empties the working tables, keeping the file.
    void ClearTempDB();
    // Rebuilds the unit-item scratch database with its table tempunit.
    void CreateUnitDB();
    // Creates the keyed estimate file for the estimate `name` in its existing folder. A leftover file
    // of that name (a folder without a register row) is replaced.
    void CreateEstFile(const QString& name);
    // Removes an estimate's file (and its journal), or its schema on the office server, closing its
    // handle first. Throws Failure when the server refuses.
    static void RemoveEstFile(ConnectionPool& pool, const Conn& estimate);
    // Loads one stored line into the working copy (EstID stays 0).
    // The statement binds, in order: line key, item key, section name, section order, name, item table
    // tag, quantity, unit, cost, line total.
    static const QString kAddTpLineItem;
    bool AddTpLineItem(qint32 lineItemID, qint32 itemID, const QString& sect, qint32 secOrder,
                       const QString& name, const QString& itemTable, qint32 qty, const QString& unit,
                       Money cost, Money lineTotal);

    const Conn& tempConn() const { return m_temp; }
    const Conn& unitConn() const { return m_unit; }

private:
    // Drops every table of the open working database and makes the catalogue again, in one transaction.
    // Throws Failure.
    void rebuildTempDB();

    DataAccess& m_data;
    const ProgramFolder& m_folder;
    Conn m_temp;
    Conn m_unit;
};

} // namespace qx
