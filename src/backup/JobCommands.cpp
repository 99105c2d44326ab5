#include "backup/JobCommands.h"

#include "backup/JobArchive.h"

#include <QDir>
#include <QStandardPaths>

namespace qx {

namespace {

TrapSite boardSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Form, QStringLiteral("frmManageStatus")};
}

FileDialogStart inDocuments() {
    FileDialogStart start;
    start.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return start;
}

} // namespace

JobCommands::JobCommands(AppContext& ctx)
    : m_ctx(ctx) {}

QString JobCommands::exportedMessage(const QString& name, const QString& path) {
    return QStringLiteral("The estimate %1 was exported to\n%2").arg(name, QDir::toNativeSeparators(path));
}

QString JobCommands::importedMessage(const QString& name) {
    return QStringLiteral("The estimate %1 was imported.").arg(name);
}

QString JobCommands::nameUsedQuestion(const QString& used, const QString& free) {
    return QStringLiteral("There is already an estimate named %1.\nImport this one as %2?").arg(used, free);
}

QString JobCommands::exportEstimate(qint32 id) {
    QString path =
        m_ctx.prompter.chooseSaveFile(QStringLiteral("Export Estimate"), JobArchive::kFilter, inDocuments());
    if (path.isEmpty())
        return {};
    if (!path.endsWith(JobArchive::kExtension, Qt::CaseInsensitive))
        path += JobArchive::kExtension;
    QString name;
    const bool written = m_ctx.data.Trap(boardSite("cmdExport_Click"), [&] {
        name = m_ctx.data
                   .ReadScalar(m_ctx.conns.sMastConn, QStringLiteral("select estname from master where id=?"),
                               {id})
                   .toString();
        JobArchive::exportEstimate(m_ctx, id, path);
    });
    if (!written)
        return {};
    m_ctx.prompter.inform(kAppTitle, exportedMessage(name, path), Prompter::Icon::Information);
    return path;
}

qint32 JobCommands::importEstimate() {
    const QString path =
        m_ctx.prompter.chooseOpenFile(QStringLiteral("Import Estimate"), JobArchive::kFilter, inDocuments());
    if (path.isEmpty())
        return 0;
    try {
        JobArchive archive(path);
        const QString name = archive.freeName(m_ctx);
        if (name != archive.row().name &&
            m_ctx.prompter.askYesNo(kAppTitle, nameUsedQuestion(archive.row().name, name),
                                    Prompter::Icon::Question, Prompter::Answer::Yes) != Prompter::Answer::Yes)
            return 0;
        const qint32 id = archive.importAs(m_ctx, name);
        m_ctx.prompter.inform(kAppTitle, importedMessage(name), Prompter::Icon::Information);
        return id;
    } catch (const ArchiveRefused& refused) {
        m_ctx.prompter.inform(kAppTitle, refused.message(), Prompter::Icon::Critical);
    } catch (const Failure& failure) {
        m_ctx.data.ShowTrap(failure, boardSite("cmdImport_Click"));
    }
    return 0;
}

} // namespace qx
