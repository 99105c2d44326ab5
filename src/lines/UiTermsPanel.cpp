#include "lines/UiTermsPanel.h"

#include "lines/frmAdminEdit.h"
#include "widgets/UiControls.h"
#include "widgets/UiFocusColour.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
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
const char* const kKindLabels[4] = {"lblOver", "lblPro", "lblCont", "lblManage"};

} // namespace

UiClickFrame::UiClickFrame(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
    setCursor(Qt::PointingHandCursor);
}

void UiClickFrame::mouseReleaseEvent(QMouseEvent* event) {
    QGroupBox::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit frameClicked();
}

UiTermsPanel::UiTermsPanel(AppContext& ctx, EstimateTotals& totals, QWidget* parent)
    : QWidget(parent)
    , m_ctx(ctx)
    , m_totals(totals) {
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
    for (int i = 0; i < EstimateTotals::kAdminCount; ++i) {
        auto* frame = new UiClickFrame(EstimateTotals::adminCaption(i), this);
        frame->setObjectName(QStringLiteral("frAdmin_%1").arg(i));
        auto* row = new QHBoxLayout(frame);
        m_kinds[size_t(i)] = new QLabel(frame);
        m_kinds[size_t(i)]->setObjectName(QLatin1String(kKindLabels[i]));
        m_kinds[size_t(i)]->setMinimumWidth(70);
        m_amounts[size_t(i)] = figure(QStringLiteral("lblAdmin_%1").arg(i), QStringLiteral("..."), frame);
        row->addWidget(m_kinds[size_t(i)]);
        row->addStretch();
        row->addWidget(m_amounts[size_t(i)]);
        adminColumn->addWidget(frame);
        connect(frame, &UiClickFrame::frameClicked, this, [this, i] { editAmount(i); });
    }

    auto* totalsGrid = new QGridLayout;
    m_subTotal = figure(QStringLiteral("lblSubTotal"), QStringLiteral(".00"), this);
    m_adminTotal = figure(QStringLiteral("lblAdminTotal"), QStringLiteral(".00"), this);
    m_estTotal = figure(QStringLiteral("lblEstTotal"), QStringLiteral(".00"), this);
    totalsGrid->addWidget(new QLabel(QStringLiteral("Sub Total:"), this), 0, 0);
    totalsGrid->addWidget(m_subTotal, 0, 1);
    totalsGrid->addWidget(new QLabel(QStringLiteral("Admin Total:"), this), 1, 0);
    totalsGrid->addWidget(m_adminTotal, 1, 1);
    totalsGrid->addWidget(new QLabel(QStringLiteral("EstimateTotal:"), this), 2, 0);
    totalsGrid->addWidget(m_estTotal, 2, 1);
    adminColumn->addLayout(totalsGrid);
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

void UiTermsPanel::showTotals() {
    for (int i = 0; i < kCategoryCount; ++i)
        m_subTotals[size_t(i)]->setText(m_totals.category(i).toCurrency());
    m_subTotals[kCategoryCount]->setText(m_totals.lineTotal().toCurrency());
    m_subTotal->setText(m_totals.lineTotal().toCurrency());
    for (int i = 0; i < EstimateTotals::kAdminCount; ++i) {
        m_kinds[size_t(i)]->setText(m_totals.admin(i).kindLabel());
        m_amounts[size_t(i)]->setText(m_totals.adminAmount(i).toCurrency());
    }
    m_adminTotal->setText(m_totals.adminTotal().toCurrency());
    m_estTotal->setText(m_totals.estimateTotal().toCurrency());
}

void UiTermsPanel::editAmount(int index) {
    frmAdminEdit dialog(m_totals, m_ctx.prompter, index, this);
    dialog.exec();
    // Whichever button closed the dialog, the totals are figured again and the estimate has changed.
    m_ctx.data.Trap({QStringLiteral("frAdmin_Click"), TrapSite::Form, QStringLiteral("frmQuovi")},
                    [&] { m_totals.FigureEstAdmin(); });
    showTotals();
    emit amountsEdited();
}

void UiTermsPanel::clearTexts() {
    m_summary->clear();
    m_terms->clear();
}

QString UiTermsPanel::summaryText() const {
    return typedText(m_summary);
}

QString UiTermsPanel::termsText() const {
    return typedText(m_terms);
}

void UiTermsPanel::setTexts(const QString& summary, const QString& terms) {
    m_summary->setPlainText(summary);
    m_terms->setPlainText(terms);
}

} // namespace qx
