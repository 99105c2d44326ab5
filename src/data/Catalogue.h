#pragma once

#include "data/Database.h"

#include <QString>
#include <QStringList>

namespace qx {

class SqlFile;

// The six kinds of database file and the tables each holds.
enum class DatabaseKind { Cost, Register, Contacts, Working, UnitScratch, EstimateFile };

// The statement that defines one table (its columns, defaults, keys and text rules) for an engine.
QString tableDefinition(const QString& table, Database::Engine engine = Database::Engine::SQLite);
// The tables of a kind of database, in the order they are created.
QStringList tablesOf(DatabaseKind kind);
// The tables that keep a roof plan in an estimate file, in creation order ("Plan", "PlanScales",
// "PlanCorners", "PlanFacets", "PlanFacetCorners", "PlanEdges"). Whatever copies a plan copies these.
QStringList planTables();
// The working database's table for an estimate file's plan table: "Temp" + name.
QString workingTable(const QString& stored);
// The column names of a table, in order; none for a table the catalogue does not know.
QStringList columnNames(const QString& table);
// Creates every table (and view) of a kind of database in a new, empty file or server schema.
void createCatalogue(Database& file, DatabaseKind kind);
// Adds to an existing database the columns of its kind that a later build defined (each takes its
// default, or NULL, in the rows already there) and names them as "table.column", and the indexes it
// lacks. Every row is kept.
QStringList addMissingColumns(Database& file, DatabaseKind kind);
// Brings the stored query UnitQry of a cost database to the program's current definition (a cost
// database made by an earlier build keeps its rows but gets the current pricing rule).
void refreshUnitQry(SqlFile& cost);
// The table's autonumbered key column; empty when it has none.
QString autoNumberColumn(const QString& table);
// After rows came into a table of the office server with their keys given, its autonumber goes on after
// the highest key (a file's autonumber does so by itself). Nothing happens for a file.
void catchUpAutoNumber(Database& db, const QString& table);
// Creates one table of the working database (SectSort is made on demand).
void createTable(Database& file, const QString& table);

} // namespace qx
