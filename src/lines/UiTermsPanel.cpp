#include "lines/UiTermsPanel.h"

#include "widgets/UiFocusColour.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

QLabel* figure(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(110);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

const char* const kSubTotalCaptions[7] = {
    "Material:", "Labor:", "Sub Con:", "Equip:", "Fees:", "Unit Items:", "Total:"};
const char* const kAdminCaptions[4] = {"Overhead", "Profit", "Contingency", "Management"};
const char* const kKindLabels[4] = {"lblOver", "lblPro", "lblCont", "lblManage"};

} // namespace

UiTermsPanel::UiTermsPanel(QWidget* parent)
    : QWidget(parent) {
    auto* subFrame = new QGroupBox(QStringLiteral("Sub Totals"), this);
    subFrame->setObjectName(QStringLiteral("frSubTotals"));
    auto* subGrid = new QGridLayout(subFrame);
    for (int i = 0; i < 7; ++i) {
        subGrid->addWidget(new QLabel(QLatin1String(kSubTotalCaptions[i]), subFrame), i, 0);
        m_subTotals[size_t(i)] =
            figure(QStringLiteral("lblSubTotals_%1").arg(i), QStringLiteral(".00"), subFrame);
        subGrid->addWidget(m_subTotals[size_t(i)], i, 1);
    }

    auto* adminColumn = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* frame = new QGroupBox(QLatin1String(kAdminCaptions[i]), this);
        frame->setObjectName(QStringLiteral("frAdmin_%1").arg(i));
        auto* row = new QHBoxLayout(frame);
        auto* kind = new QLabel(frame);
        kind->setObjectName(QLatin1String(kKindLabels[i]));
        kind->setMinimumWidth(70);
        m_amounts[size_t(i)] = figure(QStringLiteral("lblAdmin_%1").arg(i), QStringLiteral("..."), frame);
        row->addWidget(kind);
        row->addStretch();
        row->addWidget(m_amounts[size_t(i)]);
        adminColumn->addWidget(frame);
    }

    auto* totals = new QGridLayout;
    m_subTotal = figure(QStringLiteral("lblSubTotal"), QStringLiteral(".00"), this);
    m_adminTotal = figure(QStringLiteral("lblAdminTotal"), QStringLiteral(".00"), this);
    m_estTotal = figure(QStringLiteral("lblEstTotal"), QStringLiteral(".00"), this);
    totals->addWidget(new QLabel(QStringLiteral("Sub Total:"), this), 0, 0);
    totals->addWidget(m_subTotal, 0, 1);
    totals->addWidget(new QLabel(QStringLiteral("Admin Total:"), this), 1, 0);
    totals->addWidget(m_adminTotal, 1, 1);
    totals->addWidget(new QLabel(QStringLiteral("EstimateTotal:"), this), 2, 0);
    totals->addWidget(m_estTotal, 2, 1);
    adminColumn->addLayout(totals);
    adminColumn->addStretch();

    m_summary = new QPlainTextEdit(this);
    m_summary->setObjectName(QStringLiteral("txtSumm"));
    m_terms = new QPlainTextEdit(this);
    m_terms->setObjectName(QStringLiteral("txtTerms"));
    for (QPlainTextEdit* box : {m_summary, m_terms}) {
        UiFocusColour::install(box);
        connect(box, &QPlainTextEdit::textChanged, this, &UiTermsPanel::textEdited);
    }

    m_save = new QPushButton(QStringLiteral("Save && Close"), this);
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_save->setEnabled(false);

    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("Estimate Summary"), this));
    texts->addWidget(m_summary, 1);
    texts->addWidget(new QLabel(QStringLiteral("Payment Terms"), this));
    texts->addWidget(m_terms, 1);
    auto* saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(m_save);
    texts->addLayout(saveRow);

    auto* left = new QVBoxLayout;
    left->addWidget(subFrame);
    left->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(adminColumn);
    layout->addLayout(texts, 1);
}

void UiTermsPanel::resetFigures() {
    for (QLabel* label : m_subTotals)
        label->setText(QStringLiteral(".00"));
    for (QLabel* label : {m_subTotal, m_adminTotal, m_estTotal})
        label->setText(QStringLiteral(".00"));
    for (QLabel* label : m_amounts)
        label->setText(QStringLiteral("..."));
}

void UiTermsPanel::clearTexts() {
    m_summary->clear();
    m_terms->clear();
}

QString UiTermsPanel::summaryText() const {
    return m_summary->toPlainText();
}

QString UiTermsPanel::termsText() const {
    return m_terms->toPlainText();
}

void UiTermsPanel::setTexts(const QString& summary, const QString& terms) {
    m_summary->setPlainText(summary);
    m_terms->setPlainText(terms);
}

} // namespace qx
