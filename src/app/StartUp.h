#pragma once

#include "data/SettingsStore.h"

namespace qx {

// The start-up steps that need no window (module modMain).
class StartUp {
public:
    // On the first start on this machine: the default settings, then Common/Path = the program folder.
    // Later starts change nothing. Returns true when the defaults were written.
    static bool ensureSettings(SettingsStore& store, const QString& programFolder);
    // True exactly when Op/Greet reads as the number 1.
    static bool GreetingPredicate(const SettingsStore& store);
};

} // namespace qx
