#pragma once

#include "data/Database.h"

#include <QString>

namespace qx {

// The stored query UnitQry of a cost database: one row per unit-item component with the unit item's key
// (ID) and the component's price ([Line Total], ten-thousandths): its quantity times its cost item's
// amount, rounded to four decimals half away from zero by Money's rule (the quantity taken to fifteen
// significant digits), so the view, the picker and the unit item builder agree to the ten-thousandth.
// A component without a quantity or an amount has no price; one whose cost item is gone is left out.
//
// In a file the query is plain SQL, so any SQLite tool reads it; on the office server it calls the
// schema's own function ComponentTotal (see serverComponentTotal).
QString unitQueryDefinition(Database::Engine engine = Database::Engine::SQLite);

// The office server's component rule: "CREATE FUNCTION ComponentTotal(quantity, amount)".
QString serverComponentTotal();

} // namespace qx
