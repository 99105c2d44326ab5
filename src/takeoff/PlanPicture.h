#pragma once

#include "takeoff/RoofPlan.h"
#include "takeoff/WasteSettings.h"

#include <QImage>
#include <QList>
#include <QStringList>

namespace qx {

// The traced plan for the roof detail: each page that has facets, drawn as the plan window shows it
// with the facets outlined, their eaves marked and their numbers in them. None when nothing is traced
// or the plan's file cannot be drawn.
QList<QImage> planPictures(const RoofPlan& plan);

// The plan's part of the roof detail: "PLAN" and one line per edge class with its length in feet
// ("Eave" ... "140.0") and the working of the cut waste it writes (cutWasteItem, cutWasteLine), or the
// message that keeps the figures waiting. Nothing for a plan without facets.
QStringList planReportLines(const RoofPlan& plan, const WasteSettings& rates);

} // namespace qx
