#pragma once

#include "data/ProgramFolder.h"
#include "data/Prompter.h"
#include "data/SettingsStore.h"
#include "office/OfficeMove.h"
#include "office/OfficeSettings.h"
#include "office/PasswordVault.h"

#include <functional>
#include <optional>

namespace qx {

// Where this PC keeps its work, changed from the Office tab: its work moved to an office server, a server
// that holds an office's work taken into use, or the PC put back on its own files. The settings (and a
// password typed now) are kept only once the switch took effect.
class OfficeSwitch {
public:
    // Puts the running program on `server` (nothing: on this PC's own files). Returns why it cannot
    // (an estimate is open, ...), or nothing once it took effect.
    using SwitchStorage = std::function<std::optional<QString>(std::optional<OfficeServer>)>;

    OfficeSwitch(SettingsStore& store, PasswordVault& vault, Prompter& prompter, ProgramFolder folder);

    // Why the running program cannot switch now (an estimate is open, ...), or nothing.
    using SwitchBlocked = std::function<std::optional<QString>()>;

    // Set by whoever runs the program's storage; without them a switch only keeps the settings.
    SwitchStorage switchStorage;
    // Asked before a move: work saved to this PC's files after the move would never reach the server.
    SwitchBlocked switchBlocked;

    // The password to sign in with: the one typed now, else the kept one.
    QString password(const OfficeSettings& settings, const QString& typed) const;

    // "Move This PC's Work to the Server": refused while the program cannot switch; asks first, moves with
    // `progress`, reports, and puts this PC on the server. True when the PC now works on the server.
    bool move(OfficeSettings settings, const QString& typedPassword, const OfficeMove::Progress& progress);
    // "Use This Server": refused with the reason when the server holds no office's work.
    bool use(OfficeSettings settings, const QString& typedPassword);
    // Save: keeps the settings; choosing the other storage than the stored one switches as Use or as a
    // return to the PC's own files does. True when they were kept.
    bool save(OfficeSettings settings, const QString& typedPassword);

private:
    // The switch itself: a typed password kept, the program put on the settings' storage, the settings
    // kept. Why not, or nothing once it took effect.
    std::optional<QString> switchTo(const OfficeSettings& settings, const QString& typedPassword);
    std::optional<QString> keepPassword(const OfficeSettings& settings, const QString& typedPassword);
    void warn(const QString& text);

    SettingsStore& m_store;
    PasswordVault& m_vault;
    Prompter& m_prompter;
    ProgramFolder m_folder;
};

} // namespace qx
