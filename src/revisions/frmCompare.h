#pragma once

#include "revisions/SentRevisions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace qx {

// "Compare Revisions": two sides of an estimate (a revision or "Now") and their lines side by side,
// with the change of the estimate total. Changed, added and removed lines stand out by their colour
// and their word; "Show changes only" hides the lines that stayed the same.
class frmCompare : public QDialog {
    Q_OBJECT
public:
    // Starts with revision `first` against "Now" (the newest revision when `first` is 0).
    frmCompare(AppContext& ctx, qint32 estimateId, int first, QWidget* parent = nullptr);

private:
    void showComparison();
    void showRows();

    SentRevisions m_revisions;
    qint32 m_id;
    QComboBox* m_before;
    QComboBox* m_after;
    QCheckBox* m_changesOnly;
    QTableWidget* m_grid;
    QLabel* m_total;
    std::optional<Comparison> m_comparison;
};

} // namespace qx
