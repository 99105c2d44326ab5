#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "estimate/NewEstimate.h"

namespace qxbench {

// Starts the benchmarks' estimate (Pat Carter's re-roof) as New and Start do, into `state`.
inline void startEstimate(qx::AppContext& ctx, qx::WorkState& state) {
    qx::NewEstimate create(ctx, state);
    create.begin();
    qx::OwnerInput owner;
    owner.names = {"Pat", "Carter", "4 Bay Rd", "Anytown, MT 54321", "406/555-1234", "", ""};
    owner.type = "Reroof";
    create.start(owner);
}

} // namespace qxbench
