#include "contacts/frmContactGrid.h"

#include "data/ResultTableModel.h"
#include "widgets/UiControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace qx {

namespace {

// The column widths are given in twips (1440 to the inch) for a small dialog font. They keep their
// proportions but grow with the font in use, far enough that a phone column shows a whole phone number.
double pixelsPerTwip(const QWidget* widget) {
    const double plain = widget->logicalDpiX() / 1440.0;
    const int phoneTwips = ContactDirectory::gridColumns()[4].twips;
    const int phone = widget->fontMetrics().horizontalAdvance(QStringLiteral("000/000-0000")) + 12;
    return std::max(plain, double(phone) / phoneTwips);
}

int pixelsOf(int twips, const QWidget* widget) {
    return int(twips * pixelsPerTwip(widget) + 0.5);
}

QStringList captions() {
    QStringList list;
    for (const ContactGridColumn& column : ContactDirectory::gridColumns())
        list << column.caption;
    return list;
}

} // namespace

QComboBox* frmContactGrid::addList(const QString& name, const QStringList& entries) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(entries);
    list->setCurrentIndex(0);
    return list;
}

frmContactGrid::frmContactGrid(DataAccess& data, const Conn& contacts, QWidget* parent)
    : QDialog(parent)
    , m_data(data)
    , m_directory(data, contacts) {
    setObjectName(QStringLiteral("frmContactGrid"));
    setWindowTitle(QStringLiteral("Contacts from Kontavi"));

    m_model = new ResultTableModel(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdDataGrid"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->setWordWrap(false);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->setMinimumHeight(320);

    m_letter = addList(QStringLiteral("cboFilter"), ContactDirectory::letterEntries());
    m_type = addList(QStringLiteral("cboType"), ContactDirectory::typeEntries());
    m_companies = addList(QStringLiteral("cboCompanies"), ContactDirectory::companyEntries());
    connect(m_letter, &QComboBox::activated, this,
            [this] { PopGrid(ContactDirectory::letterQuery(m_letter->currentText())); });
    connect(m_type, &QComboBox::activated, this,
            [this] { PopGrid(ContactDirectory::typeQuery(m_type->currentText())); });
    connect(m_companies, &QComboBox::activated, this,
            [this] { PopGrid(ContactDirectory::companyQuery(m_companies->currentText())); });

    QPushButton* selectButton = namedButton(QStringLiteral("cmdSelect"), QStringLiteral("Select"), this);
    selectButton->setDefault(true);
    connect(selectButton, &QPushButton::clicked, this, &frmContactGrid::select);

    auto* filters = new QGridLayout;
    const std::pair<const char*, QComboBox*> rows[] = {
        {"Filter Alpha:", m_letter}, {"Type:", m_type}, {"Companies:", m_companies}};
    for (int column = 0; column < 3; ++column) {
        filters->addWidget(plainLabel(QLatin1String(rows[column].first), this), 0, column);
        filters->addWidget(rows[column].second, 1, column);
    }
    filters->setColumnStretch(3, 1);
    filters->addWidget(selectButton, 1, 4);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_grid, 1);

    PopGrid({});
    setColumnWidths();
}

frmContactGrid::~frmContactGrid() {
    m_directory.release();
}

void frmContactGrid::setColumnWidths() {
    const auto& columns = ContactDirectory::gridColumns();
    for (int i = 0; i < int(columns.size()); ++i)
        m_grid->setColumnWidth(i, pixelsOf(columns[size_t(i)].twips, this));
    // The grid's own width, with room for its frame and the scroll bar.
    const int frame = 2 * m_grid->frameWidth() + m_grid->verticalScrollBar()->sizeHint().width();
    m_grid->setMinimumWidth(pixelsOf(ContactDirectory::kGridTwips, this) + frame);
}

void frmContactGrid::PopGrid(const ContactGridQuery& query) {
    ResultSet rows;
    // A failure leaves the grid as it was.
    if (!m_data.Trap(ContactDirectory::popGridSite(), [&] { rows = m_directory.PopGrid(query); }))
        return;
    m_model->setResult(rows, captions());
    setColumnWidths();
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, 0));
}

void frmContactGrid::select() {
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid())
        return;
    const QVariant id = m_model->cell(current.row(), 0);
    std::optional<ContactOwnerFields> fields;
    if (!m_data.Trap(ContactDirectory::selectSite(), [&] { fields = m_directory.ownerFields(id); }))
        return;
    if (!fields)
        return;
    m_chosen = fields;
    accept();
}

} // namespace qx
