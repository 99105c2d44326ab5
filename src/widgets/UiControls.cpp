#include "widgets/UiControls.h"

#include "widgets/UiFocusColour.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* namedButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLineEdit* focusBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    UiFocusColour::install(box);
    return box;
}

} // namespace qx
