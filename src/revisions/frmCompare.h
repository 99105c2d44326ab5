#pragma once

#include "revisions/SentRevisions.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;

namespace qx {

// "Compare Revisions": two sides of an estimate (a revision or "Now") and their lines side by side,
// with the change of the estimate total.
class frmCompare : public QDialog {
    Q_OBJECT
public:
    // Starts with revision `first` against "Now" (the newest revision when `first` is 0).
    frmCompare(AppContext& ctx, qint32 estimateId, int first, QWidget* parent = nullptr);

private:
    void showComparison();

    SentRevisions m_revisions;
    qint32 m_id;
    QComboBox* m_before;
    QComboBox* m_after;
    QTableWidget* m_grid;
    QLabel* m_total;
};

} // namespace qx
