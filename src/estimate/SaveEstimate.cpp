#include "estimate/SaveEstimate.h"

#include <QDir>
#include <QFileInfo>

namespace qx {

bool hasItemsToSave(AppContext& ctx) {
    qint64 rows = 0;
    ctx.data.Trap({QStringLiteral("SaveEst"), TrapSite::Form, QStringLiteral("frmQuovi")}, [&] {
        rows = ctx.data.ReadScalar(ctx.conns.sTempConn, QStringLiteral("select count(*) from estigrid"))
                   .toLongLong();
    });
    return rows > 1;
}

bool removeEstimateFolder(const ProgramFolder& folder, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    const QFileInfo target(folder.estimateFolder(name));
    const QString estimates = QFileInfo(folder.estimatesDir()).canonicalFilePath();
    // A link could point anywhere: only a real folder directly inside estimates/ is removed.
    if (!target.isDir() || target.isSymLink() || estimates.isEmpty() ||
        QFileInfo(target.canonicalFilePath()).absolutePath() != estimates)
        return false;
    return QDir(target.absoluteFilePath()).removeRecursively();
}

} // namespace qx
