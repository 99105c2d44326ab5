#pragma once

#include "data/DataAccess.h"
#include "data/ProgramFolder.h"

#include <QStringList>

namespace qx {

// The estimate register (table master of the register database): one row per estimate.
class Register {
public:
    Register(DataAccess& data, const Conn& mastConn);

    // The estimate types offered by the type box: an empty entry, then every type the register holds,
    // sorted. Rows without a type (a New that never reached Start) add nothing.
    QStringList PopEstTypeCbo();
    // Reserves a register row for a new estimate (status Working, valid 30 days, dated today) and
    // returns its id; 0 when the register could not be written (the failure has been reported).
    qint32 CreateEstID();
    // Deletes the register row of an estimate that never got saved.
    void deleteRow(qint32 id);
    // Completes a reserved row once the estimate's file exists. True only when exactly that row was
    // updated: a reservation that is gone is a failure, reported by the caller.
    bool completeRow(qint32 id, const QString& name, const QString& address, const QString& storedPath,
                     const QString& type);
    // True when another estimate (not `exceptId`) has a name that looks the same: equal by nameKey
    // (letter case, normalisation and invisible characters ignored).
    bool nameTaken(const QString& name, qint32 exceptId);
    // Removes reservations left by a New that never reached Start (no path), for example after a
    // power loss. Run at start-up, before any window: it says nothing, and a register that cannot be
    // read now is reported when the user first works with it.
    void removeStaleReservations();

private:
    DataAccess& m_data;
    Conn m_mast;
};

} // namespace qx
