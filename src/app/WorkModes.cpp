#include "app/WorkModes.h"

#include "data/WorkState.h"

namespace qx {

MenuState ActiveMenuState(const QString& mode) {
    const bool idle = mode == QLatin1String("idle");
    MenuState s;
    s.setupMenu = s.reportsMenu = s.newEstimate = s.open = s.manage = s.figure = idle;
    s.about = s.reportBug = idle;
    s.contents = true;
    s.closeEstimate = !idle;
    return s;
}

ModeView newEstimateView() {
    ModeView v;
    v.selectedTab = 0;
    v.tabs = {true, false, false, false, false};
    return v;
}

ModeView openEstimateView() {
    return ModeView(); // every tab, "Home Owner" selected
}

ModeView figureView() {
    ModeView v;
    v.selectedTab = 1;
    v.tabs = {false, true, false, false, true};
    v.selectedDocTab = 3;
    v.docTabs = {false, false, false, true};
    return v;
}

ModeView reportView() {
    ModeView v;
    v.selectedTab = 4;
    v.tabs = {false, false, false, false, true};
    v.selectedDocTab = 0;
    v.docTabs = {true, false, false, false};
    return v;
}

std::optional<QString> exitQuestion(const QString& mode) {
    if (mode == WorkState::kNew)
        return QStringLiteral("There is a new estimate in progress,\ndo you really want to quit?");
    if (mode == WorkState::kOpen)
        return QStringLiteral("There is an open estimate in progress,\ndo you really want to quit?\n"
                              "Doing so loses any unsaved work.");
    return std::nullopt;
}

QString idPanelText(qint32 estId) {
    return QStringLiteral("ID: %1").arg(estId);
}
QString statusPanelText(const QString& status) {
    return QStringLiteral("Status: ") + status;
}

} // namespace qx
