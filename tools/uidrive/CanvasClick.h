#pragma once

#include "Target.h"

#include <QPointF>

namespace qx::uidrive {

// clickat NAME X Y: a left click on a canvas at the point X, Y of the picture it shows. A canvas
// says where a picture point is on screen through its invokable screenFromImage(QPointF), which
// takes its zoom and pan into account, so scripts do not depend on the window's size. A point the
// canvas does not show at the moment cannot be clicked (the step fails), as a user could not.
// Returns why the click could not be done, or "".
QString clickAt(const Target& target, const QString& name, QPointF point);

} // namespace qx::uidrive
