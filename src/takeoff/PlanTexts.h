#pragma once

#include <QString>

namespace qx {

// The captions, messages and questions of the roof plan window and its scale dialog. Forms show these
// texts; they never carry their own.

inline const QString kPlanTitle = QStringLiteral("Roof Plan");
inline const QString kScaleTitle = QStringLiteral("Set Scale");

// "These facets do not meet at corner N."
inline const QString kMsgFacetsDoNotMeet = QStringLiteral("These facets do not meet at corner %1.");
inline const QString kMsgOutlineCrosses =
    QStringLiteral("The edges of this facet cross each other. Please click its corners in order around it.");
inline const QString kMsgSetScaleFirst = QStringLiteral("Please set the scale first.");
inline const QString kMsgOpenPlanFirst = QStringLiteral("Please open a plan first.");
inline const QString kMsgSelectFacet = QStringLiteral("Please select a facet first.");
inline const QString kMsgNoFacets = QStringLiteral("Please trace at least one facet.");
inline const QString kMsgPlanNotRead = QStringLiteral("This file could not be read as a plan: %1");
inline const QString kMsgEnterScaleLength = QStringLiteral("Please enter the length between the two points.");
inline const QString kMsgScalePointsApart = QStringLiteral("Please click two different points.");
inline const QString kMsgPlanTooLarge =
    QStringLiteral("This roof is too large to be stored. Please check the scale.");
inline const QString kAskReplacePlan =
    QStringLiteral("Opening another plan clears the facets traced on this one.  Do you wish to continue?");
inline const QString kMsgAreaFromPlan =
    QStringLiteral("This area was traced on the roof plan. Please change it with \"From Plan...\".");
inline const QString kAskDeleteFacet = QStringLiteral("Are you sure you want to delete this facet?");

// What the window tells the user to do next, in its status line.
inline const QString kHintScaleFirst = QStringLiteral("Click the first end of a known length.");
inline const QString kHintScaleSecond = QStringLiteral("Click the other end of the known length.");
inline const QString kHintFacet = QStringLiteral(
    "Click the corners of one roof plane; click the first corner again or press Return to close it.");
inline const QString kHintEave = QStringLiteral("Click the eave edge of the selected facet.");

// The file dialog of "Open Plan...".
inline const QString kOpenPlanTitle = QStringLiteral("Open Plan");
inline const QString kPlanFilter = QStringLiteral("Plans (*.pdf *.png *.jpg *.jpeg)");

// The totals list's rows besides the edge classes, and its captions.
inline const QString kRowRoofArea = QStringLiteral("Roof area");

// The lineal items the plan puts into the estimate.
inline const QString kPlanCapName = QStringLiteral("Ridge and hip cap");
inline const QString kPlanStarterName = QStringLiteral("Eave starter");

} // namespace qx
