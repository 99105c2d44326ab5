#include "order/frmOrder.h"

#include "data/ResultTableModel.h"
#include "docs/PaperSetup.h"
#include "docs/UiPrintJob.h"
#include "order/OrderTexts.h"
#include "widgets/UiDialogButtons.h"
#include "widgets/UiFormWidgets.h"

#include <QDate>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace qx {

frmOrder::frmOrder(AppContext& ctx, MaterialOrder& order, QWidget* parent)
    : QDialog(parent)
    , m_ctx(ctx)
    , m_order(order) {
    setObjectName(QStringLiteral("frmOrder"));
    setWindowTitle(kOrderTitle);
    m_model = new ResultTableModel(this);
    m_grid = resultGrid(QStringLiteral("dgOrder"), m_model, this);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(false);

    QHBoxLayout* buttons =
        buttonRow({commandButton(QStringLiteral("cmdSetQty"), QStringLiteral("Set Quantities"), this, this,
                                 &frmOrder::setQuantities),
                   commandButton(QStringLiteral("cmdOrderPrint"), QStringLiteral("Print"), this, this,
                                 &frmOrder::print),
                   commandButton(QStringLiteral("cmdOrderCsv"), QStringLiteral("Save as CSV"), this, this,
                                 &frmOrder::saveCsv)},
                  {commandButton(QStringLiteral("cmdOrderClose"), QStringLiteral("Close"), this, this,
                                 &frmOrder::accept)});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(760, 360);
    showOrder();
}

void frmOrder::showOrder() {
    ResultSet rows;
    for (const QStringList& row : m_order.gridRows())
        rows.rows << QVariantList(row.begin(), row.end());
    m_model->setResult(rows, MaterialOrder::captions());
    m_grid->resizeColumnsToContents();
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void frmOrder::setQuantities() {
    if (m_order.setQuantities()) {
        m_quantitiesSet = true;
        showOrder();
    }
}

void frmOrder::print() {
    QTextDocument sheet;
    sheet.setHtml(m_order.sheet(QDate::currentDate()));
    DocumentProperties properties;
    properties.paper = PaperSetup::pageSize(PaperSetup::load(m_ctx.settings));
    properties.title = kOrderTitle;
    printWithDialog(m_ctx.prompter, sheet, QTextCursor(&sheet), properties);
}

void frmOrder::saveCsv() {
    const QString path = m_ctx.prompter.chooseSaveFile(kSaveCsvTitle, kCsvFilter);
    if (!path.isEmpty())
        m_order.saveCsv(path);
}

} // namespace qx
