#include "takeoff/frmLineal.h"

#include "widgets/UiDialogButtons.h"
#include "widgets/UiFieldCheck.h"
#include "widgets/UiFocusColour.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

frmLineal::frmLineal(DataAccess& data, double area, std::optional<std::pair<qint32, LinealItem>> editing,
                     QWidget* parent)
    : QDialog(parent)
    , m_data(data)
    , m_area(area) {
    setObjectName(QStringLiteral("frmLineal"));
    setWindowTitle(QStringLiteral("Lineal Items"));

    m_id = new QLineEdit(this);
    m_id->setObjectName(QStringLiteral("txtLineal_0"));
    m_id->setReadOnly(true);
    m_id->setFocusPolicy(Qt::NoFocus);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtLineal_1"));
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("cmbLineal"));
    for (const LinealTypeEntry& entry : linealTypes())
        m_type->addItem(entry.name, entry.code);
    m_type->setCurrentIndex(-1);
    m_length = new QLineEdit(this);
    m_length->setObjectName(QStringLiteral("txtLineal_2"));
    for (QLineEdit* box : {m_name, m_length})
        UiFocusColour::install(box);
    UiFieldCheck::installLength(m_name, data.prompter(), kLinealNameMax);
    UiFieldCheck::installMeasure(m_length, data.prompter());

    auto* form = new QFormLayout;
    auto* idLabel = new QLabel(QStringLiteral("ID:"), this);
    form->addRow(idLabel, m_id);
    form->addRow(new QLabel(QStringLiteral("Name:"), this), m_name);
    form->addRow(new QLabel(QStringLiteral("Type:"), this), m_type);
    form->addRow(new QLabel(QStringLiteral("Length:"), this), m_length);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(okayCancelRow(this, &frmLineal::okay));

    if (editing) {
        const auto& [id, item] = *editing;
        m_id->setText(QString::number(id));
        m_name->setText(item.name);
        m_type->setCurrentIndex(m_type->findData(item.type));
        m_length->setText(QString::number(item.length));
    }
    idLabel->setVisible(editing.has_value());
    m_id->setVisible(editing.has_value());
    setFixedWidth(320);
}

QWidget* frmLineal::fieldWidget(LinealField field) const {
    switch (field) {
    case LinealField::Name:
        return m_name;
    case LinealField::Type:
        return m_type;
    case LinealField::Length:
        break;
    }
    return m_length;
}

void frmLineal::okay() {
    // Okay judges the boxes itself, in its own order, so leaving a box for it adds no second message.
    UiFieldCheck::takeOver(m_name);
    UiFieldCheck::takeOver(m_length);
    std::optional<std::int32_t> type;
    if (m_type->currentIndex() >= 0)
        type = m_type->currentData().toInt();
    const LinealCheck check =
        okayLinealItem(m_data.prompter(), {m_name->text(), type, m_length->text()}, m_area, m_room);
    if (!check.ok()) {
        QWidget* field = fieldWidget(check.focus);
        if (auto* box = qobject_cast<QLineEdit*>(field); box && check.resetText)
            box->setText(*check.resetText);
        field->setFocus();
        return;
    }
    m_result = check.item;
    accept();
}

} // namespace qx
