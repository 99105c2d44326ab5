#pragma once

#include "data/DataAccess.h"
#include "takeoff/RoofPlan.h"

#include <optional>

namespace qx {

// The plan of the estimate being worked on lives in the working database's plan tables (TempPlan,
// TempPlanScales, ...; see planTables()) while the estimate is open; saving copies them into the
// estimate file's tables of the same names without "Temp", opening copies them back. TempPlan holds
// one row: the image, the page shown and the keys of the two lineal items the plan made.
class PlanStore {
public:
    PlanStore(DataAccess& data, const Conn& working);

    // The plan as it was left; an empty plan when there is none. Throws Failure.
    RoofPlan load();
    // Replaces the stored plan with `plan` in one transaction; the lineal items the plan made stay
    // noted. Throws Failure.
    void store(const RoofPlan& plan);

    // The working IDs (TempLineal) of the cap and starter items the plan made when it was last
    // applied; 0 for none. Throws Failure.
    std::pair<qint32, qint32> madeItems();
    // Notes them (there must be a plan). Throws Failure.
    void setMadeItems(qint32 cap, qint32 starter);
    // The same for the cut waste item.
    qint32 madeWaste();
    void setMadeWaste(qint32 waste);

private:
    DataAccess& m_data;
    Conn m_working;
};

// The plan part of saving an estimate: the working plan replaces the estimate file's plan, inside
// the caller's transaction (a savepoint of its own). A file made before plans existed gets the plan
// tables first, one made before cut waste its column. The image is written only when it changed. Throws
// Failure; the save reports it at kSavePlanSite.
inline const TrapSite kSavePlanSite{QStringLiteral("SavePlan"), TrapSite::Module, QStringLiteral("modRoof")};
void SavePlan(DataAccess& data, const Conn& working, const Conn& estimate);

// The plan part of opening an estimate: its plan into the (empty) working plan tables, after its
// lineal items, whose working IDs the plan's made items are given. A file without plan tables has
// no plan. Throws Failure.
void OpenPlan(DataAccess& data, const Conn& estimate, const Conn& working);

} // namespace qx
