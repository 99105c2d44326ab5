#include "data/UnitQuery.h"

namespace qx {

namespace {

// The fraction of a quantity is worked in nine groups of four digits (36 decimals: every quantity of
// fifteen significant digits down to 10^-21; below that no amount an item can hold comes to half a
// ten-thousandth). An amount times a group stays within 64 bits for amounts below $92 billion.
constexpr int kGroups = 9;
constexpr int kGroupDigits = 4;

// The amount times the fraction's groups from group `from` on, as a whole number of units of group
// from-1: each group's product plus what the groups after it carry, worked from the last group up.
QString carried(int from) {
    const QString group = QStringLiteral("mag*CAST(substr(f,%1,%2) AS INTEGER)")
                              .arg((from - 1) * kGroupDigits + 1)
                              .arg(kGroupDigits);
    if (from == kGroups)
        return group;
    return QStringLiteral("%1+(%2)/10000").arg(group, carried(from + 1));
}

// Layer by layer, innermost first (each layer is kept from being merged into the next, so a value is
// worked once a row):
//   t    the quantity's size as SQLite writes a REAL: fifteen significant digits ("0.1", "3.0", "5.0e-05");
//   m, x its digits with the point, and the power of ten after "e";
//   g, n its digits alone, and how many of them stand before the point;
//   w, f the whole part, and the fraction as 36 digits;
// then the whole part times the amount, plus the fraction times the amount (carried group by group),
// rounded half away from zero, with the sign of quantity times amount. A product beyond 64 bits is held
// at the nearest amount that fits, as Money holds it.
const char* const kPlainUnitQuery = R"(CREATE VIEW UnitQry AS SELECT ID, CASE
 WHEN a IS NULL OR t IS NULL THEN NULL WHEN a = 0 THEN 0
 WHEN qa * mag >= 9223372036854775807.0
  THEN CASE WHEN neg THEN -9223372036854775807 - 1 ELSE 9223372036854775807 END
 ELSE (CASE WHEN neg THEN -1 ELSE 1 END) * (mag * w + (%1) / 10000 + ((%1) % 10000 >= 5000)) END AS [Line Total]
FROM (SELECT ID, a, qa, t, neg, mag, CAST(substr(g || %2, 1, n) AS INTEGER) AS w,
 substr(CASE WHEN n >= 0 THEN substr(g, n + 1) ELSE substr(%2, 1, -n) || g END || %2, 1, %3) AS f
FROM (SELECT ID, a, qa, t, neg, mag, replace(m, '.', '') AS g, instr(m, '.') - 1 + x AS n
FROM (SELECT ID, a, qa, t, neg, CASE WHEN a < 0 THEN -a ELSE a END AS mag,
 CASE WHEN instr(t, 'e') > 0 THEN substr(t, 1, instr(t, 'e') - 1) ELSE t END AS m,
 CASE WHEN instr(t, 'e') > 0 THEN CAST(substr(t, instr(t, 'e') + 1) AS INTEGER) ELSE 0 END AS x
FROM (SELECT ID, a, qa, CAST(qa AS TEXT) AS t, neg
FROM (SELECT u.matlaborid AS ID, CAST(c.Amount AS INTEGER) AS a, abs(CAST(u.itemqty AS REAL)) AS qa,
 (CAST(u.itemqty AS REAL) < 0) <> (CAST(c.Amount AS INTEGER) < 0) AS neg
FROM unititems u INNER JOIN costitem c ON c.ID = u.itemid
LIMIT -1 OFFSET 0) LIMIT -1 OFFSET 0) LIMIT -1 OFFSET 0) LIMIT -1 OFFSET 0) LIMIT -1 OFFSET 0))";

const char* const kServerUnitQuery = "CREATE VIEW UnitQry AS SELECT u.matlaborid AS ID, "
                                     "ComponentTotal(u.itemqty, c.Amount) AS [Line Total] "
                                     "FROM unititems u INNER JOIN costitem c ON c.ID = u.itemid";

} // namespace

QString unitQueryDefinition(Database::Engine engine) {
    if (engine == Database::Engine::OfficeServer)
        return QLatin1String(kServerUnitQuery);
    static const QString plain = QString::fromLatin1(kPlainUnitQuery)
                                     .arg(carried(1), u'\'' + QString(kGroups * kGroupDigits, u'0') + u'\'',
                                          QString::number(kGroups * kGroupDigits));
    return plain;
}

QString serverComponentTotal() {
    // A float8 becomes numeric through its fifteen significant digits, as Money takes a factor.
    return QStringLiteral("CREATE FUNCTION ComponentTotal(quantity double precision, amount bigint) "
                          "RETURNS bigint LANGUAGE sql IMMUTABLE AS "
                          "'SELECT round(quantity::numeric * amount)::bigint'");
}

} // namespace qx
