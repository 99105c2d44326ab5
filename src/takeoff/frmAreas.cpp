#include "takeoff/frmAreas.h"

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

frmAreas::frmAreas(Prompter& prompter, std::optional<std::pair<qint32, AreaMeasures>> editing,
                   QWidget* parent)
    : QDialog(parent)
    , m_prompter(prompter) {
    setObjectName(QStringLiteral("frmAreas"));
    setWindowTitle(QStringLiteral("Areas"));

    m_shape = new QComboBox(this);
    m_shape->setObjectName(QStringLiteral("cmbShape"));
    for (const ShapeEntry& entry : shapeEntries())
        m_shape->addItem(entry.name, entry.code);
    m_shape->setCurrentIndex(-1);

    const char* captions[4] = {"Area #:", "Width", "Bottom:", "Height:"};
    auto* form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("Shape"), this), m_shape);
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtAreas_%1").arg(i));
        m_boxes[size_t(i)] = box;
        m_labels[size_t(i)] = new QLabel(QLatin1String(captions[i]), this);
        m_labels[size_t(i)]->setObjectName(QStringLiteral("lblAreas_%1").arg(i));
        form->addRow(m_labels[size_t(i)], box);
        if (i == 0) {
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
        } else {
            UiFocusColour::install(box);
        }
    }

    connect(m_shape, &QComboBox::activated, this, [this] { showShape(chosenShape()); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(okayCancelRow(this, &frmAreas::okay));

    if (editing) {
        const auto& [id, area] = *editing;
        m_shape->setCurrentIndex(m_shape->findData(area.shape));
        m_boxes[0]->setText(QString::number(id));
        m_boxes[1]->setText(QString::number(area.width1));
        m_boxes[2]->setText(QString::number(area.width2));
        m_boxes[3]->setText(QString::number(area.height));
        showShape(area.shape);
    } else {
        showShape(std::nullopt);
    }
    setFixedWidth(300);
}

std::optional<std::int32_t> frmAreas::chosenShape() const {
    if (m_shape->currentIndex() < 0)
        return std::nullopt;
    return m_shape->currentData().toInt();
}

// Before a shape is chosen only the list and "Area #:" show ("Area #:" empty for a new area); a
// trapezoid also has a bottom, and its first width is its top.
void frmAreas::showShape(std::optional<std::int32_t> shape) {
    const bool trapezoid = shape && hasBottom(*shape);
    for (int i : {1, 3}) {
        m_boxes[size_t(i)]->setVisible(shape.has_value());
        m_labels[size_t(i)]->setVisible(shape.has_value());
    }
    m_boxes[2]->setVisible(trapezoid);
    m_labels[2]->setVisible(trapezoid);
    m_labels[1]->setText(trapezoid ? QStringLiteral("Top:") : QStringLiteral("Width"));
}

QWidget* frmAreas::fieldWidget(AreaField field) const {
    switch (field) {
    case AreaField::Shape:
        return m_shape;
    case AreaField::Width1:
        return m_boxes[1];
    case AreaField::Width2:
        return m_boxes[2];
    case AreaField::Height:
        break;
    }
    return m_boxes[3];
}

void frmAreas::okay() {
    const AreaInput input{chosenShape(), m_boxes[1]->text(), m_boxes[2]->text(), m_boxes[3]->text()};
    const AreaCheck check = okayArea(m_prompter, input, m_room);
    if (!check.ok()) {
        QWidget* field = fieldWidget(check.focus);
        if (auto* box = qobject_cast<QLineEdit*>(field); box && check.resetText)
            box->setText(*check.resetText);
        field->setFocus();
        return;
    }
    m_result = check.area;
    accept();
}

} // namespace qx
