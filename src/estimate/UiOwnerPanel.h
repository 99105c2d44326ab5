#pragma once

#include "estimate/NewEstimate.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class Prompter;

// The "Home Owner" tab: the owner's name, address and phones, the estimate type and name, and the
// Start, Cancel and "Import from Kontavi" buttons.
class UiOwnerPanel : public QWidget {
    Q_OBJECT
public:
    UiOwnerPanel(Prompter& prompter, QWidget* parent = nullptr);

    OwnerInput input() const;
    void setTypes(const QStringList& types);
    // Empties every owner box, the name box and the type box's text (its list stays).
    void clearFields();
    void setEstimateName(const QString& name);
    // Shows a stored estimate's owner, type and name.
    void showOwner(const OwnerInput& owner);
    // Fills the seven owner boxes in order (an imported contact); the texts are kept whole, so Start
    // refuses one that is longer than its box.
    void setOwnerNames(const std::array<QString, 7>& names);
    // Read-only or editable; locking shows the locked heading and hides the help labels.
    void LockOwner(bool locked);
    void setHeading(const QString& text);
    void setStartCancelEnabled(bool enabled);
    void setImportEnabled(bool enabled);
    void focusField(OwnerField field, bool clear);

signals:
    void startClicked();
    void cancelClicked();
    void importClicked();

private:
    QLineEdit* addBox(const QString& name, int maxLength, Prompter& prompter);
    QWidget* fieldWidget(OwnerField field) const;

    std::array<QLineEdit*, 7> m_names{};
    QComboBox* m_type;
    QLineEdit* m_estName;
    QLabel* m_heading;
    QLabel* m_typeHelp;
    QLabel* m_nameHelp;
    QLabel* m_tabWarning;
    QPushButton* m_start;
    QPushButton* m_cancel;
    QPushButton* m_import;
};

} // namespace qx
