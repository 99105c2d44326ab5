#pragma once

#include "Target.h"

#include <QStringList>
#include <optional>

class QAbstractItemView;

namespace qx::uidrive {

// What a control shows, as the dump and expect steps print and compare it.
namespace WidgetDumper {

// The columns of a grid that are shown (a list's one column).
QList<int> shownColumns(const QAbstractItemView* view);

// The grid or list a target is, or nullptr.
QAbstractItemView* itemView(const Target& target);

// The text a box, label, combo box, button, editor, status bar, tab or window shows (line breaks
// kept; captions as read on screen, without their & mnemonic); nullopt for a control that has no
// such text.
std::optional<QString> shownText(const Target& target);

// The lines "dump NAME" prints: "NAME: text", or for a grid or list its row count, captions and rows.
// nullopt when the control shows nothing that can be read.
std::optional<QStringList> dumpLines(const QString& name, const Target& target);

// What "expect NAME TEXT" compares with TEXT: the shown text, or a grid's or list's row count.
std::optional<QString> expectedValue(const Target& target);

} // namespace WidgetDumper

} // namespace qx::uidrive
