#pragma once

#include "data/ConnectionPool.h"
#include "data/DataAccess.h"
#include "data/OfficeServer.h"
#include "data/ProgramFolder.h"
#include "data/Prompter.h"
#include "data/SettingsStore.h"
#include "data/WorkingDb.h"

#include <optional>

namespace qx {

// What every part of the program shares for one run: the program folder and its connection values,
// the open database handles, the message channel, the settings store and the scratch files.
struct AppContext {
    AppContext(const QString& programFolder, Prompter& prompter, const QString& configRoot = {})
        : folder(programFolder)
        , conns(folder.connections())
        , prompter(prompter)
        , data(pool, prompter)
        , settings(configRoot)
        , working(data, folder) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    ProgramFolder folder;
    Connections conns;
    ConnectionPool pool;
    Prompter& prompter;
    DataAccess data;
    SettingsStore settings;
    WorkingDb working;
    // The office server the program keeps its cost database, register and estimates on; none while it
    // works on this folder's files (see office/OfficeStorage.h).
    std::optional<OfficeServer> office;
};

} // namespace qx
