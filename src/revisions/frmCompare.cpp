#include "revisions/frmCompare.h"

#include "revisions/RevisionTexts.h"
#include "widgets/UiControls.h"
#include "widgets/UiDialogButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qx {

namespace {

// A light shade behind a row, so that its text reads as well as on white.
QColor markColour(CompareMark mark) {
    switch (mark) {
    case CompareMark::Changed:
        return QColor(255, 236, 179);
    case CompareMark::Added:
        return QColor(200, 236, 200);
    case CompareMark::Removed:
        return QColor(248, 205, 205);
    case CompareMark::Same:
        break;
    }
    return {};
}

} // namespace

frmCompare::frmCompare(AppContext& ctx, qint32 estimateId, int first, QWidget* parent)
    : QDialog(parent)
    , m_revisions(ctx)
    , m_id(estimateId) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(RevisionTexts::kCompareCaption);
    m_before = new QComboBox(this);
    m_before->setObjectName(QStringLiteral("cmbRevA"));
    m_after = new QComboBox(this);
    m_after->setObjectName(QStringLiteral("cmbRevB"));
    const QStringList sides = m_revisions.sides(estimateId);
    m_before->addItems(sides);
    m_after->addItems(sides);
    const QString firstSide = QStringLiteral("R%1").arg(first);
    m_before->setCurrentIndex(first > 0 && sides.contains(firstSide) ? int(sides.indexOf(firstSide))
                                                                     : std::max(0, int(sides.size()) - 2));
    m_after->setCurrentIndex(int(sides.size()) - 1);
    m_changesOnly = new QCheckBox(RevisionTexts::kChangesOnly, this);
    m_changesOnly->setObjectName(QStringLiteral("chkCompareChangesOnly"));

    m_grid = new QTableWidget(0, 5, this);
    m_grid->setObjectName(QStringLiteral("dgCompare"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Section"), QStringLiteral("Item"),
                                       QStringLiteral("Qty"), QStringLiteral("Line Total"),
                                       QStringLiteral("Change")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid->setMinimumSize(640, 260);
    m_total = plainLabel(QString(), this);
    m_total->setObjectName(QStringLiteral("lblCompareTotal"));

    QPushButton* close =
        commandButton(QStringLiteral("cmdClose"), QStringLiteral("Close"), this, this, &QDialog::accept);
    auto* sidesRow = new QHBoxLayout;
    sidesRow->addWidget(plainLabel(QStringLiteral("Compare"), this));
    sidesRow->addWidget(m_before);
    sidesRow->addWidget(plainLabel(QStringLiteral("with"), this));
    sidesRow->addWidget(m_after);
    sidesRow->addStretch();
    sidesRow->addWidget(m_changesOnly);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sidesRow);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_total);
    layout->addLayout(buttonRow({}, {close}));

    connect(m_before, &QComboBox::currentTextChanged, this, &frmCompare::showComparison);
    connect(m_after, &QComboBox::currentTextChanged, this, &frmCompare::showComparison);
    connect(m_changesOnly, &QCheckBox::toggled, this, &frmCompare::showRows);
    showComparison();
}

void frmCompare::showComparison() {
    m_comparison = m_revisions.compare(m_id, SentRevisions::sideOf(m_before->currentText()),
                                       SentRevisions::sideOf(m_after->currentText()));
    m_total->setText(m_comparison ? m_comparison->totalLine : QString());
    showRows();
}

void frmCompare::showRows() {
    m_grid->setRowCount(0);
    if (!m_comparison)
        return;
    const QList<CompareRow> rows = m_comparison->shownRows(m_changesOnly->isChecked());
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const CompareRow& row = rows.at(r);
        const QString cells[5] = {row.section, row.item, row.qty, row.lineTotal, row.change()};
        const QColor shade = markColour(row.mark);
        for (int c = 0; c < 5; ++c) {
            auto* cell = new QTableWidgetItem(cells[c]);
            if (c == 2 || c == 3)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (shade.isValid()) {
                cell->setBackground(shade);
                cell->setForeground(QColor(Qt::black));
            }
            m_grid->setItem(r, c, cell);
        }
    }
}

} // namespace qx
