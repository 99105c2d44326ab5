#include "app/StartUp.h"

#include "data/WholeNumber.h"

namespace qx {

bool StartUp::ensureSettings(SettingsStore& store, const QString& programFolder) {
    if (!isFirstStart(store))
        return false;
    writeDefaultSettings(store);
    store.write(kAppName, QStringLiteral("Common"), QStringLiteral("Path"), programFolder);
    return true;
}

bool StartUp::GreetingPredicate(const SettingsStore& store) {
    const auto value =
        parseNumber(store.read(kAppName, QStringLiteral("Op"), QStringLiteral("Greet")), QLocale::c());
    return value && *value == 1.0;
}

} // namespace qx
