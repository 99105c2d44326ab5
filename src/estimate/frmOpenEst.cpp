#include "estimate/frmOpenEst.h"

#include "widgets/UiFormWidgets.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qx {

frmOpenEst::frmOpenEst(const EstLists& lists, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmOpenEst"));
    setWindowTitle(QStringLiteral("Open Existing"));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabEstLists"));
    tabs->addTab(buildTab(EstList::Working, QStringLiteral("Working"), EstList::Pending,
                          QStringLiteral("Pending"), lists),
                 QStringLiteral("Working/Pending"));
    tabs->addTab(buildTab(EstList::Accepted, QStringLiteral("Accepted"), EstList::Rejected,
                          QStringLiteral("Rejected"), lists),
                 QStringLiteral("Accepted/Rejected"));

    auto* close = new QPushButton(QStringLiteral("Cancel/Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
}

QWidget* frmOpenEst::buildTab(EstList first, const QString& firstCaption, EstList second,
                              const QString& secondCaption, const EstLists& lists) {
    auto* tab = new QWidget;
    auto* row = new QHBoxLayout(tab);
    row->addWidget(buildList(first, firstCaption, lists[size_t(first)]));
    row->addWidget(buildList(second, secondCaption, lists[size_t(second)]));
    return tab;
}

QWidget* frmOpenEst::buildList(EstList which, const QString& caption, const QList<ListRow>& rows) {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(caption, column);
    heading->setObjectName(QStringLiteral("lblEstList_%1").arg(int(which)));
    auto* list = new QListWidget(column);
    list->setObjectName(QStringLiteral("lstEstList_%1").arg(int(which)));
    // The rows are columns padded with blanks: they line up only in a fixed-pitch font.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    list->setFont(fixed);
    QStringList texts;
    QList<qint64> ids;
    texts.reserve(rows.size());
    ids.reserve(rows.size());
    for (const ListRow& row : rows) {
        texts.append(row.text);
        ids.append(row.id);
    }
    fillKeyedList(list, texts, ids);
    // Wide enough for the longest row (53 characters) without a scroll bar.
    list->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(54, QLatin1Char('M'))));
    list->setMinimumHeight(320);
    connect(list, &QListWidget::itemDoubleClicked, this, &frmOpenEst::rowDoubleClicked);
    layout->addWidget(heading);
    layout->addWidget(list, 1);
    return column;
}

void frmOpenEst::rowDoubleClicked(QListWidgetItem* item) {
    const qint32 id = item->data(Qt::UserRole).toInt();
    // "None" and the blank separator rows open nothing.
    if (id <= 0)
        return;
    m_chosen = id;
    accept();
}

} // namespace qx
