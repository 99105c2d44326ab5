#pragma once

#include <QList>
#include <QString>

namespace qx {

// The sizes the size list offers for a font: those of the candidate sizes (6, 8, 7, 9, 10, ... 72, in
// that order) the font can take exactly; for a font name the screen does not know, a fixed list.
QList<int> fontSizesFor(const QString& family);

} // namespace qx
