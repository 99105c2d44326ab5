#include "app/frmQuovi.h"

#include "app/EstimateCommands.h"
#include "app/MainWindowTexts.h"
#include "app/UiIdleReminder.h"
#include "app/WorkModes.h"
#include "backup/UiBackupCommands.h"
#include "contacts/frmContactGrid.h"
#include "costs/frmUnitItem.h"
#include "data/InputRules.h"
#include "data/ResultTableModel.h"
#include "docs/UiOutputPanel.h"
#include "estimate/DuplicateEstimate.h"
#include "estimate/OpenEstimate.h"
#include "estimate/OpenList.h"
#include "estimate/OwnerTexts.h"
#include "estimate/Register.h"
#include "estimate/RegisterTotals.h"
#include "estimate/SaveEstimate.h"
#include "estimate/UiOwnerPanel.h"
#include "estimate/frmOpenEst.h"
#include "lines/UiLinesPanel.h"
#include "lines/UiTermsPanel.h"
#include "office/OfficeStorage.h"
#include "office/OpenHold.h"
#include "office/UiOfficeTab.h"
#include "order/frmOrder.h"
#include "pricelist/UiPriceListCommands.h"
#include "revisions/SentRevisions.h"
#include "sales/SalesPicture.h"
#include "sales/SalesTexts.h"
#include "sales/frmSales.h"
#include "setup/frmAbout.h"
#include "setup/frmSetup.h"
#include "status/frmManageStatus.h"
#include "takeoff/UiRoofPanel.h"
#include "widgets/UiFormWidgets.h"

#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace qx {

frmQuovi::frmQuovi(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent)
    , m_ctx(ctx)
    , m_newEstimate(ctx, m_state)
    , m_estTotals(ctx)
    , m_lineItems(ctx, m_state, m_estTotals)
    , m_documents(ctx, m_estTotals) {
    setObjectName(QStringLiteral("frmQuovi"));
    setWindowTitle(kAppTitle);
    buildMenus();
    buildTabs();
    buildStatusBar();
    setMinimumSize(900, 640);
    resize(1024, 768);
    load();
}

frmQuovi::~frmQuovi() = default;

QAction* frmQuovi::addCommand(QMenu* menu, const QString& name, const QString& caption,
                              const QKeySequence& key) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!key.isEmpty())
        action->setShortcut(key);
    return action;
}

void frmQuovi::buildMenus() {
    m_setupMenu = menuBar()->addMenu(QStringLiteral("&Setup"));
    m_setupMenu->setObjectName(QStringLiteral("mnuSetupMenu"));
    QAction* setup = addCommand(m_setupMenu, QStringLiteral("mnuSetup"), QStringLiteral("Setup"));
    QAction* prices = addCommand(m_setupMenu, QStringLiteral("mnuPrices"), QStringLiteral("Prices"));
    m_setupMenu->addSeparator();
    QAction* backup = addCommand(m_setupMenu, QStringLiteral("mnuBackup"), QStringLiteral("Back Up Now"));
    QAction* restore = addCommand(m_setupMenu, QStringLiteral("mnuRestore"), QStringLiteral("Restore..."));
    m_backups = new UiBackupCommands(m_ctx, this);

    QMenu* estimate = menuBar()->addMenu(QStringLiteral("&Estimate"));
    estimate->setObjectName(QStringLiteral("mnuEstimateMenu"));
    m_new = addCommand(estimate, QStringLiteral("mnuNew"), QStringLiteral("New"), Qt::Key_F6);
    m_open = addCommand(estimate, QStringLiteral("mnuOpen"), QStringLiteral("Open"), Qt::Key_F7);
    m_manage = addCommand(estimate, QStringLiteral("mnuManage"), QStringLiteral("Manage"), Qt::Key_F3);
    m_figure = addCommand(estimate, QStringLiteral("mnuFigure"), QStringLiteral("Figure"), Qt::Key_F8);
    m_sales = addCommand(estimate, QStringLiteral("mnuSales"), SalesTexts::kCaption);
    estimate->addSeparator();
    m_save = addCommand(estimate, QStringLiteral("mnuSave"), QStringLiteral("Save Estimate"),
                        QKeySequence(Qt::CTRL | Qt::Key_S));
    m_close =
        addCommand(estimate, QStringLiteral("mnuClose"), QStringLiteral("Close open estimate"), Qt::Key_F9);

    m_reportsMenu = menuBar()->addMenu(QStringLiteral("&Reports"));
    m_reportsMenu->setObjectName(QStringLiteral("mnuReportsMenu"));
    QAction* forms =
        addCommand(m_reportsMenu, QStringLiteral("mnuReportForms"), QStringLiteral("Print Forms"));
    QAction* manageDocs = addCommand(m_reportsMenu, QStringLiteral("mnuReportManage"),
                                     QStringLiteral("Manage Details/Proposal"), Qt::Key_F2);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelpMenu"));
    m_contents = addCommand(help, QStringLiteral("mnuContents"), QStringLiteral("Contents"), Qt::Key_F1);
    help->addSeparator();
    m_bug = addCommand(help, QStringLiteral("mnuBug"), QStringLiteral("Report a bug"));
    help->addSeparator();
    m_about = addCommand(help, QStringLiteral("mnuAbout"), QStringLiteral("About"));

    connect(m_new, &QAction::triggered, this, &frmQuovi::newEstimate);
    connect(m_open, &QAction::triggered, this, &frmQuovi::openEstimate);
    connect(m_manage, &QAction::triggered, this, &frmQuovi::manage);
    connect(m_sales, &QAction::triggered, this, &frmQuovi::showSales);
    connect(m_figure, &QAction::triggered, this, &frmQuovi::figure);
    connect(m_save, &QAction::triggered, this, &frmQuovi::saveAndClose);
    connect(m_close, &QAction::triggered, this, &frmQuovi::closeEstimate);
    connect(manageDocs, &QAction::triggered, this, &frmQuovi::reportMode);
    connect(forms, &QAction::triggered, this, [this] { output()->printForms(); });
    connect(m_contents, &QAction::triggered, this, &frmQuovi::openHelp);
    connect(m_bug, &QAction::triggered, this, &frmQuovi::reportBug);
    connect(setup, &QAction::triggered, this, &frmQuovi::showSetup);
    connect(prices, &QAction::triggered, this, [this] {
        PriceListCommands priceLists{[this](const QString& costType, QWidget* parent) {
                                         return importPriceList(m_ctx, costType, parent);
                                     },
                                     [this] { exportPriceList(m_ctx); }};
        frmUnitItem(m_ctx, std::move(priceLists), this).exec();
    });
    connect(m_about, &QAction::triggered, this, &frmQuovi::showAbout);
    connect(backup, &QAction::triggered, m_backups, &UiBackupCommands::backUpNow);
    connect(restore, &QAction::triggered, this, [this] {
        if (m_state.isIdle())
            m_backups->restore();
    });
}

void frmQuovi::buildTabs() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    // While idle the window shows only a short reminder of the commands that start work.
    m_idle = new UiIdleReminder(central);
    auto* followUp = new UiClickLabel(QString(), central);
    followUp->setObjectName(QStringLiteral("lblFollowUp"));
    followUp->setTextFormat(Qt::PlainText);
    followUp->setAlignment(Qt::AlignCenter);
    QFont underlined = followUp->font();
    underlined.setUnderline(true);
    followUp->setFont(underlined);
    followUp->setForegroundRole(QPalette::Link);
    connect(followUp, &UiClickLabel::clicked, this, &frmQuovi::showSales);
    m_followUp = followUp;
    m_followUp->setVisible(false);
    layout->addWidget(m_followUp);
    layout->addWidget(m_idle, 1);
    m_tabs = new QTabWidget(central);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setVisible(false);
    layout->addWidget(m_tabs, 1);
    setCentralWidget(central);
}

// The five tabs' pages are made when work first needs them, not before the window first shows: the program
// is up at once, and a start that only looks at the status board never pays for them.
void frmQuovi::buildPanels() {
    if (m_owner)
        return;
    m_owner = new UiOwnerPanel(m_ctx.prompter, m_tabs);
    m_roof = new UiRoofPanel(m_ctx, m_state, m_tabs);
    m_lines = new UiLinesPanel(m_ctx, m_state, m_lineItems, m_tabs);
    m_lines->setMaterialOrder({[this] { return MaterialOrder::available(m_state); },
                               [this](QWidget* parent) {
                                   MaterialOrder order(m_ctx, m_state, m_lineItems);
                                   if (!order.open(m_roof->boxes()))
                                       return false;
                                   frmOrder dialog(m_ctx, order, parent);
                                   dialog.exec();
                                   return dialog.quantitiesSet();
                               }});
    m_terms = new UiTermsPanel(m_ctx, m_estTotals, m_tabs);
    m_output =
        new UiOutputPanel(m_ctx.prompter, m_ctx.folder.estimatesDir(), m_ctx.folder.templatesDir(), m_tabs);
    m_output->setDocumentSource(&m_ctx.settings, [this] { return m_state.estName; });
    m_tabs->addTab(m_owner, QStringLiteral("Home Owner"));
    m_tabs->addTab(m_roof, QStringLiteral("Area"));
    m_tabs->addTab(m_lines, QStringLiteral("Line Items"));
    m_tabs->addTab(m_terms, QStringLiteral("Terms/Totals"));
    m_tabs->addTab(m_output, QStringLiteral("Output"));

    connect(m_owner, &UiOwnerPanel::startClicked, this, &frmQuovi::startEstimate);
    connect(m_owner, &UiOwnerPanel::cancelClicked, this, &frmQuovi::cancelNewEstimate);
    connect(m_owner, &UiOwnerPanel::importClicked, this, &frmQuovi::importContact);
    connect(m_roof, &UiRoofPanel::changed, this, &frmQuovi::markChanged);
    connect(m_output, &UiOutputPanel::createClicked, this, &frmQuovi::createDocuments);
    connect(m_output, &UiOutputPanel::sentClicked, this, &frmQuovi::markSent);
    connect(m_terms, &UiTermsPanel::textEdited, this, &frmQuovi::summaryOrTermsEdited);
    connect(m_terms, &UiTermsPanel::amountsEdited, this, &frmQuovi::markChanged);
    connect(m_lines, &UiLinesPanel::linesChanged, this, &frmQuovi::linesChanged);
    connect(m_terms->saveButton(), &QPushButton::clicked, this, &frmQuovi::saveAndClose);

    // The state the window's commands have given them so far.
    m_tabs->setCurrentIndex(0);
    m_roof->resetForEstimate();
    m_terms->saveButton()->setEnabled(m_save->isEnabled());
    m_output->enableCreateCommands(createCommandsFor(m_state.sOpenMode));
    m_output->fillFonts();
    m_owner->LockOwner(true);
    m_owner->setImportEnabled(kontaviInstalled());
}

QTabWidget* frmQuovi::tabs() {
    buildPanels();
    return m_tabs;
}
UiOwnerPanel* frmQuovi::owner() {
    buildPanels();
    return m_owner;
}
UiRoofPanel* frmQuovi::roof() {
    buildPanels();
    return m_roof;
}
UiLinesPanel* frmQuovi::linesPanel() {
    buildPanels();
    return m_lines;
}
UiTermsPanel* frmQuovi::terms() {
    buildPanels();
    return m_terms;
}
UiOutputPanel* frmQuovi::output() {
    buildPanels();
    return m_output;
}

void frmQuovi::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const char* names[3] = {"pnlEstID", "pnlEstName", "pnlStatus"};
    const int widths[3] = {120, 260, 160};
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(bar);
        m_panels[i]->setObjectName(QLatin1String(names[i]));
        m_panels[i]->setMinimumWidth(widths[i]);
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        bar->addPermanentWidget(m_panels[i], i == 1 ? 1 : 0);
    }
}

bool frmQuovi::kontaviInstalled() const {
    return !m_ctx.settings.read(kKontaviApp, QStringLiteral("Common"), QStringLiteral("Path")).isEmpty();
}

void frmQuovi::load() {
    showTabs(false);
    ActiveMenu(QStringLiteral("idle"));
    SaveStatus(false);
}

void frmQuovi::ActiveMenu(const QString& mode) {
    const MenuState s = ActiveMenuState(mode);
    m_setupMenu->setEnabled(s.setupMenu);
    m_setupMenu->menuAction()->setEnabled(s.setupMenu);
    m_reportsMenu->setEnabled(s.reportsMenu);
    m_reportsMenu->menuAction()->setEnabled(s.reportsMenu);
    // The Reports commands follow their menu so that their shortcuts do too.
    for (QAction* action : m_reportsMenu->actions())
        action->setEnabled(s.reportsMenu);
    for (QAction* action : m_setupMenu->actions())
        action->setEnabled(s.setupMenu);
    m_new->setEnabled(s.newEstimate);
    m_open->setEnabled(s.open);
    m_manage->setEnabled(s.manage);
    // The sales picture reads only the register: it is there whenever Manage is.
    m_sales->setEnabled(s.manage);
    m_figure->setEnabled(s.figure);
    m_contents->setEnabled(s.contents);
    m_about->setEnabled(s.about);
    m_bug->setEnabled(s.reportBug);
    m_close->setEnabled(s.closeEstimate);
}

void frmQuovi::SaveStatus(bool enabled) {
    m_save->setEnabled(enabled);
    if (m_terms)
        m_terms->saveButton()->setEnabled(enabled);
}

void frmQuovi::markChanged() {
    m_state.bChanged = true;
    // A roof figured without an estimate has nowhere to be saved, nor has an estimate opened read-only.
    SaveStatus(estimateCommands(m_state).save);
    // Documents built before the change no longer show the estimate: they can be created again, and
    // only then sent.
    output()->enableCreateCommands(createCommandsFor(m_state.sOpenMode));
    output()->sentButton()->setEnabled(false);
}

void frmQuovi::linesChanged() {
    terms()->showTotals();
    markChanged();
}

void frmQuovi::showLinesAndTotals() {
    linesPanel()->PopEstiGrid();
    terms()->showTotals();
}

void frmQuovi::summaryOrTermsEdited() {
    if (!m_state.bLoadingTerms && !m_state.isIdle())
        markChanged();
}

void frmQuovi::showTabs(bool shown) {
    if (shown)
        buildPanels();
    m_tabs->setVisible(shown);
    m_idle->setVisible(!shown);
    if (shown)
        m_followUp->setVisible(false);
    else if (m_shown)
        // Once the window is back to idle (the work state is reset after the panels are hidden).
        QTimer::singleShot(0, this, &frmQuovi::refreshFollowUp);
}

void frmQuovi::enableAllTabs() {
    for (int i = 0; i < tabs()->count(); ++i)
        tabs()->setTabEnabled(i, true);
}

void frmQuovi::showMode(const ModeView& view) {
    showTabs(true);
    for (int i = 0; i < 5; ++i)
        tabs()->setTabEnabled(i, view.tabs[size_t(i)]);
    tabs()->setCurrentIndex(view.selectedTab);
    QTabWidget* docs = output()->tabs();
    for (int i = 0; i < 4; ++i)
        docs->setTabEnabled(i, view.docTabs[size_t(i)]);
    docs->setCurrentIndex(view.selectedDocTab);
}

void frmQuovi::setStatusPanels(const QString& id, const QString& name, const QString& status) {
    m_panels[0]->setText(id);
    m_panels[1]->setText(name);
    m_panels[2]->setText(status);
}

// Every estimate starts with a clean work area: the roof panel, the grids, the figures and documents.
void frmQuovi::resetWorkArea() {
    roof()->resetForEstimate();
    linesPanel()->model()->clear();
    m_estTotals.reset();
    m_state.bLoadingTerms = true;
    terms()->clearTexts();
    terms()->showTotals();
    m_state.bLoadingTerms = false;
    output()->reset();
}

void frmQuovi::newEstimate() {
    if (!m_state.isIdle())
        return;
    m_duplicateOf.reset();
    owner()->setTypes(Register(m_ctx.data, m_ctx.conns.sMastConn).PopEstTypeCbo());
    owner()->clearFields();
    resetWorkArea();
    m_state = WorkState();
    showMode(newEstimateView());
    if (!m_newEstimate.begin()) {
        // Without a working database or a register row there is nothing to fill in.
        m_newEstimate.dropReservation();
        m_state = WorkState();
        enableAllTabs();
        showTabs(false);
        return;
    }
    roof()->resetForEstimate();
    // The default administrative amounts, and the totals they give on an estimate without lines.
    m_estTotals.PopAdmin();
    m_lineItems.refresh();
    showLinesAndTotals();
    ActiveMenu(QStringLiteral("nonidle"));
    owner()->LockOwner(false);
    owner()->setStartCancelEnabled(true);
    owner()->setHeading(OwnerTexts::kEnterHeading);
    owner()->focusField(OwnerField::Name0, false);
    // Saving stays off until an edit turns it on.
    m_state.bChanged = true;
    owner()->setImportEnabled(kontaviInstalled());
}

void frmQuovi::startEstimate() {
    if (m_state.sOpenMode != WorkState::kNew)
        return;
    const OwnerInput input = owner()->input();
    if (const auto refusal = m_newEstimate.start(input)) {
        if (!refusal->message.isEmpty())
            owner()->focusField(refusal->field, refusal->clearField);
        return;
    }
    if (isBlank(input.estName))
        owner()->setEstimateName(NewEstimate::displayName(NewEstimate::trimmed(input)));
    // On the office server the new estimate is this PC's from its start on; no other PC holds it yet.
    m_hold = holdForOpening(m_ctx, m_state.lEstID, m_state.estName).hold;
    enableAllTabs();
    tabs()->setCurrentIndex(1);
    setStatusPanels(idPanelText(m_state.lEstID), m_state.estName, statusPanelText(m_state.sEstStatus));
    owner()->setStartCancelEnabled(false);
    owner()->setImportEnabled(false);
    owner()->LockOwner(true);
    if (const auto request = std::exchange(m_duplicateOf, std::nullopt))
        fillDuplicate(*request);
}

void frmQuovi::cancelNewEstimate() {
    m_duplicateOf.reset();
    if (m_state.sOpenMode == WorkState::kNew)
        m_newEstimate.dropReservation();
    m_state.sOpenMode.clear();
    m_ctx.working.ClearTempDB();
    enableAllTabs();
    ActiveMenu(QStringLiteral("idle"));
    showTabs(false);
    owner()->clearFields();
    owner()->LockOwner(true);
    roof()->resetForEstimate();
    m_state = WorkState();
    SaveStatus(false);
    setStatusPanels({}, {}, {});
}

void frmQuovi::openEstimate() {
    if (!m_state.isIdle())
        return;
    frmOpenEst list(OpenList(m_ctx.data, m_ctx.conns.sMastConn).load(QDate::currentDate()), this);
    list.exec();
    const qint32 id = list.chosenId();
    if (id == 0)
        return;
    resetWorkArea();
    m_state = WorkState();
    OpenEstimate opening(m_ctx, m_state);
    std::optional<OwnerInput> opened;
    if (opening.prepare())
        opened = opening.OpenOwner(id);
    if (!opened) {
        // Without its owner and file there is no estimate to work on.
        m_state = WorkState();
        return;
    }
    OpenHold held = holdForOpening(m_ctx, id, opened->estName);
    if (!held.proceed) {
        m_state = WorkState();
        return;
    }
    m_hold = std::move(held.hold);
    m_state.readOnly = held.readOnly;
    showMode(openEstimateView());
    m_state.sOpenMode = WorkState::kOpen;
    ActiveMenu(QStringLiteral("nonidle"));
    owner()->setStartCancelEnabled(false);
    owner()->setImportEnabled(false);
    owner()->showOwner(*opened);
    setStatusPanels(idPanelText(id), opened->estName, statusPanelText(m_state.sEstStatus));
    showStoredContent(opening);
    owner()->LockOwner(true);
    m_state.bChanged = false;
    SaveStatus(false);
    setWindowTitle(windowCaption(m_state));
}

// What an estimate's file holds, into the working copy and on screen: the roof, the lines, the
// amounts, summary and terms.
void frmQuovi::showStoredContent(OpenEstimate& opening) {
    if (opening.OpenRoof())
        roof()->showOpened();
    if (opening.OpenLineItems()) {
        const EstimateTexts texts = m_estTotals.PopEstAdmin(m_state.sEstConn);
        m_state.bLoadingTerms = true;
        terms()->setTexts(texts.summary.value_or(QString()), texts.terms.value_or(QString()));
        m_state.bLoadingTerms = false;
        m_lineItems.refresh();
        showLinesAndTotals();
    }
}

void frmQuovi::importContact() {
    const auto contacts = kontaviContactsConn(m_ctx.settings);
    // Only a new estimate's owner, before Start, can be filled in.
    if (m_state.sOpenMode != WorkState::kNew || m_state.hasEstimateFile() || !contacts)
        return;
    frmContactGrid directory(m_ctx.data, *contacts, this);
    if (directory.exec() == QDialog::Accepted && directory.chosen())
        owner()->setOwnerNames(*directory.chosen());
}

void frmQuovi::manage() {
    if (!m_state.isIdle())
        return;
    std::optional<DuplicateRequest> request;
    {
        frmManageStatus board(m_ctx, m_state, this);
        board.exec();
        request = board.duplicateRequest();
    }
    afterStatusChanges(request);
}

void frmQuovi::showSales() {
    if (!m_state.isIdle())
        return;
    std::optional<DuplicateRequest> request;
    {
        frmSales sales(m_ctx, m_state, this);
        sales.exec();
        request = sales.duplicateRequest();
    }
    afterStatusChanges(request);
}

// After the status board (on its own or from Sales): "Duplicate" starts the new estimate; otherwise the
// window is idle again and the follow-up reminder follows any status changed there.
void frmQuovi::afterStatusChanges(const std::optional<DuplicateRequest>& duplicate) {
    if (duplicate)
        duplicateEstimate(*duplicate);
    else
        refreshFollowUp();
}

void frmQuovi::refreshFollowUp() {
    int count = 0;
    try {
        if (m_state.isIdle() && !m_tabs->isVisible())
            count = SalesPicture(m_ctx.data, m_ctx.conns.sMastConn).followUpCount(QDate::currentDate());
    } catch (const Failure&) {
        // A register that cannot be read shows no reminder; Sales and Manage report why.
    }
    m_followUp->setText(SalesTexts::followUpCount(count));
    m_followUp->setVisible(count > 0);
}

void frmQuovi::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The reminder waits until the window is up and idle: reading the register (a keyed open) is no
    // part of the start.
    QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { refreshFollowUp(); }); });
}

// A new estimate made from a stored one: the owner panel starts from its owner and type (the name left
// to be made as for any new estimate), and Start copies the stored one's roof, lines and texts.
void frmQuovi::duplicateEstimate(const DuplicateRequest& request) {
    const std::optional<OwnerInput> stored = DuplicateEstimate(m_ctx).ownerOf(request.id);
    if (!stored)
        return;
    newEstimate();
    if (m_state.sOpenMode != WorkState::kNew)
        return;
    owner()->showOwner(*stored);
    m_duplicateOf = request;
}

void frmQuovi::fillDuplicate(const DuplicateRequest& request) {
    DuplicateEstimate copy(m_ctx);
    // The sent revisions come along, so that the copy still shows what was sent and when.
    if (!copy.copyContent(request.id, m_state.lEstID, m_state.sEstConn, carrySentRevisions(m_ctx)))
        return;
    if (request.reprice) {
        if (const auto changed = copy.reprice(m_state.sEstConn))
            m_ctx.prompter.inform(kAppTitle, DuplicateEstimate::repricedMessage(*changed));
    }
    // The register knows the copy's total from the start, as after a save.
    RegisterTotals(m_ctx).refreshReported(m_state.lEstID, m_state.sEstConn);
    OpenEstimate opening(m_ctx, m_state);
    showStoredContent(opening);
    // The copy is a new estimate: it can be saved at once.
    markChanged();
}

void frmQuovi::figure() {
    if (!m_state.isIdle())
        return;
    resetWorkArea();
    m_state = WorkState();
    // Without a working database there is no roof to figure: the window stays idle, as after a New
    // or an Open that could not make one.
    if (!m_ctx.data.Trap({QStringLiteral("mnuFigure_Click"), TrapSite::Form, QStringLiteral("frmQuovi")},
                         [&] { m_ctx.working.CreateTempDB(); }))
        return;
    showMode(figureView());
    m_state.sOpenMode = WorkState::kFigure;
    roof()->resetForEstimate();
    ActiveMenu(QStringLiteral("nonidle"));
    output()->enableCreateCommands(createCommandsFor(m_state.sOpenMode));
}

void frmQuovi::reportMode() {
    if (!m_state.isIdle())
        return;
    resetWorkArea();
    m_state = WorkState();
    showMode(reportView());
    output()->tabs()->setTabText(0, QString());
    m_state.sOpenMode = WorkState::kReport;
    ActiveMenu(QStringLiteral("nonidle"));
    // Without an estimate there is nothing to create documents from.
    output()->enableCreateCommands(createCommandsFor(m_state.sOpenMode));
}

void frmQuovi::saveAndClose() {
    if (!estimateCommands(m_state).save || !keepHold(m_ctx, m_hold.get()))
        return;
    // Whatever keeps the save from happening (no lines, Cancel, a failure) keeps the estimate open, so
    // that nothing typed is lost.
    const SaveOutcome outcome =
        SaveEstimate(m_ctx, m_state, m_lineItems).SaveEst(terms()->summaryText(), terms()->termsText());
    if (outcome != SaveOutcome::Saved)
        return;
    m_ctx.working.ClearTempDB();
    CleanForm();
}

bool frmQuovi::saveWithoutClosing() {
    if (!estimateCommands(m_state).saveForDocuments || !keepHold(m_ctx, m_hold.get()))
        return false;
    const SaveOutcome outcome = SaveEstimate(m_ctx, m_state, m_lineItems)
                                    .saveWithoutQuestion(terms()->summaryText(), terms()->termsText());
    if (outcome != SaveOutcome::Saved)
        return false;
    SaveStatus(false);
    return true;
}

void frmQuovi::createDocuments(int index) {
    // A roof figured without an estimate is built as it stands: there is nothing to save it to.
    const bool saved = m_state.sOpenMode != WorkState::kFigure && saveWithoutClosing();
    const CreateCommand command = createCommand(index);
    for (DocKind kind : command.kinds) {
        QTextEdit* editor = output()->editor(int(kind));
        m_documents.BuildPage(kind, m_state.lEstID, roof()->boxes(), *editor->document());
        editor->moveCursor(QTextCursor::Start);
    }
    for (int disabled : command.disables)
        output()->createButton(disabled)->setEnabled(false);
    // The whole set, of a saved estimate, is what can be sent.
    if (index == 0)
        output()->sentButton()->setEnabled(saved);
}

void frmQuovi::markSent() {
    if (!estimateCommands(m_state).markSent || !output()->sentButton()->isEnabled() || !saveWithoutClosing())
        return;
    if (!SentRevisions(m_ctx).markSent(m_state, *output()->editor(int(DocKind::Proposal))->document(),
                                       *output()->editor(int(DocKind::Contract))->document()))
        return;
    output()->sentButton()->setEnabled(false);
    setStatusPanels(idPanelText(m_state.lEstID), m_state.estName, statusPanelText(m_state.sEstStatus));
}

void frmQuovi::closeEstimate() {
    const QString mode = m_state.sOpenMode;
    if (mode.isEmpty())
        return;
    // Before Start, closing on the owner panel is its Cancel.
    if (mode == WorkState::kNew && !m_state.hasEstimateFile() && tabs()->currentIndex() == 0) {
        cancelNewEstimate();
        return;
    }
    if (estimateCommands(m_state).askSaveOnClose) {
        const auto answer = m_ctx.prompter.askYesNoCancel(kSaveFirstTitle, kSaveFirstText,
                                                          Prompter::Icon::Question, Prompter::Answer::Yes);
        if (answer == Prompter::Answer::Cancel)
            return;
        if (answer == Prompter::Answer::Yes) {
            saveAndClose();
            return;
        }
        m_state.bChanged = false;
        SaveStatus(false);
    }
    if (mode == WorkState::kNew)
        m_newEstimate.discard();
    if (mode != WorkState::kReport)
        m_ctx.working.ClearTempDB();
    enableAllTabs();
    tabs()->setCurrentIndex(0);
    ActiveMenu(QStringLiteral("idle"));
    owner()->clearFields();
    owner()->setStartCancelEnabled(true);
    if (mode == WorkState::kFigure) {
        // A roof figured without an estimate has no owner, type list or register behind it: the tabs
        // go away and the roof lists are emptied, and nothing else is read.
        m_state = WorkState();
        showTabs(false);
        resetWorkArea();
    } else {
        CleanForm();
    }
    m_hold.reset();
    owner()->LockOwner(true);
    setWindowTitle(windowCaption(m_state));
}

void frmQuovi::CleanForm() {
    m_hold.reset();
    m_state = WorkState();
    m_state.bLoadingTerms = true; // emptying the summary and terms is no edit
    owner()->setTypes(Register(m_ctx.data, m_ctx.conns.sMastConn).PopEstTypeCbo());
    owner()->clearFields();
    owner()->setStartCancelEnabled(true);
    ActiveMenu(QStringLiteral("idle"));
    resetWorkArea();
    showTabs(false);
    enableAllTabs();
    tabs()->setCurrentIndex(1);
    output()->tabs()->setCurrentIndex(1);
    setStatusPanels({}, {}, {});
    SaveStatus(false);
    setWindowTitle(windowCaption(m_state));
    m_state.bLoadingTerms = false;
}

void frmQuovi::openHelp() {
    m_ctx.prompter.openUrl(helpContentsUrl(m_ctx.folder.helpFile()));
}

void frmQuovi::reportBug() {
    m_ctx.prompter.openUrl(bugReportUrl());
}

void frmQuovi::showSetup() {
    frmSetup setup(m_ctx.settings, m_ctx.prompter, this, m_ctx.folder);
    const auto blocked = [this]() -> std::optional<QString> {
        if (m_state.isIdle())
            return std::nullopt;
        return kSwitchWhileOpen;
    };
    setup.officeTab()->setSwitchStorage(
        [this, blocked](std::optional<OfficeServer> server) -> std::optional<QString> {
            if (auto refusal = blocked())
                return refusal;
            useOfficeStorage(m_ctx, server);
            return std::nullopt;
        },
        blocked);
    setup.exec();
}

void frmQuovi::showAbout() {
    frmAbout(m_ctx.prompter, this).exec();
}

void frmQuovi::closeEvent(QCloseEvent* event) {
    if (const auto question = exitQuestion(m_state)) {
        const auto answer =
            m_ctx.prompter.askYesNo(windowTitle(), *question, Prompter::Icon::Question, Prompter::Answer::No);
        if (answer != Prompter::Answer::Yes) {
            event->ignore();
            return;
        }
        if (m_state.sOpenMode == WorkState::kNew)
            m_newEstimate.discard();
    }
    event->accept();
    m_backups->backUpOnClose();
}

} // namespace qx
