#pragma once

#include "data/SettingsStore.h"

namespace qx {

// The greeting box shown at start-up: its text, and what "Okay" stores.
struct Greeting {
    static QString text();
    // "Okay": a cleared "Show at startup" switches the greeting off; left checked, nothing is written.
    static void okay(SettingsStore& store, bool showAtStartup);
};

} // namespace qx
