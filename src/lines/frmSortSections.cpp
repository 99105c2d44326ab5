#include "lines/frmSortSections.h"

#include "lines/LineTexts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

frmSortSections::frmSortSections(SectionOrder& order, QWidget* parent)
    : QDialog(parent)
    , m_order(order) {
    setObjectName(QStringLiteral("frmSortSections"));
    setWindowTitle(LineTexts::kSortTitle);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));

    m_frame = new QGroupBox(QStringLiteral("Enter Order"), this);
    m_frame->setObjectName(QStringLiteral("frList"));
    m_item = new QLabel(m_frame);
    m_item->setObjectName(QStringLiteral("lblItem"));
    m_places = new QComboBox(m_frame);
    m_places->setObjectName(QStringLiteral("Combo1"));
    auto* frameOkay = button(QStringLiteral("Okay"), QStringLiteral("cmdOkay"), m_frame);
    auto* frameCancel = button(QStringLiteral("Cancel"), QStringLiteral("cmdClose"), m_frame);
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(new QLabel(QStringLiteral("Item Order"), m_frame));
    frameLayout->addWidget(m_item);
    frameLayout->addWidget(m_places);
    auto* frameButtons = new QHBoxLayout;
    frameButtons->addWidget(frameOkay);
    frameButtons->addWidget(frameCancel);
    frameLayout->addLayout(frameButtons);
    frameLayout->addStretch();
    m_frame->hide();

    auto* commitButton = button(QStringLiteral("Commit Changes"), QStringLiteral("cmdCommit"), this);
    auto* cancelButton = button(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"), this);
    connect(m_list, &QListWidget::itemClicked, this, &frmSortSections::sectionClicked);
    connect(frameOkay, &QPushButton::clicked, this, &frmSortSections::okay);
    connect(frameCancel, &QPushButton::clicked, m_frame, &QGroupBox::hide);
    connect(commitButton, &QPushButton::clicked, this, &frmSortSections::commit);
    connect(cancelButton, &QPushButton::clicked, this, &frmSortSections::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(LineTexts::kSortHint, this));
    left->addWidget(m_list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(commitButton);
    buttons->addWidget(cancelButton);
    left->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(m_frame);
    setMinimumSize(460, 300);
    fillList();
}

void frmSortSections::fillList() {
    m_list->clear();
    for (const SortEntry& entry : m_order.entries()) {
        auto* item = new QListWidgetItem(entry.name, m_list);
        item->setData(Qt::UserRole, entry.key);
    }
}

void frmSortSections::sectionClicked() {
    QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    m_key = item->data(Qt::UserRole).toInt();
    m_position = m_list->row(item);
    m_item->setText(item->text());
    m_places->clear();
    m_places->addItems(m_order.orderChoices());
    m_places->setCurrentIndex(-1);
    m_frame->show();
}

void frmSortSections::okay() {
    if (m_places->currentIndex() < 0)
        return;
    m_order.swap(m_key, m_position, m_places->currentIndex());
    fillList();
    m_frame->hide();
}

void frmSortSections::commit() {
    m_order.commit();
    QDialog::accept();
}

void frmSortSections::reject() {
    m_order.cancel();
    QDialog::reject();
}

} // namespace qx
