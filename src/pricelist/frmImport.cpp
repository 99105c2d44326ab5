#include "pricelist/frmImport.h"

#include "costs/CostItemEditor.h"
#include "costs/CostTexts.h"
#include "data/ResultTableModel.h"
#include "pricelist/PriceListTexts.h"
#include "widgets/UiControls.h"
#include "widgets/UiDialogButtons.h"
#include "widgets/UiFormWidgets.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace qx {

namespace {

// The rows of the file the preview shows.
constexpr int kPreviewRows = 20;

const QStringList kChangeCaptions{QStringLiteral("Item"), QStringLiteral("Old"), QStringLiteral("New"),
                                  QStringLiteral("Change")};

} // namespace

frmImport::frmImport(AppContext& ctx, CsvTable table, const QString& costType, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_table(std::move(table))
    , m_import(ctx.data, ctx.conns.sCostConn) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(kTitleImport);

    auto* previewModel = new ResultTableModel(this);
    QTableView* previewGrid = resultGrid(QStringLiteral("dgPreview"), previewModel, this);
    QStringList captions;
    const ResultSet rows = PriceListImport::previewRows(m_table, kPreviewRows, captions);
    showRows(previewGrid, rows, captions);

    auto* boxes = new QGridLayout;
    const struct {
        PriceField field;
        const char* name;
        const char* label;
    } fields[] = {{PriceField::Name, "cmbMapName", "Name:"},
                  {PriceField::Sku, "cmbMapSku", "SKU:"},
                  {PriceField::Price, "cmbMapPrice", "Price:"},
                  {PriceField::Unit, "cmbMapUnit", "Unit:"},
                  {PriceField::Manufacturer, "cmbMapManufacturer", "Manufacturer:"},
                  {PriceField::Category, "cmbMapCategory", "Category:"},
                  {PriceField::Id, "cmbMapId", "Item ID:"}};
    int cell = 0;
    for (const auto& f : fields) {
        boxes->addWidget(plainLabel(QLatin1String(f.label), this), cell / 3, (cell % 3) * 2);
        boxes->addWidget(mappingBox(f.field, QLatin1String(f.name)), cell / 3, (cell % 3) * 2 + 1);
        ++cell;
    }
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("cmbImportType"));
    m_type->addItems(CostItemEditor::types());
    m_type->setCurrentIndex(std::max(0, m_type->findText(costType)));
    boxes->addWidget(plainLabel(QStringLiteral("New items are of type:"), this), 3, 0);
    boxes->addWidget(m_type, 3, 1);
    boxes->addWidget(plainLabel(kImportCategoryLabel, this), 3, 2);
    boxes->addWidget(categoryBox(), 3, 3);
    m_numbers = new QComboBox(this);
    m_numbers->setObjectName(QStringLiteral("cmbImportNumbers"));
    m_numbers->addItems(numberFormEntries());
    connect(m_numbers, &QComboBox::currentIndexChanged, this, &frmImport::preview);
    boxes->addWidget(plainLabel(QStringLiteral("Numbers are written:"), this), 4, 0);
    boxes->addWidget(m_numbers, 4, 1);
    m_numbersNote = plainLabel(QString(), this);
    m_numbersNote->setObjectName(QStringLiteral("lblImportNumbers"));
    m_numbersNote->setWordWrap(true);
    boxes->addWidget(m_numbersNote, 4, 2, 1, 4);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblImportSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_refused = new QListWidget(this);
    m_refused->setObjectName(QStringLiteral("lstRefused"));
    m_changesModel = new ResultTableModel(this);
    m_changesModel->setResult({}, kChangeCaptions);
    m_changes = resultGrid(QStringLiteral("dgChanges"), m_changesModel, this);
    m_changes->hide();
    m_changesLabel = plainLabel(QStringLiteral("Imported:"), this);
    m_changesLabel->hide();

    m_apply = commandButton(QStringLiteral("cmdImportApply"), QStringLiteral("Import"), this, this,
                            &frmImport::importRows);
    QHBoxLayout* buttons =
        buttonRow({m_apply}, {commandButton(QStringLiteral("cmdImportClose"), QStringLiteral("Close"), this,
                                            this, &frmImport::accept)});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(previewGrid, 2);
    layout->addLayout(boxes);
    layout->addWidget(m_summary);
    layout->addWidget(plainLabel(QStringLiteral("Refused rows:"), this));
    layout->addWidget(m_refused, 1);
    layout->addWidget(m_changesLabel);
    layout->addWidget(m_changes, 2);
    layout->addLayout(buttons);
    resize(900, 680);
    guessNumbers();
    preview();
}

QComboBox* frmImport::mappingBox(PriceField field, const QString& name) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->addItems(columnChoices(m_table.header));
    box->setCurrentIndex(ColumnMapping::byHeader(m_table.header).of(field) + 1);
    connect(box, &QComboBox::currentIndexChanged, this, &frmImport::mappingChanged);
    m_mapping[size_t(field)] = box;
    return box;
}

QComboBox* frmImport::categoryBox() {
    m_category = new QComboBox(this);
    m_category->setObjectName(QStringLiteral("cmbImportCategory"));
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    const QString imported = ImportOptions().category;
    QStringList categories = CostItemEditor(m_ctx.data, m_ctx.conns.sCostConn).categories();
    categories.removeAll(imported);
    categories.removeAll(kNoItemsListed);
    m_category->addItem(imported);
    m_category->addItems(categories);
    m_category->lineEdit()->setMaxLength(CostItemEditor::maxLength(CostItemField::Category));
    connect(m_category, &QComboBox::currentTextChanged, this, &frmImport::preview);
    return m_category;
}

void frmImport::mappingChanged() {
    if (mapping().of(PriceField::Price) != m_priceColumn)
        guessNumbers();
    preview();
}

void frmImport::guessNumbers() {
    m_priceColumn = mapping().of(PriceField::Price);
    const NumberFormGuess guess = guessNumberForm(m_table.records, m_priceColumn);
    const QSignalBlocker quiet(m_numbers);
    m_numbers->setCurrentIndex(int(guess.form.value_or(numberFormOf(QLocale()))));
    m_numbersNote->setText(guess.ambiguous.isEmpty() ? QString() : numbersAmbiguous(guess.ambiguous));
}

ImportOptions frmImport::options() const {
    ImportOptions options;
    options.numbers = NumberForm(m_numbers->currentIndex());
    options.category = m_category->currentText();
    return options;
}

ColumnMapping frmImport::mapping() const {
    ColumnMapping mapping;
    for (int f = 0; f < kPriceFieldCount; ++f)
        mapping.set(PriceField(f), m_mapping[size_t(f)]->currentIndex() - 1);
    return mapping;
}

void frmImport::preview() {
    m_plan.reset();
    m_refused->clear();
    auto problem = mappingProblem(mapping());
    if (!problem)
        problem = PriceListImport::categoryProblem(m_category->currentText());
    if (problem) {
        m_summary->setText(*problem);
        m_apply->setEnabled(false);
        return;
    }
    m_plan = m_import.preview(m_table, mapping(), options());
    m_summary->setText(m_plan ? m_plan->summary() : QString());
    if (m_plan)
        m_refused->addItems(m_plan->refused);
    m_apply->setEnabled(m_plan && (m_plan->added > 0 || m_plan->changed > 0));
}

void frmImport::importRows() {
    if (!m_plan)
        return;
    QProgressDialog progress(kImporting, QStringLiteral("Cancel"), 0, int(m_plan->rows.size()), this);
    progress.setObjectName(QStringLiteral("dlgImportProgress"));
    progress.setWindowTitle(kTitleImport);
    progress.setWindowModality(Qt::WindowModal);
    const auto outcome =
        m_import.apply(*m_plan, m_type->currentText(), QDate::currentDate(), [&](int done, int) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    progress.reset();
    if (outcome == PriceListImport::Outcome::Cancelled)
        m_ctx.prompter.inform(kTitleImport, kImportCancelled);
    if (outcome != PriceListImport::Outcome::Done)
        return;
    m_imported = true;
    showChanges();
}

void frmImport::showChanges() {
    ResultSet rows;
    rows.columns = kChangeCaptions;
    for (const PriceChange& change : PriceListImport::changes(*m_plan))
        rows.rows << QVariantList{change.item, change.oldPrice, change.newPrice, change.change};
    showRows(m_changes, rows, kChangeCaptions);
    for (int column : {1, 2, 3})
        m_changes->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_changesLabel->show();
    m_changes->show();
    m_apply->setEnabled(false);
    for (QComboBox* box : m_mapping)
        box->setEnabled(false);
    for (QComboBox* box : {m_type, m_category, m_numbers})
        box->setEnabled(false);
}

} // namespace qx
