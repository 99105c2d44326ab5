#include "pricelist/UiPriceListCommands.h"

#include "pricelist/PriceListExport.h"
#include "pricelist/PriceListTexts.h"
#include "pricelist/frmImport.h"

#include <QFileInfo>

namespace qx {

bool importPriceList(AppContext& ctx, const QString& costType, QWidget* parent) {
    const QString path = ctx.prompter.chooseOpenFile(kTitleImport, kCsvFilter);
    if (path.isEmpty())
        return false;
    CsvRead read = readCsvFile(path);
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
    if (const auto items = PriceListExport(ctx.data, ctx.conns.sCostConn).write(path))
        ctx.prompter.inform(kTitleExport, exportDone(*items, QFileInfo(path).fileName()));
}

} // namespace qx
