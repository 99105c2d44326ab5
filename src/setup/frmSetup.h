#pragma once

#include "backup/BackupSettings.h"
#include "setup/CompanySetup.h"
#include "takeoff/WasteSettings.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qx {

class Prompter;
class UiOfficeTab;

// The setup screen ("Setup Maintance"): the company profile and its letterhead flags, edited behind Edit
// and kept by Save; the greeting flag and the default amounts and labour burdens, kept by "Save Changes".
class frmSetup : public QDialog {
    Q_OBJECT
public:
    // `programFolder`: the folder whose data/ and estimates/ a backup folder must stay out of.
    frmSetup(SettingsStore& store, Prompter& prompter, QWidget* parent = nullptr,
             const ProgramFolder& programFolder = ProgramFolder(ProgramFolder::ofExecutable()));

    // Read-only and out of the Tab order, with Save and Cancel off (true); editable (false).
    void lockCoFields(bool lock);
    // The "Office" tab, whose switch of the program's storage the screen's owner wires.
    UiOfficeTab* officeTab() const { return m_office; }

private:
    QWidget* buildCompanyTab();
    QWidget* buildValuesTab();
    QWidget* buildBackupFrame(QWidget* tab);
    QWidget* buildDocumentsFrame(QWidget* tab);
    QWidget* buildPricesFrame(QWidget* tab);
    QWidget* buildWasteFrame(QWidget* tab);
    void load();
    SetupValues shown() const;
    void edit();
    void saveCompany();
    void saveValues();

    SettingsStore& m_store;
    Prompter& m_prompter;
    ProgramFolder m_programFolder;
    QTabWidget* m_tabs;
    UiOfficeTab* m_office = nullptr;
    std::array<QLineEdit*, SetupValues::kCompanyFields> m_company{};
    std::array<QCheckBox*, SetupValues::kIncludeFlags> m_include{};
    QPushButton* m_edit = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QCheckBox* m_greet = nullptr;
    QComboBox* m_paper = nullptr;
    std::array<QRadioButton*, 4> m_percent{};
    std::array<QRadioButton*, 4> m_fixed{};
    std::array<QLineEdit*, 4> m_admin{};
    std::array<QLineEdit*, 4> m_labour{};
    QLineEdit* m_backupFolder = nullptr;
    QCheckBox* m_backupOnClose = nullptr;
    QLineEdit* m_backupKeep = nullptr;
    std::array<QLineEdit*, WasteSettings::kFields> m_waste{};
    QLineEdit* m_priceAge = nullptr;
};

} // namespace qx
