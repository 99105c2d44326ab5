#include "pricelist/UiPriceListCommands.h"

#include "pricelist/PriceListExport.h"
#include "pricelist/PriceListTexts.h"
#include "pricelist/frmImport.h"

#include <QFileInfo>
#include <QProgressDialog>

namespace qx {

namespace {

// A large file takes a few seconds to read: the window shows how far it got and lets the user stop.
CsvRead readWithProgress(const QString& path, QWidget* parent) {
    constexpr int kShowAfterMs = 300;
    QProgressDialog progress(kReading, QStringLiteral("Cancel"), 0, 100, parent);
    progress.setObjectName(QStringLiteral("dlgReadProgress"));
    progress.setWindowTitle(kTitleImport);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowAfterMs);
    CsvRead read = readCsvFile(path, [&](qint64 done, qint64 total) {
        progress.setValue(int(done * 100 / std::max<qint64>(total, 1)));
        return !progress.wasCanceled();
    });
    progress.reset();
    return read;
}

} // namespace

bool importPriceList(AppContext& ctx, const QString& costType, QWidget* parent) {
    const QString path = ctx.prompter.chooseOpenFile(kTitleImport, kCsvFilter);
    if (path.isEmpty())
        return false;
    CsvRead read = readWithProgress(path, parent);
    if (read.cancelled)
        return false;
    if (!read.ok()) {
        ctx.prompter.inform(kTitleImport, read.problem, Prompter::Icon::Warning);
        return false;
    }
    frmImport form(ctx, std::move(read.table), costType, parent);
    form.exec();
    return form.imported();
}

void exportPriceList(AppContext& ctx) {
    QString path = ctx.prompter.chooseSaveFile(kTitleExport, kCsvFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    PriceListExport exporter(ctx.data, ctx.conns.sCostConn);
    if (const auto items = exporter.write(path))
        ctx.prompter.inform(kTitleExport, exportDone(*items, QFileInfo(path).fileName()));
    else if (!exporter.problem().isEmpty())
        ctx.prompter.inform(kTitleExport, exporter.problem(), Prompter::Icon::Warning);
}

} // namespace qx
