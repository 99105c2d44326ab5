#pragma once

#include "lines/Sections.h"

#include <QDialog>
#include <optional>

class QComboBox;

namespace qx {

// "Add Section": a name chosen from the remembered names or typed. Save makes the section (or finds the
// estimate's section of that name); Cancel, or closing the window, makes nothing.
class frmAddSection : public QDialog {
    Q_OBJECT
public:
    frmAddSection(Sections& sections, Prompter& prompter, QWidget* parent = nullptr);

    // The section to select in the picker once Save closed the dialog.
    const std::optional<Section>& result() const { return m_result; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void save();

    Sections& m_sections;
    Prompter& m_prompter;
    QComboBox* m_box;
    std::optional<Section> m_result;
};

} // namespace qx
