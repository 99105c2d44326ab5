#pragma once

#include "data/AppContext.h"
#include "data/ScriptedPrompter.h"
#include "data/WorkState.h"
#include "estimate/NewEstimate.h"
#include "lines/EstimateTotals.h"
#include "lines/LineItems.h"
#include "lines/Sections.h"
#include "takeoff/RoofPanel.h"

#include <QStringList>

namespace qxcrash {

// One run of the program on a program folder, without a window: the models the main window owns,
// messages recorded instead of shown.
struct Session {
    Session(const QString& programFolder, const QString& configRoot);

    // Opens the estimate `id` as the main window does once it was chosen in the open list. False when
    // anything was reported.
    bool open(qint32 id);
    // A digest of what the open estimate holds: its lines, areas and lineal items by their values (not
    // their keys, which a save hands out) and `storedSummary`, the summary as Main holds it.
    QString fingerprint(const QString& storedSummary);
    // The summary the estimate file holds.
    QString storedSummary();

    qx::ScriptedPrompter prompter;
    qx::AppContext ctx;
    qx::WorkState state;
    qx::EstimateTotals totals;
    qx::LineItems lines;
    qx::Sections sections;
    qx::RoofPanel roof;
};

// The owner every estimate of the crash runs is made for; `estName` names the estimate.
qx::OwnerInput crashOwner(const QString& estName);
// A name Start accepts (letters only), different for every `number`.
QString estimateName(int number);

} // namespace qxcrash
