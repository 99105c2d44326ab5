#include "revisions/SentRevisions.h"

#include "data/DateText.h"
#include "data/StoredPath.h"
#include "docs/PaperSetup.h"
#include "estimate/SaveEstimate.h"
#include "revisions/EstimateExport.h"
#include "revisions/RevisionDigests.h"
#include "revisions/RevisionTexts.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

namespace qx {

namespace {

TrapSite boardSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Form, QStringLiteral("frmManageStatus")};
}

} // namespace

SentRevisions::SentRevisions(AppContext& ctx)
    : m_ctx(ctx) {}

std::optional<RevisionRecord> SentRevisions::markSent(WorkState& state, const QTextDocument& proposal,
                                                      const QTextDocument& contract) {
    RevisionContent content;
    content.estimateFile = state.sEstConn.path;
    content.password = state.sEstConn.password;
    content.proposal = &proposal;
    content.contract = &contract;
    content.proposalProperties =
        DocumentProperties::read(m_ctx.settings, QStringLiteral("Proposal"), state.estName);
    content.contractProperties =
        DocumentProperties::read(m_ctx.settings, QStringLiteral("Contract"), state.estName);
    content.made = QDateTime::currentDateTime();
    content.keepDigest = [this, id = state.lEstID](const RevisionRecord& record, const QString& sha256) {
        RevisionDigests(registerDb()).keep(id, {{record.number, sha256}});
    };
    std::optional<RevisionRecord> record;
    QString folder = QFileInfo(content.estimateFile).absolutePath();
    QTemporaryDir exported;
    try {
        if (state.sEstConn.office) {
            // An estimate of the office server is frozen as a file in this PC's folder of it, where its
            // documents are made too.
            folder = m_ctx.folder.estimateFolder(state.estName);
            if (!QDir().mkpath(folder) || !exported.isValid())
                throw Failure(
                    kErrPathNotFound,
                    QStringLiteral("The folder %1 could not be made.").arg(QDir::toNativeSeparators(folder)));
            content.estimateFile = exported.filePath(QStringLiteral("estimate.mdb"));
            content.password = kEstimatePassword;
            exportEstimate(m_ctx.data.file(state.sEstConn), content.estimateFile, content.password);
        }
        record = RevisionStore(folder).freeze(content);
    } catch (const Failure& failure) {
        m_ctx.prompter.inform(kAppTitle, RevisionTexts::kSentFailed.arg(failure.description()),
                              Prompter::Icon::Warning);
        return std::nullopt;
    }
    if (state.sEstStatus == kStatusWorking)
        markPending(m_ctx, state);
    return record;
}

QString SentRevisions::folderOf(qint32 id) {
    QString folder;
    m_ctx.data.Trap(boardSite("PopRevisions"), [&] {
        const QString stored = m_ctx.data
                                   .ReadScalar(m_ctx.conns.sMastConn,
                                               QStringLiteral("select estpath from master where id=?"), {id})
                                   .toString();
        const QString name = storedFolderName(stored);
        if (!name.isEmpty() && isEstimateFolder(m_ctx.folder, name))
            folder = m_ctx.folder.estimateFolder(name);
    });
    return folder;
}

std::optional<RevisionStore> SentRevisions::storeOf(qint32 id) {
    const QString folder = folderOf(id);
    if (folder.isEmpty())
        return std::nullopt;
    std::optional<RevisionStore> store;
    m_ctx.data.Trap(boardSite("PopRevisions"),
                    [&] { store.emplace(folder, RevisionDigests(registerDb()).of(id)); });
    return store;
}

QList<RevisionLine> SentRevisions::lines(qint32 id) {
    const std::optional<RevisionStore> store = storeOf(id);
    if (!store)
        return {};
    QList<RevisionLine> lines;
    for (const RevisionState& revision : store->list()) {
        QString text = QStringLiteral("R%1  %2  %3")
                           .arg(revision.number)
                           .arg(shortDateText(revision.date), revision.total.toCurrency());
        if (!revision.sound())
            text += RevisionTexts::kAlteredMark;
        lines.append({revision.number, text});
    }
    return lines;
}

QStringList SentRevisions::sides(qint32 id) {
    QStringList sides;
    const QList<RevisionLine> newestFirst = lines(id);
    for (auto it = newestFirst.crbegin(); it != newestFirst.crend(); ++it)
        sides << QStringLiteral("R%1").arg(it->number);
    sides << RevisionTexts::kNow;
    return sides;
}

int SentRevisions::sideOf(const QString& choice) {
    return choice.startsWith(QLatin1Char('R')) ? choice.mid(1).toInt() : kNow;
}

int SentRevisions::count(qint32 id) {
    const QString folder = folderOf(id);
    return folder.isEmpty() ? 0 : RevisionStore(folder).count();
}

bool SentRevisions::openProposal(qint32 id, int number) {
    const std::optional<RevisionStore> store = storeOf(id);
    const std::optional<RevisionState> revision = store ? store->find(number) : std::nullopt;
    if (!revision)
        return false;
    if (!revision->sound()) {
        m_ctx.prompter.inform(kAppTitle, revision->problem(), Prompter::Icon::Warning);
        return false;
    }
    m_ctx.prompter.openUrl(QUrl::fromLocalFile(revision->filePath(RevisionStore::kProposal)).toString());
    return true;
}

std::optional<EstimateSnapshot> SentRevisions::snapshot(qint32 id, int side) {
    const QString folder = folderOf(id);
    if (folder.isEmpty())
        return std::nullopt;
    std::optional<EstimateSnapshot> result;
    if (side == kNow) {
        m_ctx.data.Trap(boardSite("cmdCompare_Click"), [&] {
            const QString stored =
                m_ctx.data
                    .ReadScalar(m_ctx.conns.sMastConn,
                                QStringLiteral("select estpath from master where id=?"), {id})
                    .toString();
            const std::optional<Conn> conn = storedEstimateConn(m_ctx.folder, stored);
            if (!conn)
                throw Failure(kErrPathNotFound, QStringLiteral("The estimate's file cannot be found."));
            result = conn->office ? readEstimateSnapshot(m_ctx.data.file(*conn))
                                  : readEstimateSnapshot(conn->path, conn->password);
        });
        return result;
    }
    const std::optional<RevisionStore> store = storeOf(id);
    const std::optional<RevisionState> revision = store ? store->find(side) : std::nullopt;
    if (!revision)
        return std::nullopt;
    if (!revision->sound()) {
        m_ctx.prompter.inform(kAppTitle, revision->problem(), Prompter::Icon::Warning);
        return std::nullopt;
    }
    m_ctx.data.Trap(boardSite("cmdCompare_Click"), [&] {
        result = readEstimateSnapshot(revision->filePath(RevisionStore::kEstimate), kEstimatePassword);
    });
    return result;
}

std::optional<Comparison> SentRevisions::compare(qint32 id, int before, int after) {
    const std::optional<EstimateSnapshot> a = snapshot(id, before);
    if (!a)
        return std::nullopt;
    const std::optional<EstimateSnapshot> b = snapshot(id, after);
    if (!b)
        return std::nullopt;
    return compareEstimates(*a, *b);
}

DuplicateEstimate::FolderCarry carrySentRevisions(AppContext& ctx) {
    return [&ctx](qint32 fromId, qint32 toId, const QString& fromFolder, const QString& toFolder) {
        RevisionDigests(ctx.data.file(ctx.conns.sMastConn)).copy(fromId, toId);
        RevisionStore::copyRevisions(fromFolder, toFolder);
    };
}

} // namespace qx
