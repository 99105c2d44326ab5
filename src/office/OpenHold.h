#pragma once

#include "data/AppContext.h"
#include "office/EstimateHold.h"

namespace qx {

// The question after "JonesReroof is open on PC-NAME since 10:14.": the estimate may still be viewed
// and printed.
inline const QString kOpenReadOnlyQuestion = QStringLiteral("Open it read-only, to view and print it?");

// How opening an estimate goes on once the office server was asked who has it open.
struct OpenHold {
    std::unique_ptr<EstimateHold> hold; // this PC's hold; none on this PC's own files or read-only
    bool readOnly = false;              // another PC has it open and the user chose to view it
    bool proceed = true;                // false: nothing is opened
};

// Holds the estimate `id` named `name` for this PC while it works on the office server. When another PC
// has it open, the user is told who and since when and asked whether to open it read-only. A server
// that cannot be reached is reported with its host and the cause, and nothing is opened.
OpenHold holdForOpening(AppContext& ctx, qint32 id, const QString& name);

// Before a save on the office server: a hold whose connection was lost is taken again. False, with the
// reason told, when another PC took the estimate meanwhile or the server cannot be reached: nothing may
// be saved then.
bool keepHold(AppContext& ctx, EstimateHold* hold);

} // namespace qx
