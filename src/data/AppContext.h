#pragma once

#include "data/ConnectionPool.h"
#include "data/DataAccess.h"
#include "data/ProgramFolder.h"
#include "data/Prompter.h"
#include "data/SettingsStore.h"
#include "data/WorkingDb.h"

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
};

} // namespace qx
