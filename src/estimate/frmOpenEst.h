#pragma once

#include "estimate/OpenList.h"

#include <QDialog>
#include <array>

class QListWidget;
class QListWidgetItem;

namespace qx {

// "Open Existing": the estimate register by status in four lists on two tabs. Double-clicking an
// estimate's row chooses it and closes the dialog; "Cancel/Close" and the window frame choose nothing.
class frmOpenEst : public QDialog {
    Q_OBJECT
public:
    frmOpenEst(const EstLists& lists, QWidget* parent = nullptr);

    // The register id of the chosen estimate; 0 when the dialog was cancelled.
    qint32 chosenId() const { return m_chosen; }

private:
    QWidget* buildTab(EstList first, const QString& firstCaption, EstList second,
                      const QString& secondCaption, const EstLists& lists);
    QWidget* buildList(EstList which, const QString& caption, const QList<ListRow>& rows);
    void rowDoubleClicked(QListWidgetItem* item);

    qint32 m_chosen = 0;
};

} // namespace qx
