#include "takeoff/PlanSession.h"

#include "data/WorkState.h"
#include "takeoff/PlanStore.h"
#include "takeoff/PlanTexts.h"
#include "takeoff/RoofPanel.h"

#include <QFile>
#include <QFileInfo>

namespace qx {

namespace {

TrapSite planSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Form, QStringLiteral("frmPlan")};
}

// A plan file larger than this is no drawing of a roof.
constexpr qint64 kMaxPlanBytes = 200 * 1024 * 1024;

} // namespace

bool planAvailable(const WorkState& state) {
    return state.sOpenMode == WorkState::kFigure || state.sOpenMode == WorkState::kOpen ||
           (state.sOpenMode == WorkState::kNew && state.hasEstimateFile());
}

PlanSession::PlanSession(AppContext& ctx)
    : m_ctx(ctx) {}

bool PlanSession::load() {
    rates = WasteSettings::load(m_ctx.settings);
    const bool read = m_ctx.data.Trap(planSite("Form_Load"),
                                      [&] { plan = PlanStore(m_ctx.data, m_ctx.conns.sTempConn).load(); });
    m_loaded = plan;
    if (read && !plan.isEmpty()) {
        if (auto pages = PlanPages::read(plan.image.bytes); std::holds_alternative<PlanPages>(pages))
            m_pages = std::get<PlanPages>(std::move(pages));
    }
    return read;
}

bool PlanSession::openFile(const QString& path) {
    QFile file(path);
    QByteArray bytes;
    QString problem;
    if (file.size() > kMaxPlanBytes)
        problem = QStringLiteral("the file is too large.");
    else if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    else
        bytes = file.readAll();
    auto pages = problem.isEmpty() ? PlanPages::read(bytes) : std::variant<PlanPages, QString>(problem);
    if (const QString* refusal = std::get_if<QString>(&pages)) {
        m_ctx.prompter.inform(kPlanTitle, kMsgPlanNotRead.arg(*refusal), Prompter::Icon::Warning);
        return false;
    }
    if (!plan.facets.isEmpty() &&
        m_ctx.prompter.askYesNo(kPlanTitle, kAskReplacePlan, Prompter::Icon::Warning, Prompter::Answer::No) !=
            Prompter::Answer::Yes)
        return false;
    plan.replaceImage(PlanImage::of(QFileInfo(path).fileName(), bytes));
    m_pages = std::get<PlanPages>(std::move(pages));
    return true;
}

FeetLength PlanSession::readScaleLength(const QString& text) {
    return readFeet(text, kMsgEnterScaleLength, kMsgEnterScaleLength);
}

bool PlanSession::keep() {
    if (plan == m_loaded)
        return false;
    const bool kept = m_ctx.data.Trap(planSite("KeepPlan"),
                                      [&] { PlanStore(m_ctx.data, m_ctx.conns.sTempConn).store(plan); });
    if (kept)
        m_loaded = plan;
    return kept;
}

std::optional<RoofShow> PlanSession::apply(RoofPanel& panel) {
    keep();
    const auto rows = planRows(plan, rates);
    if (const QString* refusal = std::get_if<QString>(&rows)) {
        m_ctx.prompter.inform(kPlanTitle, *refusal);
        return std::nullopt;
    }
    return panel.applyPlan(std::get<PlanRows>(rows));
}

} // namespace qx
