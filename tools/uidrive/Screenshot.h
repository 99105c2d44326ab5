#pragma once

#include <QImage>
#include <QString>

namespace qx::uidrive {

// Pictures of what the user is dealing with, for the manual: the dialog that waits for them, else the
// main window, under a title bar naming it as the desktop would.
namespace Screenshot {

// The environment variable naming the folder that "shot" steps write to; without it they write nothing,
// so a script can carry its pictures and still run under ctest without leaving files behind.
inline constexpr char kFolderVariable[] = "UIDRIVE_SHOTS";

// The open modal dialog, else the first shown window, with its title above it; null when no window is
// shown.
QImage picture();

// Saves picture() as a small PNG (a palette of 256 colours is plenty for a window) named `name` in the
// shots folder; returns why it could not, or "". Does nothing without the folder.
QString save(const QString& name);

} // namespace Screenshot

} // namespace qx::uidrive
