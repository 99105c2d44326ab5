#pragma once

#include <QImage>
#include <QString>

namespace qx::uidrive {

// Pictures of what the user sees, for the manual: the program's windows as they stand on the screen,
// the main window below the dialogs and popups opened over it.
namespace Screenshot {

// The environment variable naming the folder that "shot" steps write to; without it they write nothing,
// so a script can carry its pictures and still run under ctest without leaving files behind.
inline constexpr char kFolderVariable[] = "UIDRIVE_SHOTS";

// Every visible top-level window (its inside, without the frame) painted at its place, cropped to the
// area they cover; null when no window is shown.
QImage compose();

// Saves compose() as a small PNG (a palette of 256 colours is plenty for a dialog) named `name` in the
// shots folder; returns why it could not, or "". Does nothing without the folder.
QString save(const QString& name);

} // namespace Screenshot

} // namespace qx::uidrive
