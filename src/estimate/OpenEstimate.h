#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "estimate/NewEstimate.h"

#include <optional>

namespace qx {

// Opening a stored estimate (module modOpenEst): its register row and owner, then a copy of its
// areas, lineal items and lines in the working database. Each copy is one transaction on the working
// database: it is there whole or not at all.
class OpenEstimate {
public:
    OpenEstimate(AppContext& ctx, WorkState& state);

    // Rebuilds the working database for the estimate to open. False when that failed (reported).
    bool prepare();
    // Reads the register row of `id` and the owner record from its file: what the owner panel shows,
    // read-only. The state then holds the estimate's id, name, status and file. Nothing when the row or
    // the file cannot be read (reported): there is then no estimate to work on.
    std::optional<OwnerInput> OpenOwner(qint32 id);
    // Copies the stored areas into TempAreas and the lineal items into TempLineal, each with its stored
    // ID as its key (AreaID, LinealID) so that a save updates it instead of storing it twice; then
    // the estimate's roof plan, when it has one.
    bool OpenRoof();
    // Copies the stored lines into tpLineItems, each with its stored ID as its LineItemID, and makes
    // the sections from them (TempSect), in one transaction. The caller then loads the administrative
    // amounts and rebuilds the grid and the totals. False when that failed (reported).
    bool OpenLineItems();

private:
    AppContext& m_ctx;
    WorkState& m_state;
};

} // namespace qx
