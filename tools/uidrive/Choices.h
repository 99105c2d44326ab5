#pragma once

#include "Target.h"

class QAbstractItemView;

namespace qx::uidrive {

// Choosing among entries as a user's click does: a combo box entry, a list entry, a tab, a grid row.
// Each returns why it could not be done, or "" when it was done.
namespace Choices {

QString chooseTab(QTabBar* bar, int index, const QString& name);
// "select NAME TEXT": the entry with that text in a combo box, list or tab control.
QString select(const Target& target, const QString& name, const QString& text);
// "row NAME N": row N becomes the current row (no click).
QString makeRowCurrent(const Target& target, const QString& name, int row);
// "dblclick NAME N": a double click on row N.
QString doubleClickRow(const Target& target, const QString& name, int row);

} // namespace Choices

} // namespace qx::uidrive
