#pragma once

#include <QtGlobal>

namespace qx {

// What the cost database editors are opened for, shared by the command that opens an editor and the
// editor itself: the editor mode, and the key of the entry being edited or deleted. The opener sets
// both and puts the mode back to None when the editor has closed.
struct CostEditing {
    enum class Mode { None, Add, Edit };

    Mode mode = Mode::None;
    qint32 currentId = 0;

    bool editing() const { return mode == Mode::Edit; }
};

} // namespace qx
