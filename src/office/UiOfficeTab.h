#pragma once

#include "data/Prompter.h"
#include "data/SettingsStore.h"
#include "office/OfficeSettings.h"
#include "office/OfficeSwitch.h"
#include "office/PasswordVault.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qx {

// The setup screen's tab "Office": where this PC keeps its work, the office server's address and
// sign-in, a test of the connection, the move of this PC's work to the server, the use of a server that
// holds an office's work, and Save. The password box never shows a saved password.
class UiOfficeTab : public QWidget {
    Q_OBJECT
public:
    // `folder`: the program folder whose work a move copies.
    UiOfficeTab(SettingsStore& store, Prompter& prompter, std::unique_ptr<PasswordVault> vault,
                ProgramFolder folder, QWidget* parent = nullptr);
    ~UiOfficeTab() override;

    // How the running program is put on a server or back on its own files, and why it cannot switch now
    // (see OfficeSwitch); unset, the tab only keeps the settings.
    void setSwitchStorage(OfficeSwitch::SwitchStorage switchStorage,
                          OfficeSwitch::SwitchBlocked blocked = {});

private:
    void load();
    OfficeSettings::Typed typed() const;
    // The settings as typed, or nothing when a box refuses them (its message shown, the focus on it).
    std::optional<OfficeSettings> checked();
    void test();
    void move();
    void use();
    void save();
    void showPasswordKept(bool kept);

    SettingsStore& m_store;
    Prompter& m_prompter;
    std::unique_ptr<PasswordVault> m_vault;
    OfficeSwitch m_switch;
    QRadioButton* m_local = nullptr;
    QRadioButton* m_office = nullptr;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_database = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QCheckBox* m_tls = nullptr;
    QLabel* m_vaultText = nullptr;
};

} // namespace qx
