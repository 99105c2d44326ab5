#include "data/SqlFunctions.h"

#include "data/Money.h"

#include <sqlcipher/sqlite3.h>

namespace qx {

namespace {

void componentTotal(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const double quantity = sqlite3_value_double(args[0]);
    const Money amount = Money::fromRaw(sqlite3_value_int64(args[1]));
    sqlite3_result_int64(context, amount.timesRoundedToRaw(quantity).raw());
}

} // namespace

void registerSqlFunctions(sqlite3* db) {
    sqlite3_create_function_v2(db, "ComponentTotal", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               componentTotal, nullptr, nullptr, nullptr);
}

} // namespace qx
