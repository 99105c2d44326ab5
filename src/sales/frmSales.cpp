#include "sales/frmSales.h"

#include "sales/SalesTexts.h"
#include "sales/UiSalesChart.h"
#include "status/frmManageStatus.h"
#include "widgets/UiControls.h"
#include "widgets/UiFormWidgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qx {

namespace {

const TrapSite kSalesSite{QStringLiteral("PopSales"), TrapSite::Form, QStringLiteral("frmSales")};

QLabel* figureLabel(const QString& name, QWidget* parent) {
    QLabel* label = plainLabel(QString(), parent);
    label->setObjectName(name);
    return label;
}

QTableWidget* tallyGrid(const QString& name, const QStringList& columns, QWidget* parent) {
    auto* grid = new QTableWidget(0, int(columns.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(columns);
    grid->verticalHeader()->setVisible(false);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void setTallyRow(QTableWidget* grid, int row, const QString& first, const SalesTally& tally) {
    const QStringList cells = {first, QLocale().toString(tally.estimates), QLocale().toString(tally.accepted),
                               SalesTexts::sum(tally.acceptedValue)};
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells.at(column));
        if (column > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->setItem(row, column, item);
    }
}

} // namespace

frmSales::frmSales(AppContext& ctx, WorkState& state, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_state(state)
    , m_picture(ctx.data, ctx.conns.sMastConn)
    , m_today(QDate::currentDate()) {
    setObjectName(QStringLiteral("frmSales"));
    setWindowTitle(SalesTexts::kCaption);

    m_period = new QComboBox(this);
    m_period->setObjectName(QStringLiteral("cmbSalesPeriod"));
    m_period->addItems(salesPeriodNames());
    m_pipeline = figureLabel(QStringLiteral("lblPipeline"), this);
    m_winRate = figureLabel(QStringLiteral("lblWinRate"), this);
    m_average = figureLabel(QStringLiteral("lblAverage"), this);
    m_unknown = figureLabel(QStringLiteral("lblUnknown"), this);
    QFont big = m_pipeline->font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    big.setBold(true);
    for (QLabel* label : {m_pipeline, m_winRate, m_average})
        label->setFont(big);

    m_chart = new UiSalesChart(this);
    m_months = tallyGrid(QStringLiteral("dgMonths"), SalesTexts::monthColumns(), this);
    m_types = tallyGrid(QStringLiteral("dgByType"), SalesTexts::typeColumns(), this);
    m_followUp = new QListWidget(this);
    m_followUp->setObjectName(QStringLiteral("lstFollowUp"));
    m_followUp->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));

    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(m_period);
    periodRow->addStretch();
    auto* figures = new QVBoxLayout;
    figures->addLayout(periodRow);
    for (QLabel* label : {m_pipeline, m_winRate, m_average, m_unknown})
        figures->addWidget(label);
    auto* chartRow = new QHBoxLayout;
    chartRow->addWidget(m_chart, 3);
    chartRow->addWidget(m_months, 2);
    auto* lower = new QGridLayout;
    lower->addWidget(plainLabel(SalesTexts::kByTypeCaption, this), 0, 0);
    lower->addWidget(plainLabel(SalesTexts::kFollowUpCaption, this), 0, 1);
    lower->addWidget(m_types, 1, 0);
    lower->addWidget(m_followUp, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(figures);
    layout->addLayout(chartRow, 3);
    layout->addLayout(lower, 2);
    layout->addWidget(buttons);
    resize(980, 720);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_period, &QComboBox::currentIndexChanged, this, &frmSales::showFigures);
    connect(m_followUp, &QListWidget::itemDoubleClicked, this, &frmSales::followUpDoubleClicked);
    showFigures();
    showFollowUp();
}

void frmSales::showFigures() {
    SalesFigures figures;
    if (!m_ctx.data.Trap(
            kSalesSite, [&] { figures = m_picture.figures(SalesPeriod(m_period->currentIndex()), m_today); }))
        return;
    m_pipeline->setText(SalesTexts::pipeline(figures.pending, figures.pendingValue));
    m_winRate->setText(SalesTexts::winRate(figures.accepted, figures.decided()));
    m_average->setText(SalesTexts::average(figures.averageAccepted()));
    m_unknown->setText(SalesTexts::unknownTotals(figures.unknownTotals));
    m_chart->setMonths(figures.months);
    m_months->setRowCount(int(figures.months.size()));
    for (int row = 0; row < figures.months.size(); ++row)
        setTallyRow(m_months, row, SalesTexts::month(figures.months.at(row).month),
                    figures.months.at(row).tally);
    m_types->setRowCount(int(figures.types.size()));
    for (int row = 0; row < figures.types.size(); ++row)
        setTallyRow(m_types, row, figures.types.at(row).type, figures.types.at(row).tally);
}

void frmSales::showFollowUp() {
    QList<FollowUpEstimate> due;
    m_ctx.data.Trap(kSalesSite, [&] { due = m_picture.followUp(m_today); });
    QStringList lines;
    QList<qint64> ids;
    lines.reserve(due.size());
    ids.reserve(due.size());
    for (const FollowUpEstimate& estimate : due) {
        lines.append(SalesTexts::followUpLine(estimate.name, estimate.daysLeft));
        ids.append(estimate.id);
    }
    fillKeyedList(m_followUp, lines, ids);
}

void frmSales::followUpDoubleClicked(QListWidgetItem* item) {
    if (!item)
        return;
    {
        frmManageStatus board(m_ctx, m_state, this);
        if (!board.editEstimate(item->data(Qt::UserRole).toLongLong()))
            return;
        board.exec();
        m_duplicate = board.duplicateRequest();
    }
    // "Duplicate" starts a new estimate in the main window: the Sales window makes way for it.
    if (m_duplicate) {
        accept();
        return;
    }
    showFigures();
    showFollowUp();
}

} // namespace qx
