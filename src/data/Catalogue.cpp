#include "data/Catalogue.h"

#include "data/SqlFile.h"
#include "data/TableInfo.h"
#include "data/UnitQuery.h"

#include <QHash>
#include <vector>

namespace qx {

namespace {

enum class Type { AutoNumber, Long, Single, Double, Currency, Text, Memo, Date, Blob };

// Text rules of a table: the tables the program creates refuse the empty string in their text columns,
// so a value is either there or NULL; the shipped databases accept it.
enum class TextRule { NoEmpty, EmptyAllowed };

struct Column {
    const char* name;
    Type type;
    int size = 0; // characters, for Text
    bool zeroDefault = false;
    bool emptyAllowed = false;         // only Main's phone and extension columns
    const char* textDefault = nullptr; // the value rows made before the column existed take
};

struct Table {
    const char* name;
    TextRule rule;
    std::vector<Column> columns;
    const char* key = nullptr; // a key of several columns ("estid, revision"); none: no such key
};

// The tables of a roof plan, as an estimate file names them; the working database has each as
// "Temp" + name. Positions are in pixels of the page, lengths in feet. Corner and facet IDs are the
// plan's own, kept as they are from the working database to the file and back.
std::vector<Table> planTableDefinitions(const char* const (&names)[6]) {
    using T = Type;
    constexpr TextRule created = TextRule::NoEmpty;
    return {
        // One row: the traced file's bytes and their SHA-256, the page shown, and the keys of the cap,
        // starter and cut waste items the plan made (TempLineal IDs in the working database, Lineal IDs
        // in a file).
        {names[0],
         created,
         {{"ID", T::AutoNumber},
          {"FileName", T::Text, 255},
          {"Image", T::Blob},
          {"Sha256", T::Text, 64},
          {"Page", T::Long, 0, true},
          {"CapID", T::Long, 0, true},
          {"StarterID", T::Long, 0, true},
          {"WasteID", T::Long, 0, true}}},
        {names[1],
         created,
         {{"Page", T::Long},
          {"X1", T::Double},
          {"Y1", T::Double},
          {"X2", T::Double},
          {"Y2", T::Double},
          {"Feet", T::Double}}},
        {names[2], created, {{"ID", T::Long}, {"Page", T::Long}, {"X", T::Double}, {"Y", T::Double}}},
        {names[3], created, {{"ID", T::Long}, {"Page", T::Long}, {"Pitch", T::Long}, {"Eave", T::Long}}},
        {names[4], created, {{"FacetID", T::Long}, {"Seq", T::Long}, {"CornerID", T::Long}}},
        {names[5], created, {{"Corner1", T::Long}, {"Corner2", T::Long}, {"Class", T::Long}}},
    };
}

const char* const kPlanTables[6] = {"Plan",       "PlanScales",       "PlanCorners",
                                    "PlanFacets", "PlanFacetCorners", "PlanEdges"};
const char* const kWorkingPlanTables[6] = {"TempPlan",       "TempPlanScales",       "TempPlanCorners",
                                           "TempPlanFacets", "TempPlanFacetCorners", "TempPlanEdges"};

std::vector<Table> allTables() {
    using T = Type;
    constexpr TextRule created = TextRule::NoEmpty;
    constexpr TextRule shipped = TextRule::EmptyAllowed;
    std::vector<Table> all = {
        // Working database
        {"TempSect", created, {{"autoID", T::AutoNumber}, {"SecDesc", T::Text, 50}, {"SecOrder", T::Long}}},
        {"EstiGrid",
         created,
         {{"autoID", T::AutoNumber},
          {"tpLineItemID", T::Long},
          {"EstID", T::Long},
          {"LineItemID", T::Long},
          {"ItemID", T::Long},
          {"SecOrder", T::Long},
          {"SortOrder", T::Long},
          // A subtotal row reads "Total for " and a section name of up to 50 characters.
          {"Name", T::Text, 60},
          {"ItemTable", T::Text, 50},
          {"Qty", T::Long},
          {"Unit", T::Text, 50},
          {"Cost", T::Currency},
          {"LineTotal", T::Currency},
          {"SubTotal", T::Currency}}},
        {"tpLineItems",
         created,
         {{"autoID", T::AutoNumber},
          {"LineItemID", T::Long, 0, true},
          {"EstID", T::Long, 0, true},
          {"ItemID", T::Long, 0, true},
          {"SecOrder", T::Long, 0, true},
          {"Sect", T::Text, 50},
          {"Name", T::Text, 50},
          {"ItemTable", T::Text, 50},
          {"Qty", T::Long, 0, true},
          {"Unit", T::Text, 50},
          {"Cost", T::Currency},
          {"LineTotal", T::Currency}}},
        {"TempAreas",
         created,
         {{"ID", T::AutoNumber},
          {"AreaID", T::Long, 0, true},
          {"Shape", T::Long, 0, true},
          {"Pitch", T::Long, 0, true},
          {"Width1", T::Long, 0, true},
          {"Width2", T::Long, 0, true},
          {"Height", T::Long, 0, true},
          {"Total", T::Long, 0, true}}},
        {"TempLineal",
         created,
         {{"ID", T::AutoNumber},
          {"LinealID", T::Long, 0, true},
          {"Type", T::Long, 0, true},
          {"Name", T::Text, 50},
          {"Length", T::Long, 0, true},
          {"Total", T::Long, 0, true}}},
        {"SectSort",
         created,
         {{"autoID", T::AutoNumber}, {"EstID", T::Long}, {"SectName", T::Text, 50}, {"SecOrder", T::Long}}},
        // Unit-item scratch database
        {"tempunit",
         created,
         {{"ID", T::AutoNumber},
          {"mainID", T::Long},
          {"unitID", T::Long},
          {"ItemID", T::Long},
          {"Qty", T::Single},
          {"Unit", T::Text, 50},
          {"Name", T::Text, 50},
          {"Cost", T::Currency},
          {"LineTotal", T::Currency}}},
        // Estimate file
        {"Main",
         created,
         {{"ID", T::AutoNumber},
          {"FName", T::Text, 25},
          {"LName", T::Text, 100},
          {"Address", T::Text, 100},
          {"CityStZip", T::Text, 100},
          {"HomePH", T::Text, 12, false, true},
          {"WorkPH", T::Text, 12, false, true},
          {"Ext", T::Text, 8, false, true},
          {"Overhead", T::Text, 20},
          {"Profit", T::Text, 20},
          {"Contingency", T::Text, 20},
          {"Management", T::Text, 20},
          {"PaymentTerms", T::Memo},
          {"EstSummary", T::Memo}}},
        {"Areas",
         created,
         {{"ID", T::AutoNumber},
          {"Shape", T::Long},
          {"Pitch", T::Long},
          {"Width1", T::Long},
          {"Width2", T::Long},
          {"Height", T::Long},
          {"Total", T::Long}}},
        {"Lineal",
         created,
         {{"ID", T::AutoNumber},
          {"Type", T::Long},
          {"Name", T::Text, 50},
          {"Length", T::Long},
          {"Total", T::Long}}},
        {"LineItems",
         created,
         {{"ID", T::AutoNumber},
          {"ItemID", T::Long, 0, true},
          {"SecOrder", T::Long},
          {"Sect", T::Text, 50},
          {"Name", T::Text, 50},
          {"ItemTable", T::Text, 50},
          {"Qty", T::Long},
          {"Unit", T::Text, 50},
          {"Cost", T::Currency},
          {"LineTotal", T::Currency}}},
        // Estimate register (shipped)
        {"master",
         shipped,
         {{"id", T::AutoNumber},
          {"estname", T::Text, 50},
          {"estaddress", T::Text, 100},
          {"estdate", T::Date},
          {"esttype", T::Text, 25},
          {"eststatus", T::Text, 10},
          {"estlength", T::Long},
          {"estpath", T::Text, 255},
          // The estimate total shown on Terms/Totals at the last save; NULL while unknown.
          {"esttotal", T::Currency}}},
        {"sectionname", shipped, {{"ID", T::AutoNumber}, {"sectionname", T::Text, 50}}},
        // The SHA-256 of each sent revision's record (its revision.json) as it was made, kept here where
        // nobody edits files by hand. Registers made before it gain the table when a revision is first
        // sent.
        {"revisiondigest",
         created,
         {{"estid", T::Long}, {"revision", T::Long}, {"sha256", T::Text, 64}},
         "estid, revision"},
        // Cost database (shipped)
        {"costitem",
         shipped,
         {{"ID", T::AutoNumber},
          {"costtype", T::Text, 10},
          {"Cat", T::Text, 15},
          {"CostName", T::Text, 50},
          {"manufacturer", T::Text, 50},
          {"sku", T::Text, 25},
          {"Unit", T::Text, 10},
          {"Descrip", T::Text, 255},
          {"Amount", T::Currency, 0, true},
          // What one purchase unit covers on the roof ("Nothing", "Roof total", "Cap length", ...) and
          // how much of it, in square feet or feet to four decimals (ten-thousandths, like money).
          {"covers", T::Text, 20, false, false, "Nothing"},
          {"coverage", T::Currency, 0, true},
          // The day the amount was last set; NULL when unknown.
          {"pricedate", T::Date}}},
        {"laborcost",
         shipped,
         {{"ID", T::AutoNumber},
          {"costid", T::Long},
          {"baserate", T::Currency, 0, true},
          {"fringe", T::Currency, 0, true},
          {"workcomp", T::Currency, 0, true},
          {"taxes", T::Currency, 0, true},
          {"other", T::Currency, 0, true}}},
        {"costunit",
         shipped,
         {{"ID", T::AutoNumber},
          {"MLName", T::Text, 50},
          {"MLCat", T::Text, 15},
          {"MLUnit", T::Text, 10},
          {"MLDesc", T::Text, 255}}},
        {"unititems",
         shipped,
         {{"id", T::AutoNumber}, {"matlaborid", T::Long}, {"itemid", T::Long}, {"itemqty", T::Single}}},
        // The sibling lead-management program's contacts
        {"contacts",
         shipped,
         {{"id", T::AutoNumber},
          {"firstname", T::Text, 50},
          {"lastname", T::Text, 50},
          {"company", T::Text, 100},
          {"address", T::Text, 100},
          {"city", T::Text, 50},
          {"st", T::Text, 2},
          {"zip", T::Text, 10},
          {"homeph", T::Text, 12},
          {"workph", T::Text, 12},
          {"ext", T::Text, 8},
          {"contype", T::Text, 10}}},
    };
    for (const auto* names : {&kPlanTables, &kWorkingPlanTables}) {
        std::vector<Table> plan = planTableDefinitions(*names);
        all.insert(all.end(), plan.begin(), plan.end());
    }
    return all;
}

const std::vector<Table>& tables() {
    static const std::vector<Table> all = allTables();
    return all;
}

QStringList namesOf(const char* const (&names)[6]) {
    QStringList list;
    for (const char* name : names)
        list << QLatin1String(name);
    return list;
}

const Table* findTable(const QString& name) {
    for (const Table& t : tables()) {
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

// The column type in the engine's words. The office server keeps the same values as a file: money as a
// 64-bit count of ten-thousandths, dates as ISO text, texts compared without regard to case (citext).
QString columnType(Type type, Database::Engine engine) {
    const bool server = engine == Database::Engine::OfficeServer;
    switch (type) {
    case Type::AutoNumber:
        return server ? QStringLiteral("integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")
                      : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case Type::Long:
        return server ? QStringLiteral("integer") : QStringLiteral("INTEGER");
    case Type::Currency:
        return server ? QStringLiteral("bigint") : QStringLiteral("INTEGER");
    case Type::Single:
    case Type::Double:
        return server ? QStringLiteral("double precision") : QStringLiteral("REAL");
    case Type::Blob:
        return server ? QStringLiteral("bytea") : QStringLiteral("BLOB");
    case Type::Date:
        return server ? QStringLiteral("text") : QStringLiteral("TEXT");
    case Type::Text:
    case Type::Memo:
        return server ? QStringLiteral("citext") : QStringLiteral("TEXT COLLATE NOCASE");
    }
    return {};
}

QString columnDefinition(const Column& c, TextRule rule, Database::Engine engine) {
    const QString name = QLatin1String(c.name);
    QString def = name + QLatin1Char(' ') + columnType(c.type, engine);
    if (c.type == Type::AutoNumber)
        return def;
    if (c.type == Type::Text || c.type == Type::Memo) {
        QStringList checks;
        if (rule == TextRule::NoEmpty && !c.emptyAllowed)
            checks << QStringLiteral("%1 <> ''").arg(name);
        if (c.type == Type::Text)
            checks << QStringLiteral("length(%1) <= %2").arg(name).arg(c.size);
        if (!checks.isEmpty())
            def += QStringLiteral(" CHECK (%1)").arg(checks.join(QStringLiteral(" AND ")));
    }
    if (c.zeroDefault)
        def += QStringLiteral(" DEFAULT 0");
    if (c.textDefault)
        def += QStringLiteral(" DEFAULT '%1'").arg(QLatin1String(c.textDefault));
    return def;
}

// The estimate grid reads each section's lines by ascending item id after every change; this index
// hands them over in that order without a scan of every line and a sort.
const char* const kGridOrderIndex =
    "CREATE INDEX tpLineItemsBySection ON tpLineItems (SecOrder, ItemID, autoID)";

// What a database on the office server needs before its tables: case-insensitive text, and for a cost
// database the component rule of UnitQry.
QString serverSupport(DatabaseKind kind) {
    const QString text = QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext SCHEMA public");
    return kind == DatabaseKind::Cost ? text + u';' + serverComponentTotal() : text;
}

} // namespace

void refreshUnitQry(SqlFile& cost) {
    const QString current =
        cost.scalar(QStringLiteral("select sql from sqlite_master where type='view' and name='UnitQry'"))
            .toString();
    const QString wanted = unitQueryDefinition();
    if (current == wanted)
        return;
    Transaction transaction(cost);
    cost.execScript(QStringLiteral("DROP VIEW IF EXISTS UnitQry"));
    cost.execScript(wanted);
    transaction.commit();
}

QString tableDefinition(const QString& table, Database::Engine engine) {
    const Table* t = findTable(table);
    if (!t)
        return {};
    QStringList columns;
    for (const Column& c : t->columns)
        columns << columnDefinition(c, t->rule, engine);
    if (t->key)
        columns << QStringLiteral("PRIMARY KEY (%1)").arg(QLatin1String(t->key));
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(QLatin1String(t->name), columns.join(QStringLiteral(", ")));
}

QStringList planTables() {
    return namesOf(kPlanTables);
}

QString workingTable(const QString& stored) {
    return QStringLiteral("Temp") + stored;
}

QStringList columnNames(const QString& table) {
    QStringList names;
    if (const Table* t = findTable(table)) {
        for (const Column& c : t->columns)
            names << QLatin1String(c.name);
    }
    return names;
}

QStringList tablesOf(DatabaseKind kind) {
    switch (kind) {
    case DatabaseKind::Cost:
        return {QStringLiteral("costitem"), QStringLiteral("laborcost"), QStringLiteral("costunit"),
                QStringLiteral("unititems")};
    case DatabaseKind::Register:
        return {QStringLiteral("master"), QStringLiteral("sectionname"), QStringLiteral("revisiondigest")};
    case DatabaseKind::Contacts:
        return {QStringLiteral("contacts")};
    case DatabaseKind::Working:
        return QStringList{QStringLiteral("TempSect"), QStringLiteral("EstiGrid"),
                           QStringLiteral("tpLineItems"), QStringLiteral("TempAreas"),
                           QStringLiteral("TempLineal")} +
               namesOf(kWorkingPlanTables);
    case DatabaseKind::UnitScratch:
        return {QStringLiteral("tempunit")};
    case DatabaseKind::EstimateFile:
        return QStringList{QStringLiteral("Main"), QStringLiteral("Areas"), QStringLiteral("Lineal"),
                           QStringLiteral("LineItems")} +
               planTables();
    }
    return {};
}

void createTable(Database& file, const QString& table) {
    const QString ddl = tableDefinition(table, file.engine());
    if (ddl.isEmpty())
        throw Failure(1, QStringLiteral("Unknown table '%1'.").arg(table));
    file.execScript(ddl);
}

QStringList addMissingColumns(Database& file, DatabaseKind kind) {
    QStringList added;
    Transaction transaction(file);
    for (const QString& name : tablesOf(kind)) {
        const Table* table = findTable(name);
        const QStringList present = tableColumns(file, name);
        if (present.isEmpty())
            continue; // a table the file never had is not this function's business
        for (const Column& c : table->columns) {
            const QString column = QLatin1String(c.name);
            if (present.contains(column, Qt::CaseInsensitive))
                continue;
            file.execScript(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                                .arg(name, columnDefinition(c, table->rule, file.engine())));
            added << name + QLatin1Char('.') + column;
        }
    }
    // The category lists and filters of the cost screens read one type's categories: with tens of
    // thousands of items they must not read the whole table.
    const bool costItems = kind == DatabaseKind::Cost && hasTable(file, QStringLiteral("costitem"));
    if (costItems)
        file.execScript(
            QStringLiteral("CREATE INDEX IF NOT EXISTS costitemByCategory ON costitem (costtype, cat)"));
    transaction.commit();
    return added;
}

void createCatalogue(Database& file, DatabaseKind kind) {
    Transaction transaction(file);
    if (file.engine() == Database::Engine::OfficeServer)
        file.execScript(serverSupport(kind));
    for (const QString& table : tablesOf(kind))
        createTable(file, table);
    if (kind == DatabaseKind::Cost)
        file.execScript(unitQueryDefinition(file.engine()));
    if (kind == DatabaseKind::Working)
        file.execScript(QLatin1String(kGridOrderIndex));
    // Several PCs start estimates in one register on the office server: the register itself refuses a
    // second estimate of a name (without regard to case), whoever asked first.
    if (kind == DatabaseKind::Register && file.engine() == Database::Engine::OfficeServer)
        file.execScript(QStringLiteral("CREATE UNIQUE INDEX masterByName ON master (estname)"));
    transaction.commit();
}

QString autoNumberColumn(const QString& table) {
    if (const Table* t = findTable(table)) {
        for (const Column& c : t->columns) {
            if (c.type == Type::AutoNumber)
                return QLatin1String(c.name);
        }
    }
    return {};
}

void catchUpAutoNumber(Database& db, const QString& table) {
    const QString column = autoNumberColumn(table);
    if (db.engine() != Database::Engine::OfficeServer || column.isEmpty())
        return;
    // Never back: a key once given, also to a row deleted since, is not given again.
    db.scalar(QStringLiteral("select setval(s, greatest(coalesce(pg_sequence_last_value(s::regclass),0),m)) "
                             "from (select pg_get_serial_sequence(lower(?),lower(?)) s,"
                             "(select max(%2) from %1) m) x where m is not null")
                  .arg(table, column),
              {table, column});
}

} // namespace qx
