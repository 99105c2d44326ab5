#pragma once

#include "contacts/ContactDirectory.h"

#include <QDialog>

class QComboBox;
class QTableView;

namespace qx {

class ResultTableModel;

// The contact directory ("Contacts from Kontavi"): the other program's contacts with a letter, a type
// and a company filter; "Select" hands the current contact to the owner panel and closes.
class frmContactGrid : public QDialog {
    Q_OBJECT
public:
    frmContactGrid(DataAccess& data, const Conn& contacts, QWidget* parent = nullptr);
    ~frmContactGrid() override;

    // The chosen contact's owner fields, once "Select" found one.
    const std::optional<ContactOwnerFields>& chosen() const { return m_chosen; }

private:
    QComboBox* addList(const QString& name, const QStringList& entries);
    void PopGrid(const ContactGridQuery& query);
    void setColumnWidths();
    void select();

    DataAccess& m_data;
    ContactDirectory m_directory;
    QComboBox* m_letter;
    QComboBox* m_type;
    QComboBox* m_companies;
    QTableView* m_grid;
    ResultTableModel* m_model;
    std::optional<ContactOwnerFields> m_chosen;
};

} // namespace qx
