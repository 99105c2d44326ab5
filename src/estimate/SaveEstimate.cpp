#include "estimate/SaveEstimate.h"

#include "costs/PriceAge.h"
#include "data/DateText.h"
#include "estimate/RegisterTotals.h"
#include "estimate/StoredLines.h"
#include "estimate/WorkingAttachment.h"
#include "lines/EstimateTotals.h"
#include "lines/LineItems.h"
#include "takeoff/PlanStore.h"
#include "takeoff/RoofSave.h"

#include <QDir>
#include <QFileInfo>

namespace qx {

namespace {

const TrapSite kSaveEstSite{QStringLiteral("SaveEst"), TrapSite::Form, QStringLiteral("frmQuovi")};
const TrapSite kSaveTotalsSite{QStringLiteral("SaveEstimateTotals"), TrapSite::Module,
                               QStringLiteral("modSaveEst")};

} // namespace

bool hasItemsToSave(AppContext& ctx) {
    qint64 rows = 0;
    ctx.data.Trap(kSaveEstSite, [&] {
        rows = ctx.data.ReadScalar(ctx.conns.sTempConn, QStringLiteral("select count(*) from estigrid"))
                   .toLongLong();
    });
    return rows > 1;
}

bool isEstimateFolder(const ProgramFolder& folder, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    const QFileInfo target(folder.estimateFolder(name));
    const QString estimates = QFileInfo(folder.estimatesDir()).canonicalFilePath();
    // A link could point anywhere: only a real folder directly inside estimates/ counts.
    return target.isDir() && !target.isSymLink() && !estimates.isEmpty() &&
           QFileInfo(target.canonicalFilePath()).absolutePath() == estimates;
}

bool removeEstimateFolder(const ProgramFolder& folder, const QString& name) {
    return isEstimateFolder(folder, name) && QDir(folder.estimateFolder(name)).removeRecursively();
}

void SaveEstimateTotals(Database& estimateFile, const MainTexts& texts) {
    estimateFile.exec(
        QStringLiteral("UPDATE main set overhead=?, Profit=?, contingency=?, management=?, "
                       "EstSummary=?, PaymentTerms=? where ID=1"),
        {texts.admin[0], texts.admin[1], texts.admin[2], texts.admin[3], texts.summary, texts.terms});
    if (estimateFile.changes() != 1)
        throw Failure(3021, QStringLiteral("The estimate file has no owner record."));
}

SaveEstimate::SaveEstimate(AppContext& ctx, WorkState& state, LineItems& lines)
    : m_ctx(ctx)
    , m_state(state)
    , m_lines(lines) {}

MainTexts SaveEstimate::mainTexts(const QString& summary, const QString& terms) const {
    MainTexts texts;
    for (int i = 0; i < EstimateTotals::kAdminCount; ++i)
        texts.admin[size_t(i)] = m_lines.totals().admin(i).encoded();
    texts.summary = EstimateTotals::storedSummary(summary);
    texts.terms = EstimateTotals::storedTerms(terms);
    return texts;
}

SaveOutcome SaveEstimate::SaveEst(const QString& summary, const QString& terms) {
    if (!hasItemsToSave(m_ctx)) {
        m_ctx.prompter.inform(kAppTitle, kNoItemsToSave);
        return SaveOutcome::NoItems;
    }
    bool complete = false;
    if (m_state.sEstStatus == kStatusWorking) {
        // Old prices are worth a look before the estimate is called complete.
        if (const QString note = PriceAge::noteForEstimate(m_ctx); !note.isEmpty())
            m_ctx.prompter.inform(kAppTitle, note, Prompter::Icon::Information);
        const auto answer = m_ctx.prompter.askYesNoCancel(kCompleteTitle, kCompleteText,
                                                          Prompter::Icon::Information, Prompter::Answer::No);
        if (answer == Prompter::Answer::Cancel)
            return SaveOutcome::Cancelled;
        complete = answer == Prompter::Answer::Yes;
    }
    if (!writeEstimateFile(mainTexts(summary, terms)))
        return SaveOutcome::Failed;
    // The register keeps the total Terms/Totals shows, for the sales picture.
    m_ctx.data.Trap(kSaveEstSite,
                    [&] { RegisterTotals(m_ctx).store(m_state.lEstID, m_lines.totals().estimateTotal()); });
    if (complete)
        markPending(m_ctx, m_state);
    m_state.bChanged = false;
    // The estimate is stored now: from here on it is an open estimate like any other.
    if (m_state.sOpenMode == WorkState::kNew)
        m_state.sOpenMode = WorkState::kOpen;
    return SaveOutcome::Saved;
}

SaveOutcome SaveEstimate::saveWithoutQuestion(const QString& summary, const QString& terms) {
    const bool working = m_state.sEstStatus == kStatusWorking;
    if (working)
        m_state.sEstStatus = kStatusSaving;
    const SaveOutcome outcome = SaveEst(summary, terms);
    if (working)
        m_state.sEstStatus = kStatusWorking;
    return outcome;
}

bool SaveEstimate::writeEstimateFile(const MainTexts& texts) {
    TrapSite site = kSaveEstSite;
    try {
        Database& file = m_ctx.data.file(m_state.sEstConn);
        SqlFile& working = m_ctx.data.local(m_ctx.conns.sTempConn);
        // A file takes the lines straight from the working database, attached before its transaction.
        std::optional<WorkingAttachment> work;
        if (auto* estimateFile = dynamic_cast<SqlFile*>(&file))
            work.emplace(*estimateFile, m_ctx.conns.sTempConn.path);
        Transaction transaction(file);
        site = kSaveAreasSite;
        SaveAreas(m_ctx.data, m_ctx.conns.sTempConn, m_state.sEstConn);
        site = kSaveLinealsSite;
        SaveLineals(m_ctx.data, m_ctx.conns.sTempConn, m_state.sEstConn);
        site = kSavePlanSite;
        SavePlan(m_ctx.data, m_ctx.conns.sTempConn, m_state.sEstConn);
        site = kSaveEstSite;
        const qint32 highestAutoId = qint32(
            working.scalar(QStringLiteral("select coalesce(max(autoid),0) from tplineitems")).toLongLong());
        // The working copy learns the new lines' keys before the estimate takes them, so that a stored
        // line always has its key in the working copy, whatever fails afterwards. A key whose line the
        // estimate does not hold (this save rolled back) is written anew under that key by the next save.
        m_lines.rememberStoredKeys(newLineKeyBase(file, highestAutoId));
        storeLines(file, working);
        site = kSaveTotalsSite;
        SaveEstimateTotals(file, texts);
        site = kSaveEstSite;
        transaction.commit();
        return true;
    } catch (const Failure& failure) {
        m_ctx.data.ShowTrap(failure, site);
        return false;
    }
}

void markPending(AppContext& ctx, WorkState& state) {
    const bool stored =
        ctx.data.ActionQuery(QStringLiteral("UPDATE master set estdate=?,eststatus='Pending' where ID=?"),
                             ctx.conns.sMastConn, {storedDate(QDate::currentDate()), state.lEstID});
    if (stored)
        state.sEstStatus = kStatusPending;
}

} // namespace qx
