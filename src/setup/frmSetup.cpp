#include "setup/frmSetup.h"

#include "costs/PriceAge.h"
#include "data/Prompter.h"
#include "docs/PaperSetup.h"
#include "office/UiOfficeTab.h"
#include "setup/SetupTexts.h"
#include "widgets/UiControls.h"
#include "widgets/UiFieldCheck.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qx {

frmSetup::frmSetup(SettingsStore& store, Prompter& prompter, QWidget* parent,
                   const ProgramFolder& programFolder)
    : QDialog(parent)
    , m_store(store)
    , m_prompter(prompter)
    , m_programFolder(programFolder) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("Setup Maintance"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabSetup"));
    m_tabs->addTab(buildCompanyTab(), QStringLiteral("Company Info"));
    m_tabs->addTab(buildValuesTab(), QStringLiteral("Default Values"));
    m_office = new UiOfficeTab(store, prompter, std::make_unique<PasswordVault>(store.configRoot()),
                               m_programFolder, this);
    m_tabs->addTab(m_office, QStringLiteral("Office"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    load();
}

QWidget* frmSetup::buildCompanyTab() {
    auto* tab = new QWidget(this);
    for (int i = 0; i < SetupValues::kCompanyFields; ++i)
        m_company[size_t(i)] = focusBox(QStringLiteral("txtCoInfo_%1").arg(i), tab);
    const char* flagNames[SetupValues::kIncludeFlags] = {"ckbCoName",  "ckbCoAddress", "ckbCoCity",
                                                         "ckbCoPh",    "ckbCoFax",     "ckbCoCell",
                                                         "ckbCoEmail", "ckbCoWeb",     "ckbLetterHead"};
    for (int i = 0; i < SetupValues::kIncludeFlags; ++i) {
        m_include[size_t(i)] = new QCheckBox(tab);
        m_include[size_t(i)]->setObjectName(QLatin1String(flagNames[i]));
    }
    QCheckBox* letterHead = m_include.back();
    letterHead->setText(
        QStringLiteral("Assume stationery - if checked company info above will not be printed "
                       "on reminder and estimates."));

    // One row per letterhead line: its caption, its box or boxes, and its include flag.
    auto* grid = new QGridLayout;
    grid->addWidget(plainLabel(QStringLiteral("Check to include in letterhead"), tab), 0, 5, Qt::AlignCenter);
    auto addRow = [&](int row, const QString& text, std::initializer_list<int> boxes, int flag) {
        grid->addWidget(plainLabel(text, tab), row, 0, Qt::AlignRight);
        int column = 1;
        for (int index : boxes) {
            const int span = boxes.size() == 1 ? 4 : (column == 1 ? 2 : 1);
            grid->addWidget(m_company[size_t(index)], row, column, 1, span);
            column += span;
        }
        grid->addWidget(m_include[size_t(flag)], row, 5, Qt::AlignCenter);
    };
    addRow(1, QStringLiteral("Name:"), {0}, 0);
    addRow(2, QStringLiteral("Address"), {1}, 1);
    addRow(3, QStringLiteral("City, ST Zip:"), {2, 3, 4}, 2);
    addRow(4, QStringLiteral("Phone:"), {5}, 3);
    addRow(5, QStringLiteral("Fax:"), {6}, 4);
    addRow(6, QStringLiteral("Cell:"), {7}, 5);
    addRow(7, QStringLiteral("Email:"), {8}, 6);
    addRow(8, QStringLiteral("Website:"), {9}, 7);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(4, 2);
    grid->setColumnMinimumWidth(1, 200);

    m_edit = namedButton(QStringLiteral("cmdCoEdit"), QStringLiteral("Edit"), tab);
    m_save = namedButton(QStringLiteral("cmdCoSave"), QStringLiteral("Save"), tab);
    m_cancel = namedButton(QStringLiteral("cmdCoCancel"), QStringLiteral("Cancel"), tab);
    connect(m_edit, &QPushButton::clicked, this, &frmSetup::edit);
    connect(m_save, &QPushButton::clicked, this, &frmSetup::saveCompany);
    connect(m_cancel, &QPushButton::clicked, this, &frmSetup::load);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_edit);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(letterHead);
    layout->addStretch();
    layout->addLayout(buttons);

    for (int i = 0; i + 1 < SetupValues::kCompanyFields; ++i)
        setTabOrder(m_company[size_t(i)], m_company[size_t(i + 1)]);
    return tab;
}

QWidget* frmSetup::buildValuesTab() {
    auto* tab = new QWidget(this);
    m_greet = new QCheckBox(QStringLiteral("Show greet screen on startup"), tab);
    m_greet->setObjectName(QStringLiteral("chkShowGreet"));
    auto* startup = new QHBoxLayout;
    startup->addWidget(plainLabel(QStringLiteral("On Startup:"), tab));
    startup->addWidget(m_greet);
    startup->addStretch();

    // One frame per administrative amount: its kind and its number, checked as it is left.
    const QString frames[4] = {QStringLiteral("Overhead"), QStringLiteral("Profit"),
                               QStringLiteral("Contingency"), QStringLiteral("Management")};
    auto* amounts = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* frame = new QGroupBox(frames[i], tab);
        frame->setObjectName(QStringLiteral("frAdmin_%1").arg(i));
        m_percent[size_t(i)] = new QRadioButton(QStringLiteral("%"), frame);
        m_percent[size_t(i)]->setObjectName(QStringLiteral("optPerc_%1").arg(i));
        m_fixed[size_t(i)] = new QRadioButton(QStringLiteral("Fixed"), frame);
        m_fixed[size_t(i)]->setObjectName(QStringLiteral("optFixed_%1").arg(i));
        m_admin[size_t(i)] = focusBox(QStringLiteral("txtAdmin_%1").arg(i), frame);
        auto* group = new QButtonGroup(frame);
        group->addButton(m_percent[size_t(i)]);
        group->addButton(m_fixed[size_t(i)]);
        auto* box = new QVBoxLayout(frame);
        box->addWidget(m_percent[size_t(i)]);
        box->addWidget(m_fixed[size_t(i)]);
        box->addWidget(m_admin[size_t(i)]);
        amounts->addWidget(frame);
        UiFieldCheck::install(
            m_admin[size_t(i)], m_prompter,
            [this, i](const QString& text) {
                return CompanySetup::checkAdmin({m_percent[size_t(i)]->isChecked(), text});
            },
            QStringLiteral("0"));
    }

    auto* burdens = new QGridLayout;
    const QString heads[4] = {QStringLiteral("Work Comp"), QStringLiteral("Employer taxes"),
                              QStringLiteral("Misc Cost"), QStringLiteral("Fringe")};
    for (int i = 0; i < 4; ++i) {
        m_labour[size_t(i)] = focusBox(QStringLiteral("txtEmp_%1").arg(i), tab);
        burdens->addWidget(plainLabel(heads[i], tab), 0, i);
        burdens->addWidget(m_labour[size_t(i)], 1, i);
        UiFieldCheck::install(m_labour[size_t(i)], m_prompter, &CompanySetup::checkLabour,
                              QStringLiteral("0"));
    }

    auto* documentsAndPrices = new QHBoxLayout;
    documentsAndPrices->addWidget(buildDocumentsFrame(tab));
    documentsAndPrices->addWidget(buildPricesFrame(tab), 1);

    auto* saveValues = namedButton(QStringLiteral("cmdSaveValues"), QStringLiteral("Save Changes"), tab);
    connect(saveValues, &QPushButton::clicked, this, &frmSetup::saveValues);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveValues);

    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(startup);
    layout->addSpacing(10);
    layout->addWidget(plainLabel(QStringLiteral("Estimate Screen:"), tab));
    layout->addWidget(plainLabel(QStringLiteral("Default Admin Amounts"), tab));
    layout->addLayout(amounts);
    layout->addSpacing(10);
    layout->addWidget(plainLabel(QStringLiteral("Labor Screen:"), tab));
    layout->addWidget(plainLabel(QStringLiteral("Default Labor Overhead Percentages"), tab));
    layout->addLayout(burdens);
    layout->addSpacing(10);
    layout->addLayout(documentsAndPrices);
    layout->addWidget(buildWasteFrame(tab));
    layout->addWidget(buildBackupFrame(tab));
    layout->addStretch();
    layout->addLayout(buttons);
    return tab;
}

// The paper of every printed document and PDF.
QWidget* frmSetup::buildDocumentsFrame(QWidget* tab) {
    auto* frame = new QGroupBox(SetupTexts::kDocumentsFrame, tab);
    frame->setObjectName(QStringLiteral("frDocuments"));
    m_paper = new QComboBox(frame);
    m_paper->setObjectName(QStringLiteral("cmbPaperSize"));
    m_paper->addItems(PaperSetup::names());
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(plainLabel(QStringLiteral("Paper size:"), frame));
    layout->addWidget(m_paper);
    return frame;
}

// The age from which the Line Items tab and the save warn about a line's price.
QWidget* frmSetup::buildPricesFrame(QWidget* tab) {
    auto* frame = new QGroupBox(SetupTexts::kPricesFrame, tab);
    frame->setObjectName(QStringLiteral("frPrices"));
    m_priceAge = focusBox(QStringLiteral("txtPriceAge"), frame);
    m_priceAge->setMaximumWidth(80);
    UiFieldCheck::install(m_priceAge, m_prompter, &PriceAge::problem, QStringLiteral("0"));
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(plainLabel(PriceAge::kLabel, frame));
    layout->addWidget(m_priceAge);
    layout->addStretch();
    return frame;
}

// The three values a traced roof's cut waste is figured from, under a line that says how.
QWidget* frmSetup::buildWasteFrame(QWidget* tab) {
    auto* frame = new QGroupBox(SetupTexts::kCutWasteFrame, tab);
    frame->setObjectName(QStringLiteral("frCutWaste"));
    const struct {
        const char* name;
        const char* label;
    } boxes[WasteSettings::kFields] = {{"txtWasteBase", "Base waste %"},
                                       {"txtWasteHipValley", "Sq ft per ft of hip and valley"},
                                       {"txtWasteRake", "Sq ft per ft of rake"}};
    auto* layout = new QGridLayout(frame);
    QLabel* note = plainLabel(SetupTexts::kCutWasteNote, frame);
    note->setObjectName(QStringLiteral("lblCutWasteNote"));
    layout->addWidget(note, 0, 0, 1, WasteSettings::kFields);
    for (int i = 0; i < WasteSettings::kFields; ++i) {
        m_waste[size_t(i)] = focusBox(QLatin1String(boxes[i].name), frame);
        layout->addWidget(plainLabel(QLatin1String(boxes[i].label), frame), 1, i);
        layout->addWidget(m_waste[size_t(i)], 2, i);
        UiFieldCheck::install(m_waste[size_t(i)], m_prompter, &WasteSettings::checkValue,
                              QStringLiteral("0"));
    }
    return frame;
}

// Where backups go and whether the program backs up when it closes, kept by "Save Changes".
QWidget* frmSetup::buildBackupFrame(QWidget* tab) {
    auto* frame = new QGroupBox(QStringLiteral("Backups"), tab);
    frame->setObjectName(QStringLiteral("frBackup"));
    m_backupFolder = focusBox(QStringLiteral("txtBackupFolder"), frame);
    m_backupOnClose = new QCheckBox(QStringLiteral("Back up when the program closes"), frame);
    m_backupOnClose->setObjectName(QStringLiteral("chkBackupOnClose"));
    m_backupKeep = focusBox(QStringLiteral("txtBackupKeep"), frame);
    m_backupKeep->setMaximumWidth(60);
    UiFieldCheck::install(
        m_backupFolder, m_prompter,
        [this](const QString& folder) { return BackupSettings::checkFolder(folder, m_programFolder); },
        QString());
    UiFieldCheck::install(m_backupKeep, m_prompter, &BackupSettings::checkKeep,
                          QString::number(BackupSettings::kDefaultKeep));

    auto* keepRow = new QHBoxLayout;
    keepRow->addWidget(m_backupOnClose);
    keepRow->addSpacing(12);
    keepRow->addWidget(plainLabel(QStringLiteral("keep the last"), frame));
    keepRow->addWidget(m_backupKeep);
    keepRow->addWidget(plainLabel(QStringLiteral("backups"), frame));
    keepRow->addStretch();
    auto* layout = new QGridLayout(frame);
    layout->addWidget(plainLabel(QStringLiteral("Backup folder:"), frame), 0, 0);
    layout->addWidget(m_backupFolder, 0, 1);
    layout->addLayout(keepRow, 1, 0, 1, 2);
    return frame;
}

void frmSetup::lockCoFields(bool lock) {
    for (QLineEdit* box : m_company) {
        box->setReadOnly(lock);
        box->setFocusPolicy(lock ? Qt::NoFocus : Qt::StrongFocus);
    }
    for (QCheckBox* flag : m_include)
        flag->setEnabled(!lock);
    m_edit->setEnabled(lock);
    m_save->setEnabled(!lock);
    m_cancel->setEnabled(!lock);
}

void frmSetup::load() {
    const SetupValues values = CompanySetup::load(m_store);
    for (size_t i = 0; i < m_company.size(); ++i)
        m_company[i]->setText(values.company[i]);
    m_greet->setChecked(values.showGreet);
    m_paper->setCurrentIndex(int(PaperSetup::load(m_store)));
    for (size_t i = 0; i < 4; ++i) {
        (values.admin[i].percent ? m_percent[i] : m_fixed[i])->setChecked(true);
        m_admin[i]->setText(values.admin[i].amount);
        m_labour[i]->setText(values.labour[i]);
    }
    for (size_t i = 0; i < m_include.size(); ++i)
        m_include[i]->setChecked(values.include[i]);
    const BackupSettings backup = BackupSettings::load(m_store);
    m_backupFolder->setText(QDir::toNativeSeparators(backup.folder));
    m_backupOnClose->setChecked(backup.onClose);
    m_backupKeep->setText(QString::number(backup.keep));
    const WasteSettings::Typed waste = WasteSettings::load(m_store).typed();
    for (size_t i = 0; i < m_waste.size(); ++i)
        m_waste[i]->setText(waste[i]);
    m_priceAge->setText(QString::number(PriceAge::days(m_store)));
    lockCoFields(true);
    m_tabs->setCurrentIndex(0);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().topLeft());
}

SetupValues frmSetup::shown() const {
    SetupValues values;
    for (size_t i = 0; i < m_company.size(); ++i)
        values.company[i] = m_company[i]->text();
    for (size_t i = 0; i < m_include.size(); ++i)
        values.include[i] = m_include[i]->isChecked();
    values.showGreet = m_greet->isChecked();
    for (size_t i = 0; i < 4; ++i) {
        values.admin[i] = {m_percent[i]->isChecked(), m_admin[i]->text()};
        values.labour[i] = m_labour[i]->text();
    }
    return values;
}

void frmSetup::edit() {
    lockCoFields(false);
    m_company[0]->setFocus();
}

void frmSetup::saveCompany() {
    CompanySetup::saveCompany(m_store, shown());
    lockCoFields(true);
}

void frmSetup::saveValues() {
    const SetupValues values = shown();
    const BackupSettings::Typed backup{m_backupFolder->text(), m_backupOnClose->isChecked(),
                                       m_backupKeep->text()};
    auto refuse = [this](const QString& message, QLineEdit* box) {
        m_prompter.inform(kAppTitle, message);
        box->setFocus();
        box->selectAll();
    };
    if (const auto refusal = CompanySetup::checkValues(values))
        return refuse(refusal->message,
                      refusal->box < 4 ? m_admin[size_t(refusal->box)] : m_labour[size_t(refusal->box - 4)]);
    if (const auto problem = PriceAge::problem(m_priceAge->text()))
        return refuse(*problem, m_priceAge);
    if (const auto refusal = BackupSettings::check(backup, m_programFolder))
        return refuse(refusal->message,
                      refusal->field == BackupSettings::Field::Folder ? m_backupFolder : m_backupKeep);
    WasteSettings::Typed waste;
    for (size_t i = 0; i < m_waste.size(); ++i)
        waste[i] = m_waste[i]->text();
    if (const auto refusal = WasteSettings::check(waste))
        return refuse(refusal->message, m_waste[size_t(refusal->field)]);
    CompanySetup::saveValues(m_store, values);
    BackupSettings::from(backup).save(m_store);
    WasteSettings::from(waste).save(m_store);
    PaperSetup::save(m_store, Paper(m_paper->currentIndex()));
    PriceAge::save(m_store, m_priceAge->text());
    accept();
}

} // namespace qx
