#pragma once

#include <QString>
#include <array>
#include <optional>

namespace qx {

// Which menu commands a work mode allows. "idle" is one menu state; every other mode text is the
// other. "Save Estimate" is not part of it: it follows the changed flag.
struct MenuState {
    bool setupMenu = false;
    bool reportsMenu = false;
    bool newEstimate = false;
    bool open = false;
    bool manage = false;
    bool figure = false;
    bool contents = false;
    bool about = false;
    bool reportBug = false;
    bool closeEstimate = false;
};
MenuState ActiveMenuState(const QString& mode);

// The five tabs of the main window and which can be selected.
using TabEnablement = std::array<bool, 5>;
// The four document tabs of the Output tab.
using DocTabEnablement = std::array<bool, 4>;

struct ModeView {
    int selectedTab = 0;
    TabEnablement tabs{true, true, true, true, true};
    int selectedDocTab = 0;
    DocTabEnablement docTabs{true, true, true, true};
};
// What New (before Start), Open, Figure and report mode show.
ModeView newEstimateView();
ModeView openEstimateView();
ModeView figureView();
ModeView reportView();

// The question asked when the window is closed in a mode, or nothing when it closes without one.
std::optional<QString> exitQuestion(const QString& mode);

// Status bar texts.
QString idPanelText(qint32 estId);
QString statusPanelText(const QString& status);

} // namespace qx
