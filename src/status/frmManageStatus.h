#pragma once

#include "estimate/DuplicateEstimate.h"
#include "status/StatusEdit.h"
#include "status/StatusList.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace qx {

// The status board: the register's estimates listed by status, and the edit page for one estimate's
// date, validity length, type and status, its owner details, or its deletion.
class frmManageStatus : public QDialog {
    Q_OBJECT
public:
    frmManageStatus(AppContext& ctx, WorkState& state, QWidget* parent = nullptr);

    // Opens the board on the edit page of estimate `id` (the follow-up list of the Sales window); false
    // when it cannot be opened (the user was told why).
    bool editEstimate(qint64 id) { return PopForm(id); }

    // The caption of the chosen status option, or "" when none is chosen.
    QString EstStatusIs() const;

    // "Duplicate" closed the board: the estimate to make a new one from, and whether to reprice it.
    const std::optional<DuplicateRequest>& duplicateRequest() const { return m_duplicate; }

    void done(int result) override;

private:
    QWidget* buildListPage();
    QWidget* buildEditPage();
    void PopFilter();
    void PopList(const QString& filter);
    void lineDoubleClicked(QListWidgetItem* item);
    bool PopForm(qint64 id);
    void selectStatus(const QString& status);
    void updateStatus();
    void cancelUpdate();
    void deleteStatus();
    void editOwner();
    void duplicate();
    void exportEstimate();
    void importEstimate();
    // The sent revisions of the estimate on the edit page.
    QWidget* buildRevisionsFrame(QWidget* page);
    void PopRevisions();
    void openRevision();
    void compareRevisions();
    int chosenRevision() const;
    // Empties the edit page, refills the filters (and with them the list) and shows the list page.
    void backToList();
    void focusField(EditField field, bool clear);

    AppContext& m_ctx;
    WorkState& m_state;
    StatusList m_list;
    StatusEdit m_edit;
    QList<BoardLine> m_shownLines; // what the list shows, line for line
    qint32 m_shownId = 0;

    QStackedWidget* m_pages;
    QComboBox* m_filter = nullptr;
    QListWidget* m_lines = nullptr;
    QLabel* m_id = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_address = nullptr;
    QLineEdit* m_date = nullptr;
    QLineEdit* m_length = nullptr;
    QComboBox* m_type = nullptr;
    std::array<QRadioButton*, 4> m_options{};
    QCheckBox* m_reprice = nullptr;
    QListWidget* m_revisions = nullptr;
    std::optional<DuplicateRequest> m_duplicate;
};

} // namespace qx
