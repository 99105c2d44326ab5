#pragma once

#include "lines/SectionOrder.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;

namespace qx {

// "Edit Section Order": click a section, choose its new place in "Enter Order" and press Okay to swap
// it with the section there; Commit Changes writes the order, Cancel (or closing the window) drops it.
class frmSortSections : public QDialog {
    Q_OBJECT
public:
    // `order` has been opened (SectSort made) by the caller.
    frmSortSections(SectionOrder& order, QWidget* parent = nullptr);

    void reject() override;

private:
    void fillList();
    void sectionClicked();
    void okay();
    void commit();

    SectionOrder& m_order;
    QListWidget* m_list;
    QGroupBox* m_frame;
    QLabel* m_item;
    QComboBox* m_places;
    qint32 m_key = 0;
    int m_position = 0;
};

} // namespace qx
