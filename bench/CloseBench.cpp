// Closing the program with "Back up when the program closes" on, after one estimate changed since the
// last backup, with 10 and with 1,000 estimates in the folder: the program's backup of the changes and
// the pruning that follows it, as the main window's close runs them. The folder's estimates were last
// changed a day ago and a whole backup of them is in the backup folder.
#include "Figures.h"
#include "StartedEstimate.h"

#include "backup/BackupPruning.h"
#include "backup/BackupSettings.h"
#include "backup/ProgramBackup.h"
#include "data/AppContext.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "data/SettingsStore.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

namespace {

// A program folder with `count` estimates, all changed long ago, and a backup folder beside it holding
// a whole backup of them.
struct ClosingFolder {
    QTemporaryDir dir;
    qx::ScriptedPrompter prompter;
    std::unique_ptr<qx::AppContext> ctx;
    QString backups;
    qx::Conn changed;

    explicit ClosingFolder(int count) {
        const qx::ProgramFolder folder(dir.path() + "/program");
        qx::layOutProgramFolder(folder);
        ctx = std::make_unique<qx::AppContext>(folder.root(), prompter, dir.path() + "/config");
        qx::writeDefaultSettings(ctx->settings);
        qx::WorkState state;
        qxbench::startEstimate(*ctx, state);
        changed = state.sEstConn;
        ctx->pool.closeAll();
        // The other estimates: copies of the first, each in its own folder.
        for (int i = 1; i < count; ++i) {
            const QString name = QStringLiteral("Estimate%1").arg(i);
            QDir().mkpath(folder.estimateFolder(name));
            QFile::copy(changed.path, folder.estimateFile(name));
        }
        const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
        for (const QString& top : {folder.dataDir(), folder.estimatesDir()}) {
            QDirIterator it(top, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                file.open(QIODevice::ReadWrite);
                file.setFileTime(dayAgo, QFileDevice::FileModificationTime);
            }
        }
        backups = dir.path() + "/backups";
        qx::ProgramBackup::write(folder, backups, QDateTime::currentDateTime());
    }
};

// Made once per size: the whole backup of 1,000 estimates takes minutes, and a benchmark runs more than
// once while it finds its number of iterations.
ClosingFolder& closingFolderOf(int count) {
    static std::map<int, std::unique_ptr<ClosingFolder>> folders;
    static const bool freedAtEnd = (qxbench::atEnd([] { folders.clear(); }), true);
    (void)freedAtEnd;
    auto& slot = folders[count];
    if (!slot)
        slot = std::make_unique<ClosingFolder>(count);
    return *slot;
}

void BM_ProgramClose(benchmark::State& s) {
    ClosingFolder& closing = closingFolderOf(int(s.range(0)));
    static int change = 0;
    for (auto _ : s) {
        s.PauseTiming();
        closing.ctx->data.file(closing.changed)
            .exec("update main set estsummary=?", {QStringLiteral("Change %1").arg(++change)});
        s.ResumeTiming();
        const QString archive = qx::ProgramBackup::writeChanges(closing.ctx->folder, closing.backups,
                                                                QDateTime::currentDateTime());
        if (archive.isEmpty())
            s.SkipWithError("no backup of the change");
        qx::pruneBackups(closing.backups, qx::BackupSettings::kDefaultKeep);
    }
}

BENCHMARK(BM_ProgramClose)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
