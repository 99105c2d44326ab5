#pragma once

struct sqlite3;

namespace qx {

// Money rules the stored queries need, registered on every handle the program opens so that a view
// figures an amount exactly as the program's own code does:
//   ComponentTotal(quantity, amount) - a unit-item component's quantity times its cost item's amount
//   (ten-thousandths), rounded to four decimals by Money's rule; NULL when either value is NULL.
void registerSqlFunctions(sqlite3* db);

} // namespace qx
