#pragma once

#include <QFunctionPointer>
#include <QString>

namespace qx {

// An entry of one of the program's modules (the PDF reader, the office server, the printer): libraries
// loaded on first use, so that a start never loads what only some commands need. A module lies beside
// the program; a program run from the build (its tests, its benchmarks) finds it in the build's folder.
// Null when the module or the entry is missing. A module once loaded stays loaded.
QFunctionPointer programModuleEntry(const QString& module, const char* entry);

} // namespace qx
