#pragma once

#include <QFunctionPointer>

namespace qx {

// An entry of the office server module (libpq, the engine and the keyring), which is loaded on the
// first call: a program that works on its own files never loads it. Null when the module or the entry
// is missing.
QFunctionPointer officeModuleEntry(const char* name);

} // namespace qx
