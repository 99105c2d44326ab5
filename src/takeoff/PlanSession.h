#pragma once

#include "data/AppContext.h"
#include "takeoff/PlanPages.h"
#include "takeoff/PlanRows.h"
#include "takeoff/RoofPlan.h"

#include <optional>

namespace qx {

class RoofPanel;
struct WorkState;

// The roof plan window can be opened in modes "new" (after Start), "open" and "figure".
bool planAvailable(const WorkState& state);
struct RoofShow;

// The model of the roof plan window (frmPlan): the plan of the estimate being worked on, read from
// the working database when the window opens and kept there when it closes, whether applied or not.
// Messages and questions go through the program's Prompter.
class PlanSession {
public:
    explicit PlanSession(AppContext& ctx);

    // The plan as it was left, with its pages, and the cut waste values. False when it could not be read
    // (reported).
    bool load();

    RoofPlan plan;
    // The cut waste values of the settings store as they were when the window opened.
    WasteSettings rates;
    const PlanPages& pages() const { return m_pages; }

    // "Open Plan...": the file at `path` becomes the plan's image, its first page shown. A file that
    // cannot be shown is refused with a message; a plan with facets asks first, for they go with the
    // old image. True when the plan was replaced.
    bool openFile(const QString& path);

    // The length typed in the scale dialog, in feet; the message that refuses it.
    static FeetLength readScaleLength(const QString& text);

    // Keeps the plan in the working database when it changed. True when it changed (the estimate is
    // then changed too); a failure is reported.
    bool keep();
    // "Apply": keeps the plan, then puts its rows into the estimate through the roof panel. Nothing
    // when it is refused (the message was shown) or failed.
    std::optional<RoofShow> apply(RoofPanel& panel);

private:
    AppContext& m_ctx;
    RoofPlan m_loaded;
    PlanPages m_pages;
};

} // namespace qx
