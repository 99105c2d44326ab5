#include "revisions/frmCompare.h"

#include "revisions/RevisionTexts.h"
#include "widgets/UiControls.h"
#include "widgets/UiDialogButtons.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qx {

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
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sidesRow);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_total);
    layout->addLayout(buttonRow({}, {close}));

    connect(m_before, &QComboBox::currentTextChanged, this, &frmCompare::showComparison);
    connect(m_after, &QComboBox::currentTextChanged, this, &frmCompare::showComparison);
    showComparison();
}

void frmCompare::showComparison() {
    m_grid->setRowCount(0);
    m_total->clear();
    const std::optional<Comparison> comparison = m_revisions.compare(
        m_id, SentRevisions::sideOf(m_before->currentText()), SentRevisions::sideOf(m_after->currentText()));
    if (!comparison)
        return;
    m_grid->setRowCount(int(comparison->rows.size()));
    for (int r = 0; r < int(comparison->rows.size()); ++r) {
        const CompareRow& row = comparison->rows.at(r);
        const QString cells[5] = {row.section, row.item, row.qty, row.lineTotal, row.change};
        for (int c = 0; c < 5; ++c) {
            auto* cell = new QTableWidgetItem(cells[c]);
            if (c == 2 || c == 3)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(r, c, cell);
        }
    }
    m_total->setText(comparison->totalLine);
}

} // namespace qx
