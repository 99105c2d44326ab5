#pragma once

#include "data/DataAccess.h"

namespace qx {

// The roof part of saving an estimate (module modRoof). Both copy the working rows into the estimate
// file inside a transaction of their own (a savepoint when the caller holds one), then the working
// rows that were stored for the first time learn their new keys, so that saving again updates them
// instead of storing them twice. Rows never leave the estimate file here: deleting a stored area or
// item removes it at once. Both throw Failure and write nothing of the failing table; the save of the
// estimate reports it at kSaveAreasSite / kSaveLinealsSite:
//     data.Trap(kSaveAreasSite, [&] { SaveAreas(data, conns.sTempConn, state.sEstConn); });
inline const TrapSite kSaveAreasSite{QStringLiteral("SaveAreas"), TrapSite::Module,
                                     QStringLiteral("modRoof")};
inline const TrapSite kSaveLinealsSite{QStringLiteral("SaveLineals"), TrapSite::Module,
                                       QStringLiteral("modRoof")};

// TempAreas -> Areas.
void SaveAreas(DataAccess& data, const Conn& working, const Conn& estimate);
// TempLineal -> Lineal.
void SaveLineals(DataAccess& data, const Conn& working, const Conn& estimate);

} // namespace qx
