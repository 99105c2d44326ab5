#include "status/frmManageStatus.h"

#include "backup/JobCommands.h"
#include "revisions/RevisionTexts.h"
#include "revisions/SentRevisions.h"
#include "revisions/frmCompare.h"
#include "status/StatusTexts.h"
#include "status/frmOwnerDetail.h"
#include "widgets/UiControls.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"
#include "widgets/UiFormWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace qx {

namespace {

// The list's columns are blanks: they line up only in a font whose characters are all as wide.
QFont fixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("Courier New"), font.family()});
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QLabel* shownLabel(const QString& name, QWidget* parent) {
    QLabel* label = plainLabel(QString(), parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Return in a box never presses a command: Update, Delete and the owner details each close a page.
QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    QPushButton* command = namedButton(name, caption, parent);
    command->setAutoDefault(false);
    return command;
}

} // namespace

frmManageStatus::frmManageStatus(AppContext& ctx, WorkState& state, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_state(state)
    , m_list(ctx.data, ctx.conns.sMastConn)
    , m_edit(ctx, state) {
    setObjectName(QStringLiteral("frmManageStatus"));
    setWindowTitle(StatusTexts::kBoardCaption);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildListPage());
    m_pages->addWidget(buildEditPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    PopFilter();
}

QWidget* frmManageStatus::buildListPage() {
    auto* page = new QGroupBox(StatusTexts::kListFrame, this);
    page->setObjectName(QStringLiteral("fraList"));
    m_filter = new QComboBox(page);
    m_filter->setObjectName(QStringLiteral("cmbFilter"));
    m_lines = new QListWidget(page);
    m_lines->setObjectName(QStringLiteral("List1"));
    m_lines->setFont(fixedPitchFont());
    const QFontMetrics metrics(m_lines->font());
    m_lines->setMinimumSize(metrics.horizontalAdvance(QString(44, QLatin1Char('M'))),
                            metrics.lineSpacing() * 16);

    auto* import = button(QStringLiteral("cmdImport"), QStringLiteral("Import Estimate..."), page);
    connect(import, &QPushButton::clicked, this, &frmManageStatus::importEstimate);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(plainLabel(StatusTexts::kFilterLabel, page));
    filterRow->addWidget(m_filter);
    filterRow->addStretch();
    filterRow->addWidget(import);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(filterRow);
    layout->addWidget(m_lines);

    connect(m_filter, &QComboBox::currentTextChanged, this, &frmManageStatus::PopList);
    connect(m_lines, &QListWidget::itemDoubleClicked, this, &frmManageStatus::lineDoubleClicked);
    return page;
}

QWidget* frmManageStatus::buildEditPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraEdit"));
    m_id = shownLabel(QStringLiteral("lblEstID"), page);
    m_name = shownLabel(QStringLiteral("lblEstName"), page);
    m_address = shownLabel(QStringLiteral("lblEstAddress"), page);
    m_date = focusBox(QStringLiteral("txtDate"), page);
    m_length = focusBox(QStringLiteral("txtLength"), page);
    m_type = new QComboBox(page);
    m_type->setObjectName(QStringLiteral("Combo1"));
    m_type->setEditable(true);
    m_type->setInsertPolicy(QComboBox::NoInsert);
    // Offer the matching types, but never replace what the user typed with one of them.
    m_type->completer()->setCompletionMode(QCompleter::PopupCompletion);
    for (QWidget* box :
         {static_cast<QWidget*>(m_date), static_cast<QWidget*>(m_length), static_cast<QWidget*>(m_type)})
        UiFocusColour::install(box);
    UiFieldCheck::install(m_type, m_ctx.prompter, &StatusEdit::checkType, QString());

    auto* statusFrame = new QGroupBox(StatusTexts::kStatusFrame, page);
    statusFrame->setObjectName(QStringLiteral("fraStatus"));
    auto* statusRow = new QHBoxLayout(statusFrame);
    auto* group = new QButtonGroup(statusFrame);
    for (int i = 0; i < int(m_options.size()); ++i) {
        auto* option = new QRadioButton(kStatusOptions.at(i), statusFrame);
        option->setObjectName(QStringLiteral("optEstStatus_%1").arg(i));
        group->addButton(option, i);
        statusRow->addWidget(option);
        m_options[size_t(i)] = option;
    }

    auto* update = button(QStringLiteral("cmdUpdateStatus"), QStringLiteral("Update"), page);
    auto* cancel = button(QStringLiteral("cmdCancelUpdate"), QStringLiteral("Cancel"), page);
    auto* remove = button(QStringLiteral("cmdDeleteStatus"), QStringLiteral("Delete this estimate"), page);
    auto* owner = button(QStringLiteral("cmdEditOwner"), QStringLiteral("Edit Owner Info"), page);
    connect(update, &QPushButton::clicked, this, &frmManageStatus::updateStatus);
    connect(cancel, &QPushButton::clicked, this, &frmManageStatus::cancelUpdate);
    connect(remove, &QPushButton::clicked, this, &frmManageStatus::deleteStatus);
    connect(owner, &QPushButton::clicked, this, &frmManageStatus::editOwner);
    auto* copy = button(QStringLiteral("cmdDuplicate"), QStringLiteral("Duplicate"), page);
    m_reprice = new QCheckBox(QStringLiteral("Reprice from the cost database"), page);
    m_reprice->setObjectName(QStringLiteral("chkReprice"));
    connect(copy, &QPushButton::clicked, this, &frmManageStatus::duplicate);
    auto* exportJob = button(QStringLiteral("cmdExport"), QStringLiteral("Export Estimate..."), page);
    connect(exportJob, &QPushButton::clicked, this, &frmManageStatus::exportEstimate);

    auto* form = new QGridLayout;
    form->addWidget(plainLabel(QStringLiteral("ID:"), page), 0, 0);
    form->addWidget(m_id, 0, 1, 1, 2);
    form->addWidget(plainLabel(QStringLiteral("Name:"), page), 1, 0);
    form->addWidget(m_name, 1, 1, 1, 2);
    form->addWidget(plainLabel(QStringLiteral("Address:"), page), 2, 0);
    form->addWidget(m_address, 2, 1, 1, 2);
    form->addWidget(plainLabel(QStringLiteral("Date:"), page), 3, 0);
    form->addWidget(m_date, 3, 1);
    form->addWidget(plainLabel(QStringLiteral("Length:"), page), 4, 0);
    form->addWidget(m_length, 4, 1);
    form->addWidget(plainLabel(QStringLiteral("days"), page), 4, 2);
    form->addWidget(plainLabel(QStringLiteral("Type:"), page), 5, 0);
    form->addWidget(m_type, 5, 1, 1, 2);
    form->setColumnStretch(2, 1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(remove);
    commands->addWidget(owner);
    commands->addStretch();
    commands->addWidget(update);
    commands->addWidget(cancel);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(statusFrame);
    auto* copyRow = new QHBoxLayout;
    copyRow->addWidget(copy);
    copyRow->addWidget(m_reprice);
    copyRow->addStretch();
    copyRow->addWidget(exportJob);
    layout->addLayout(copyRow);
    layout->addWidget(buildRevisionsFrame(page));
    layout->addStretch();
    layout->addLayout(commands);
    return page;
}

QWidget* frmManageStatus::buildRevisionsFrame(QWidget* page) {
    auto* frame = new QGroupBox(RevisionTexts::kRevisionsFrame, page);
    frame->setObjectName(QStringLiteral("fraRevisions"));
    m_revisions = new QListWidget(frame);
    m_revisions->setObjectName(QStringLiteral("lstRevisions"));
    m_revisions->setFont(fixedPitchFont());
    const int line = QFontMetrics(m_revisions->font()).lineSpacing();
    m_revisions->setMinimumHeight(line * 4);
    m_revisions->setMaximumHeight(line * 7);
    auto* open = button(QStringLiteral("cmdOpenRevision"), RevisionTexts::kOpen, frame);
    auto* compare = button(QStringLiteral("cmdCompare"), RevisionTexts::kCompare, frame);
    connect(open, &QPushButton::clicked, this, &frmManageStatus::openRevision);
    connect(compare, &QPushButton::clicked, this, &frmManageStatus::compareRevisions);
    auto* commands = new QVBoxLayout;
    commands->addWidget(open);
    commands->addWidget(compare);
    commands->addStretch();
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(m_revisions, 1);
    layout->addLayout(commands);
    return frame;
}

void frmManageStatus::PopRevisions() {
    m_revisions->clear();
    for (const RevisionLine& line : SentRevisions(m_ctx).lines(m_shownId)) {
        auto* item = new QListWidgetItem(line.text, m_revisions);
        item->setData(Qt::UserRole, line.number);
    }
    m_revisions->setCurrentRow(0);
}

int frmManageStatus::chosenRevision() const {
    const QListWidgetItem* item = m_revisions->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void frmManageStatus::openRevision() {
    if (const int number = chosenRevision(); number > 0) {
        SentRevisions(m_ctx).openProposal(m_shownId, number);
        PopRevisions();
    }
}

void frmManageStatus::compareRevisions() {
    if (m_revisions->count() == 0)
        return;
    frmCompare(m_ctx, m_shownId, chosenRevision(), this).exec();
}

void frmManageStatus::PopFilter() {
    {
        const QSignalBlocker quiet(m_filter);
        m_filter->clear();
        m_filter->addItems(StatusList::PopFilter());
        m_filter->setCurrentIndex(0);
    }
    PopList(m_filter->currentText());
}

void frmManageStatus::PopList(const QString& filter) {
    m_shownLines = m_list.PopList(filter);
    QStringList texts;
    texts.reserve(m_shownLines.size());
    for (const BoardLine& line : m_shownLines)
        texts.append(line.text);
    m_lines->clear();
    m_lines->addItems(texts);
    m_lines->setCurrentRow(0);
}

void frmManageStatus::lineDoubleClicked(QListWidgetItem* item) {
    const int row = item ? m_lines->row(item) : -1;
    if (row >= 0 && row < m_shownLines.size() && m_shownLines.at(row).id)
        PopForm(*m_shownLines.at(row).id);
}

bool frmManageStatus::PopForm(qint64 id) {
    const std::optional<EstimateEdit> edit = m_edit.PopForm(id);
    if (!edit)
        return false;
    m_shownId = edit->id;
    m_id->setText(QString::number(edit->id));
    m_name->setText(edit->name);
    m_address->setText(edit->address);
    m_date->setText(edit->date);
    m_length->setText(edit->length);
    m_type->clear();
    m_type->addItems(m_edit.types());
    m_type->setEditText(edit->type);
    selectStatus(edit->status);
    PopRevisions();
    m_pages->setCurrentIndex(1);
    m_date->setFocus();
    return true;
}

void frmManageStatus::selectStatus(const QString& status) {
    // No option is chosen when the stored status is none of the four.
    QButtonGroup* group = m_options[0]->group();
    group->setExclusive(false);
    for (QRadioButton* option : m_options)
        option->setChecked(option->text() == status);
    group->setExclusive(true);
}

QString frmManageStatus::EstStatusIs() const {
    for (const QRadioButton* option : m_options) {
        if (option->isChecked())
            return option->text();
    }
    return {};
}

void frmManageStatus::focusField(EditField field, bool clear) {
    switch (field) {
    case EditField::Date:
        m_date->setFocus();
        break;
    case EditField::Length:
        m_length->setFocus();
        break;
    case EditField::Type:
        if (clear)
            m_type->setEditText(QString());
        m_type->setFocus();
        break;
    case EditField::None:
        break;
    }
}

void frmManageStatus::updateStatus() {
    const EstimateEdit edit{m_shownId,        m_name->text(),        m_address->text(), m_date->text(),
                            m_length->text(), m_type->currentText(), EstStatusIs()};
    if (const auto refusal = m_edit.update(edit)) {
        focusField(refusal->field, refusal->clearField);
        return;
    }
    backToList();
}

void frmManageStatus::cancelUpdate() {
    backToList();
}

void frmManageStatus::backToList() {
    m_shownId = 0;
    for (QLabel* label : {m_id, m_name, m_address})
        label->clear();
    m_date->clear();
    m_length->clear();
    m_type->setEditText(QString());
    m_revisions->clear();
    m_pages->setCurrentIndex(0);
    PopFilter();
    m_lines->setFocus();
}

void frmManageStatus::deleteStatus() {
    if (m_edit.deleteEstimate(m_shownId) != DeleteResult::Deleted)
        return;
    backToList();
    accept();
}

void frmManageStatus::editOwner() {
    {
        frmOwnerDetail owner(m_ctx, m_state.lEstID, this);
        owner.exec();
    }
    accept();
}

void frmManageStatus::duplicate() {
    m_duplicate = DuplicateRequest{m_shownId, m_reprice->isChecked()};
    accept();
}

void frmManageStatus::exportEstimate() {
    JobCommands(m_ctx).exportEstimate(m_shownId);
}

void frmManageStatus::importEstimate() {
    if (JobCommands(m_ctx).importEstimate() != 0)
        PopList(m_filter->currentText());
}

void frmManageStatus::done(int result) {
    m_edit.leave();
    QDialog::done(result);
}

} // namespace qx
