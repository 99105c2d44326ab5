#include "office/UiOfficeTab.h"

#include "data/InputRules.h"
#include "office/OfficeEngine.h"
#include "widgets/UiControls.h"
#include "widgets/UiFieldCheck.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>

namespace qx {

namespace {

const QString kPasswordKept = QStringLiteral("(saved)");

} // namespace

UiOfficeTab::UiOfficeTab(SettingsStore& store, Prompter& prompter, std::unique_ptr<PasswordVault> vault,
                         ProgramFolder folder, QWidget* parent)
    : QWidget(parent)
    , m_store(store)
    , m_prompter(prompter)
    , m_vault(std::move(vault))
    , m_switch(store, *m_vault, prompter, std::move(folder)) {
    setObjectName(QStringLiteral("tabOffice"));
    m_local = new QRadioButton(QStringLiteral("This PC only"), this);
    m_local->setObjectName(QStringLiteral("optLocal"));
    m_office = new QRadioButton(QStringLiteral("Office server"), this);
    m_office->setObjectName(QStringLiteral("optOffice"));

    m_host = focusBox(QStringLiteral("txtOfficeHost"), this);
    m_port = focusBox(QStringLiteral("txtOfficePort"), this);
    m_port->setMaximumWidth(80);
    m_database = focusBox(QStringLiteral("txtOfficeDatabase"), this);
    m_user = focusBox(QStringLiteral("txtOfficeUser"), this);
    m_password = focusBox(QStringLiteral("txtOfficePassword"), this);
    m_password->setEchoMode(QLineEdit::Password);
    m_tls = new QCheckBox(QStringLiteral("Require an encrypted connection"), this);
    m_tls->setObjectName(QStringLiteral("chkOfficeTls"));
    m_vaultText = plainLabel(m_vault->placeText(), this);
    m_vaultText->setObjectName(QStringLiteral("lblOfficeVault"));
    m_vaultText->setWordWrap(true);
    UiFieldCheck::install(m_host, m_prompter, OfficeSettings::whenLeft(&OfficeSettings::checkHost),
                          QString());
    UiFieldCheck::install(m_port, m_prompter, &OfficeSettings::checkPort,
                          QString::number(OfficeSettings::kDefaultPort));
    UiFieldCheck::install(m_database, m_prompter, OfficeSettings::whenLeft(&OfficeSettings::checkName),
                          QString());
    UiFieldCheck::install(m_user, m_prompter, OfficeSettings::whenLeft(&OfficeSettings::checkName),
                          QString());
    UiFieldCheck::install(m_password, m_prompter, &checkPassword, QString());

    auto* test = namedButton(QStringLiteral("cmdOfficeTest"), QStringLiteral("Test Connection"), this);
    auto* saveButton = namedButton(QStringLiteral("cmdOfficeSave"), QStringLiteral("Save"), this);
    auto* moveButton = namedButton(QStringLiteral("cmdOfficeMove"),
                                   QStringLiteral("Move This PC's Work to the Server"), this);
    auto* useButton = namedButton(QStringLiteral("cmdOfficeUse"), QStringLiteral("Use This Server"), this);
    connect(test, &QPushButton::clicked, this, &UiOfficeTab::test);
    connect(moveButton, &QPushButton::clicked, this, &UiOfficeTab::move);
    connect(useButton, &QPushButton::clicked, this, &UiOfficeTab::use);
    connect(saveButton, &QPushButton::clicked, this, &UiOfficeTab::save);

    auto* form = new QFormLayout;
    form->addRow(plainLabel(QStringLiteral("Server:"), this), m_host);
    form->addRow(plainLabel(QStringLiteral("Port:"), this), m_port);
    form->addRow(plainLabel(QStringLiteral("Database:"), this), m_database);
    form->addRow(plainLabel(QStringLiteral("User:"), this), m_user);
    form->addRow(plainLabel(QStringLiteral("Password:"), this), m_password);
    form->addRow(QString(), m_tls);
    auto* serverButtons = new QHBoxLayout;
    serverButtons->addWidget(moveButton);
    serverButtons->addWidget(useButton);
    serverButtons->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(test);
    buttons->addStretch();
    buttons->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plainLabel(QStringLiteral("Where this PC keeps its work:"), this));
    layout->addWidget(m_local);
    layout->addWidget(m_office);
    layout->addLayout(form);
    layout->addWidget(m_vaultText);
    layout->addLayout(serverButtons);
    layout->addStretch();
    layout->addLayout(buttons);
    load();
}

UiOfficeTab::~UiOfficeTab() = default;

void UiOfficeTab::setSwitchStorage(OfficeSwitch::SwitchStorage switchStorage,
                                   OfficeSwitch::SwitchBlocked blocked) {
    m_switch.switchStorage = std::move(switchStorage);
    m_switch.switchBlocked = std::move(blocked);
}

void UiOfficeTab::load() {
    const OfficeSettings settings = OfficeSettings::load(m_store);
    (settings.onServer ? m_office : m_local)->setChecked(true);
    m_host->setText(settings.host);
    m_port->setText(QString::number(settings.port));
    m_database->setText(settings.database);
    m_user->setText(settings.user);
    m_tls->setChecked(settings.requireTls);
    m_password->clear();
    showPasswordKept(!settings.host.isEmpty() && !m_vault->read(settings.host, settings.user).isEmpty());
}

void UiOfficeTab::showPasswordKept(bool kept) {
    m_password->setPlaceholderText(kept ? kPasswordKept : QString());
}

OfficeSettings::Typed UiOfficeTab::typed() const {
    return {m_host->text(), m_port->text(), m_database->text(), m_user->text(), m_password->text()};
}

std::optional<OfficeSettings> UiOfficeTab::checked() {
    const OfficeSettings::Typed values = typed();
    if (const auto refusal = OfficeSettings::check(values)) {
        QLineEdit* boxes[] = {m_host, m_port, m_database, m_user, m_password};
        QLineEdit* box = boxes[int(refusal->field)];
        UiFieldCheck::takeOver(box);
        m_prompter.inform(kAppTitle, refusal->message);
        box->setFocus();
        box->selectAll();
        return std::nullopt;
    }
    return OfficeSettings::from(values, m_office->isChecked(), m_tls->isChecked());
}

void UiOfficeTab::test() {
    const auto settings = checked();
    if (!settings)
        return;
    // A password typed now is tried before it is saved; otherwise the kept one.
    m_prompter.inform(
        kAppTitle, testOfficeConnection(settings->server(m_switch.password(*settings, m_password->text()))));
}

void UiOfficeTab::move() {
    const auto settings = checked();
    if (!settings)
        return;
    // Shown once the copy begins (after the question), closed when it ends or is cancelled.
    std::unique_ptr<QProgressDialog> progress;
    const auto step = [&progress, this](int done, int total, const QString& what) {
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancel"), 0, total, this);
            progress->setObjectName(QStringLiteral("dlgOfficeMove"));
            progress->setWindowTitle(kAppTitle);
            progress->setWindowModality(Qt::WindowModal);
            progress->setMinimumDuration(0);
        }
        if (!what.isEmpty())
            progress->setLabelText(what);
        progress->setValue(done);
        QCoreApplication::processEvents();
        return !progress->wasCanceled();
    };
    const bool moved = m_switch.move(*settings, m_password->text(), step);
    progress.reset();
    if (moved)
        load();
}

void UiOfficeTab::use() {
    const auto settings = checked();
    if (settings && m_switch.use(*settings, m_password->text()))
        load();
}

void UiOfficeTab::save() {
    const auto settings = checked();
    if (settings && m_switch.save(*settings, m_password->text()))
        load();
}

} // namespace qx
