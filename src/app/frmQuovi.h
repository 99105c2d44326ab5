#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "docs/DocumentBuilder.h"
#include "estimate/DuplicateEstimate.h"
#include "estimate/NewEstimate.h"
#include "lines/EstimateTotals.h"
#include "lines/LineItems.h"
#include "office/EstimateHold.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace qx {

class OpenEstimate;
class UiBackupCommands;
class UiOutputPanel;
class UiOwnerPanel;
class UiRoofPanel;
class UiTermsPanel;
class UiLinesPanel;
struct ModeView;

// The main window: one estimate at a time in five tabs, the menus, and the work mode that decides
// which commands are available and what closing does.
class frmQuovi : public QMainWindow {
    Q_OBJECT
public:
    explicit frmQuovi(AppContext& ctx, QWidget* parent = nullptr);
    ~frmQuovi() override;

    const WorkState& state() const { return m_state; }

    // Menu enablement for "idle" and for any other mode text ("nonidle").
    void ActiveMenu(const QString& mode);
    // Enables or disables "Save Estimate" and "Save && Close" together.
    void SaveStatus(bool enabled);
    // An edit of the open estimate: it is now changed and can be saved.
    void markChanged();
    // The save of document creation: stores the open estimate without asking whether it is complete
    // and keeps it open. True when it was saved.
    bool saveWithoutClosing();
    // The create commands cmdPrint(0..4) of the Output tab.
    void createDocuments(int index);
    // "Mark as Sent": saves the estimate and keeps its proposal and contract as the next revision.
    void markSent();
    // The open estimate's lines, grid and totals (opening and saving read and fill them).
    LineItems& lineItems() { return m_lineItems; }
    // Refills the estimate grid and every figure of the "Terms/Totals" tab from the models.
    void showLinesAndTotals();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildTabs();
    void buildPanels();
    QTabWidget* tabs();
    UiOwnerPanel* owner();
    UiRoofPanel* roof();
    UiLinesPanel* linesPanel();
    UiTermsPanel* terms();
    UiOutputPanel* output();
    void buildStatusBar();
    QAction* addCommand(QMenu* menu, const QString& name, const QString& caption,
                        const QKeySequence& key = {});
    void load();

    void newEstimate();
    void startEstimate();
    void cancelNewEstimate();
    void openEstimate();
    void importContact();
    void showSetup();
    void showAbout();
    void manage();
    void showSales();
    void afterStatusChanges(const std::optional<DuplicateRequest>& duplicate);
    // Shows on the idle window how many Pending estimates need a call (hidden when none).
    void refreshFollowUp();
    void duplicateEstimate(const DuplicateRequest& request);
    void fillDuplicate(const DuplicateRequest& request);
    void showStoredContent(OpenEstimate& opening);
    void figure();
    void reportMode();
    void closeEstimate();
    void saveAndClose();
    void openHelp();
    void reportBug();
    void summaryOrTermsEdited();
    void linesChanged();

    void showMode(const ModeView& view);
    void showTabs(bool shown);
    void enableAllTabs();
    void setStatusPanels(const QString& id, const QString& name, const QString& status);
    void resetWorkArea();
    void CleanForm();
    bool kontaviInstalled() const;

    AppContext& m_ctx;
    WorkState m_state;
    NewEstimate m_newEstimate;
    // This PC's hold of the open estimate while it works on the office server.
    std::unique_ptr<EstimateHold> m_hold;
    EstimateTotals m_estTotals;
    LineItems m_lineItems;
    DocumentBuilder m_documents;
    // The estimate a new one is being made from, until Start copies it.
    std::optional<DuplicateRequest> m_duplicateOf;

    QMenu* m_setupMenu = nullptr;
    QMenu* m_reportsMenu = nullptr;
    QAction* m_new = nullptr;
    QAction* m_open = nullptr;
    QAction* m_manage = nullptr;
    QAction* m_sales = nullptr;
    QAction* m_figure = nullptr;
    QAction* m_save = nullptr;
    QAction* m_close = nullptr;
    QAction* m_contents = nullptr;
    QAction* m_bug = nullptr;
    QAction* m_about = nullptr;

    QWidget* m_idle = nullptr;
    QLabel* m_followUp = nullptr;
    bool m_shown = false;
    QTabWidget* m_tabs = nullptr;
    // The tabs' pages, made by buildPanels(); reached through the accessors, which make them when needed.
    UiOwnerPanel* m_owner = nullptr;
    UiRoofPanel* m_roof = nullptr;
    UiLinesPanel* m_lines = nullptr;
    UiTermsPanel* m_terms = nullptr;
    UiOutputPanel* m_output = nullptr;
    UiBackupCommands* m_backups = nullptr;
    QLabel* m_panels[3] = {};
};

} // namespace qx
