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
    // Writes into a reservation the name of the estimate Start is about to make, before its folder and
    // file exist, so that a Start cut short (a crash, a power cut) can be tidied away at the next start.
    // The row stays a reservation (no path) until completeRow. True only when exactly that reservation
    // took the name.
    // False when the name could not be reserved; `taken` is set when another estimate holds it already
    // (the office server's register refuses a second estimate of one name).
    bool reserveName(qint32 id, const QString& name, bool* taken = nullptr);
    // Takes the name back from a reservation whose Start was refused or undone.
    void releaseName(qint32 id);
    // Turns a started estimate back into a reservation (no path) before its files are removed, so that
    // a removal cut short is finished at the next start.
    bool reopenReservation(qint32 id);
    // Completes a reserved row once the estimate's file exists. True only when exactly that row was
    // updated: a reservation that is gone is a failure, reported by the caller.
    bool completeRow(qint32 id, const QString& name, const QString& address, const QString& storedPath,
                     const QString& type);
    // True when another estimate (not `exceptId`) has a name that looks the same: equal by nameKey
    // (letter case, normalisation and invisible characters ignored).
    bool nameTaken(const QString& name, qint32 exceptId);
    // The names held by reservations (rows without a path): estimates whose Start, or whose removal,
    // never finished. Throws Failure.
    QStringList reservedNames();
    // True when a started estimate (a row with a path) keeps its file in the folder `name`. Throws Failure.
    bool folderInUse(const QString& name);
    // Removes reservations left by a New that never reached Start (no path), for example after a
    // power loss. Run at start-up, before any window: it says nothing, and a register that cannot be
    // read now is reported when the user first works with it.
    void removeStaleReservations();

private:
    DataAccess& m_data;
    const Conn& m_mast; // the program's own, which follows a switch to or from the office server
};

} // namespace qx
