#pragma once

#include "data/DataAccess.h"
#include "data/WorkState.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace qx {

// A roof table of the working database and the estimate-file table its rows are saved into.
struct RoofTable {
    QString working;    // "TempAreas"
    QString key;        // "AreaID": ID of the row in the estimate file; 0 until the row is first saved
    QString stored;     // "Areas"
    QStringList fields; // the columns both tables hold, in the order they are copied

    // SQL fragments for the fields: "a,b,c", "?,?,?" and "a=?,b=?,c=?".
    QString fieldList() const { return fields.join(QLatin1Char(',')); }
    QString marks() const;
    QString assignments() const { return fields.join(QStringLiteral("=?,")) + QStringLiteral("=?"); }
};

// TempAreas -> Areas: Shape, Pitch, Width1, Width2, Height, Total.
const RoofTable& areasTable();
// TempLineal -> Lineal: Type, Name, Length, Total.
const RoofTable& linealTable();

// A trap in the main window, frmQuovi, where the roof panel lives.
inline TrapSite quoviSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Form, QStringLiteral("frmQuovi")};
}

// The open estimate's file, where a removed row goes at once; none in a roof-only takeoff, before Start,
// or for an estimate opened read-only (another PC holds it, and nothing of it is stored from here).
inline std::optional<Conn> estimateFile(const WorkState& state) {
    return state.hasEstimateFile() && !state.readOnly ? std::optional<Conn>(state.sEstConn) : std::nullopt;
}

// A traced facet stored by an earlier build kept its pitch in Height and Pitch 0: the working rows of an
// opened estimate carry it in Pitch (Height 0), as this build stores a facet. Throws Failure.
void upgradeTracedFacets(SqlFile& working);

// The row work both roof lists share: insert, update, read, delete and total the working rows of one
// table. Values are always bound. Statements report their own failures (ActionQuery); reads report
// theirs at the trap site the caller names and yield nothing.
class RoofRows {
public:
    RoofRows(DataAccess& data, const Conn& working, const RoofTable& table);

    // A new working row, not stored yet (key 0), with `values` for the table's fields.
    bool insert(const Params& values);
    bool update(qint32 id, const Params& values);
    // The fields of working row `id`; nothing when there is no such row or the read failed.
    std::optional<QVariantList> load(qint32 id, const TrapSite& site);
    // Deletes working row `id`. A row that was saved before leaves `estimate` (the open estimate's
    // file; none in a roof-only takeoff) at once. True when the working row was deleted.
    bool remove(qint32 id, const std::optional<Conn>& estimate, const TrapSite& site);
    // Deletes every working row, and the stored rows they came from, the stored ones in one
    // transaction; nothing is deleted when that fails. True when the working rows were deleted.
    bool removeAll(const std::optional<Conn>& estimate, const TrapSite& site);
    // Sum of Total over the working rows, 0 when there are none.
    std::optional<qint64> sumTotal(const TrapSite& site);
    // The rows of a list query on the working database.
    std::optional<ResultSet> list(const QString& sql, const TrapSite& site);

private:
    DataAccess& m_data;
    Conn m_working;
    const RoofTable& m_table;
};

} // namespace qx
