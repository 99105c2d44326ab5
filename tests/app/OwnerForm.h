#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace qxtest {

// Fills the owner panel of a main window as a user would before Start: a complete owner, last name
// `last`, estimate type `type`.
inline void fillOwner(const QWidget* window, const QString& last = "Smith", const QString& type = "Garage") {
    const QStringList values{"John", last, "12 Elm St", "Anytown, MT 54321", "406/555-1234"};
    for (int i = 0; i < values.size(); ++i)
        window->findChild<QLineEdit*>(QString("txtName_%1").arg(i))->setText(values.at(i));
    window->findChild<QComboBox*>("cmbEstType")->setEditText(type);
}

} // namespace qxtest
