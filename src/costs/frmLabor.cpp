#include "costs/frmLabor.h"

#include "costs/CostInput.h"
#include "costs/CostTexts.h"
#include "costs/frmPerc.h"
#include "widgets/UiDialogButtons.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"
#include "widgets/UiFormWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qx {

namespace {

constexpr int kBase = 0, kNotes = 5, kTotal = 6;

const char* const kBoxCaptions[7] = {
    "Base Rate:", "Taxable Fringe:", "Workers comp", "Emplorer Taxes:", "Other costs:", "Notes:", "Total:"};

} // namespace

frmLabor::frmLabor(DataAccess& data, const Conn& cost, const SettingsStore& settings, CostEditing& editing,
                   QWidget* parent)
    : QDialog(parent)
    , m_data(data)
    , m_editing(editing)
    , m_rates(data, cost)
    , m_percents(readBurdenPercents(settings)) {
    setObjectName(QStringLiteral("frmLabor"));
    setWindowTitle(kTitleLabor);

    m_titleFrame = new QGroupBox(QStringLiteral("Enter Job Title"), this);
    m_titleFrame->setObjectName(QStringLiteral("fraJobTitle"));
    m_titleBox = new QLineEdit(m_titleFrame);
    m_titleBox->setObjectName(QStringLiteral("txtJobTitle"));
    UiFocusColour::install(m_titleBox);
    UiFieldCheck::install(
        m_titleBox, data.prompter(),
        [](const QString& title) { return isBlank(title) ? std::nullopt : LaborRates::titleProblem(title); },
        QString());
    auto* okay = commandButton(QStringLiteral("cmdOkay"), QStringLiteral("Okay"), m_titleFrame, this,
                               &frmLabor::nameRate);
    okay->setDefault(true);
    auto* cancel = commandButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), m_titleFrame, this,
                                 &frmLabor::reject);
    auto* titleRow = new QHBoxLayout(m_titleFrame);
    titleRow->addWidget(m_titleBox, 1);
    titleRow->addWidget(okay);
    titleRow->addWidget(cancel);

    m_rateArea = new QWidget(this);
    buildRateBoxes(m_rateArea);

    auto* nonEmployee = commandButton(QStringLiteral("cmdNonEmployee"), kNonEmployee, this, this,
                                      &frmLabor::chooseNonEmployee);
    m_save = commandButton(QStringLiteral("cmdSave"), QStringLiteral("Save"), this, this, &frmLabor::save);
    QHBoxLayout* buttons =
        buttonRow({nonEmployee}, {m_save, commandButton(QStringLiteral("cmdClose"), QStringLiteral("Close"),
                                                        this, this, &frmLabor::reject)});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_titleFrame);
    layout->addWidget(m_rateArea);
    layout->addLayout(buttons);
    setMinimumWidth(440);

    const bool adding = !m_editing.editing();
    m_titleFrame->setVisible(adding);
    nonEmployee->setVisible(adding);
    if (adding) {
        // Until the rate is named there is nothing to price or save.
        m_rateArea->setEnabled(false);
        m_save->setEnabled(false);
        m_titleBox->setFocus();
    } else if (m_editing.currentId == 0) {
        QTimer::singleShot(0, this, &frmLabor::reject);
    } else {
        loadRate();
    }
}

void frmLabor::buildRateBoxes(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Job Title:"), parent), 0, 0);
    m_jobTitle = new QLabel(parent);
    m_jobTitle->setObjectName(QStringLiteral("lblJobTitle"));
    grid->addWidget(m_jobTitle, 0, 1, 1, 2);
    Prompter& prompter = m_data.prompter();
    for (int i = 0; i < 7; ++i) {
        m_boxes[i] = new QLineEdit(i == kNotes ? QString() : QStringLiteral("0"), parent);
        m_boxes[i]->setObjectName(QStringLiteral("txtLabor_%1").arg(i));
        grid->addWidget(new QLabel(QLatin1String(kBoxCaptions[i]), parent), i + 1, 0);
        grid->addWidget(m_boxes[i], i + 1, 1);
        if (i == kTotal) {
            m_boxes[i]->setReadOnly(true);
            m_boxes[i]->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        UiFocusColour::install(m_boxes[i]);
        if (i == kNotes) {
            UiFieldCheck::install(m_boxes[i], prompter, LaborRates::notesProblem, QString());
        } else {
            UiFieldCheck::install(m_boxes[i], prompter, rateProblem, QStringLiteral("0"));
        }
        onLeave(m_boxes[i], this, [this, i] { i == kBase ? baseLeft() : showTotal(); });
    }
    m_boxes[kBase]->setToolTip(kHintBaseRate);
    for (int k = 0; k < kBurdenCount; ++k) {
        auto* percent = new UiClickLabel(QStringLiteral("%"), parent);
        percent->setObjectName(QStringLiteral("lblPerct_%1").arg(k));
        percent->setToolTip(kHintPercentage);
        connect(percent, &UiClickLabel::clicked, this, [this, k] { figurePercentage(Burden(k)); });
        grid->addWidget(percent, k + 2, 2);
    }
}

void frmLabor::loadRate() {
    if (const auto stored = m_rates.load(m_editing.currentId)) {
        m_boxes[kBase]->setText(plainAmount(stored->base));
        for (int i = 0; i < kBurdenCount; ++i)
            m_boxes[i + 1]->setText(plainAmount(stored->burdens[i]));
    }
    PopCostItem();
    showTotal();
}

void frmLabor::PopCostItem() {
    const auto title = m_rates.PopCostItem(m_editing.currentId);
    if (!title)
        return;
    m_jobTitle->setText(title->title);
    if (!title->notes.isEmpty())
        m_boxes[kNotes]->setText(title->notes);
}

void frmLabor::nameRate() {
    if (const auto problem = LaborRates::titleProblem(m_titleBox->text())) {
        m_data.prompter().inform(kAppTitle, *problem);
        m_titleBox->setFocus();
        return;
    }
    const auto id = m_rates.nameRate(m_titleBox->text());
    if (!id) {
        reject();
        return;
    }
    m_editing.currentId = *id;
    m_titleFrame->hide();
    m_rateArea->setEnabled(true);
    m_save->setEnabled(true);
    PopCostItem();
    m_boxes[kBase]->setFocus();
}

void frmLabor::baseLeft() {
    if (m_boxes[kBase]->text().isEmpty())
        return;
    if (const auto burdens = ComputeDefault(m_boxes[kBase]->text(), m_percents)) {
        showBurdens(*burdens);
        showTotal();
    }
}

// The boxes' own checks report a box that holds no rate; until it is put right the total stays.
void frmLabor::showTotal() {
    const RateTotal rate = ComputeTotal(m_boxes[kBase]->text(), burdenTexts());
    if (!rate.ok())
        return;
    showBurdens(rate.burdens);
    m_boxes[kTotal]->setText(rate.total.toCurrency());
}

void frmLabor::figurePercentage(Burden burden) {
    if (!m_rateArea->isEnabled() || !opensPercentage(m_boxes[kBase]->text()))
        return;
    const int k = int(burden);
    frmPerc calculator(m_data.prompter(), burden, m_boxes[kBase]->text(), m_percents[k], this);
    if (calculator.exec() == QDialog::Accepted)
        m_boxes[k + 1]->setText(calculator.result());
    showTotal();
    m_boxes[k + 1]->setFocus();
}

void frmLabor::save() {
    const RateTotal rate = ComputeTotal(m_boxes[kBase]->text(), burdenTexts());
    if (!rate.ok()) {
        m_data.prompter().inform(kAppTitle, rate.problem);
        m_boxes[rate.problemBox]->setFocus();
        return;
    }
    const QString notes = m_boxes[kNotes]->text();
    if (const auto problem = LaborRates::notesProblem(notes)) {
        m_data.prompter().inform(kAppTitle, *problem);
        m_boxes[kNotes]->setFocus();
        return;
    }
    showBurdens(rate.burdens);
    m_boxes[kTotal]->setText(rate.total.toCurrency());
    m_rates.save(m_editing.currentId, rate, notes);
    accept();
}

void frmLabor::chooseNonEmployee() {
    m_nonEmployee = true;
    reject();
}

BurdenTexts frmLabor::burdenTexts() const {
    BurdenTexts texts;
    for (int i = 0; i < kBurdenCount; ++i)
        texts[i] = m_boxes[i + 1]->text();
    return texts;
}

void frmLabor::showBurdens(const BurdenTexts& burdens) {
    for (int i = 0; i < kBurdenCount; ++i)
        m_boxes[i + 1]->setText(burdens[i]);
}

} // namespace qx
