#include "lines/UiLinesPanel.h"

#include "data/ResultTableModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qx {

QStringList UiLinesPanel::captions() {
    return {QStringLiteral("ID"),         QStringLiteral("Name"),     QStringLiteral("Type"),
            QStringLiteral("Qty"),        QStringLiteral("Unit"),     QStringLiteral("Cost"),
            QStringLiteral("Line Total"), QStringLiteral("Sub Total")};
}

UiLinesPanel::UiLinesPanel(QWidget* parent)
    : QWidget(parent) {
    m_model = new ResultTableModel(this);
    m_model->setMoneyColumns({5, 6, 7});
    m_model->setResult({}, captions());

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdDataGrid"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid->verticalHeader()->hide();

    // The line commands come to life with the cost database screens; until then they stay off.
    auto* buttons = new QVBoxLayout;
    const struct {
        const char* name;
        const char* caption;
    } commands[] = {{"cmdAddNewLine", "&Add Item"},
                    {"cmdEditLine", "Edit Line"},
                    {"cmdDeleteLine", "Delete Line"},
                    {"cmdChangeOrder", "Change Order"}};
    for (const auto& c : commands) {
        auto* button = new QPushButton(QLatin1String(c.caption), this);
        button->setObjectName(QLatin1String(c.name));
        button->setEnabled(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
}

} // namespace qx
