#pragma once

#include "costs/CostCovers.h"
#include "data/AppContext.h"
#include "takeoff/RoofTotals.h"

#include <array>

namespace qx {

// What the roof gives each kind of coverage: Roof total and Roof area are the roof panel's Total and
// Area boxes (square feet); Cap length and Starter length the lengths of the Cap and Starter lineal
// items added up; Eave and rake and Valley the traced plan's lengths (feet, 0 without a plan).
struct OrderMeasures {
    std::array<double, 7> values{}; // by Covers; Nothing is 0

    double of(Covers covers) const { return values[size_t(covers)]; }
    // As the order shows it: the boxes and item lengths as whole numbers, the plan's lengths in feet
    // with one decimal.
    QString text(Covers covers) const;

    // Reads the lineal items and the plan of the working database. Throws Failure.
    static OrderMeasures read(AppContext& ctx, const RoofBoxes& boxes);
};

} // namespace qx
