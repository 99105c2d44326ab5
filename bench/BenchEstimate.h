#pragma once

#include "data/AppContext.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "data/SettingsStore.h"
#include "data/WorkState.h"
#include "lines/EstimateTotals.h"
#include "lines/LineItems.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace qxbench {

// The program's context over a program folder of its own, with the line models of the main window, as
// the benchmarks of one estimate need them.
struct BenchEstimate {
    enum class Folder {
        DataOnly, // only data/: the benchmark makes the databases it needs
        LaidOut   // a new install's folder, shipped databases included
    };

    QTemporaryDir dir;
    qx::ScriptedPrompter prompter;
    std::unique_ptr<qx::AppContext> ctx;
    qx::WorkState state;
    std::unique_ptr<qx::EstimateTotals> totals;
    std::unique_ptr<qx::LineItems> lines;

    explicit BenchEstimate(Folder folder) {
        if (folder == Folder::LaidOut)
            qx::layOutProgramFolder(qx::ProgramFolder(dir.path()));
        else
            QDir().mkpath(dir.path() + "/data");
        ctx = std::make_unique<qx::AppContext>(dir.path(), prompter, dir.path() + "/config");
        qx::writeDefaultSettings(ctx->settings);
    }

    // A new estimate's empty working copy, as New makes it for estimate 1, with the line models over it.
    void startWorkingCopy() {
        ctx->working.CreateTempDB();
        state.sOpenMode = qx::WorkState::kNew;
        state.lEstID = 1;
        makeLineModels();
    }

    void makeLineModels() {
        totals = std::make_unique<qx::EstimateTotals>(*ctx);
        lines = std::make_unique<qx::LineItems>(*ctx, state, *totals);
    }
};

} // namespace qxbench
