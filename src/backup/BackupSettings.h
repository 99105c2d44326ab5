#pragma once

#include "data/ProgramFolder.h"
#include "data/SettingsStore.h"

#include <optional>

namespace qx {

// Where backups go and when they are made, kept in the settings store (section "Backup").
struct BackupSettings {
    static constexpr int kDefaultKeep = 10;
    static constexpr int kMaxKeep = 9999;
    static constexpr int kMaxFolderLength = 1000;

    QString folder;      // the backup folder
    bool onClose = true; // back up when the program closes
    int keep = kDefaultKeep;

    bool operator==(const BackupSettings&) const = default;

    // The user's documents folder + "/Quorvex backups".
    static QString defaultFolder();
    // The stored settings; a setting never stored, or stored unreadable, has its default.
    static BackupSettings load(const SettingsStore& store);

    // What the setup screen's boxes hold, as typed.
    struct Typed {
        QString folder;
        bool onClose = true;
        QString keep;
    };
    enum class Field { Folder, Keep };
    struct Refusal {
        QString message;
        Field field;
    };
    // The rules of the two boxes, checked when a box is left and again by "Save Changes": the message,
    // or nothing.
    static std::optional<QString> checkFolder(const QString& folder, const ProgramFolder& programFolder);
    static std::optional<QString> checkKeep(const QString& keep);
    // The folder must not be blank, is an absolute path of at most kMaxFolderLength characters and lies
    // outside the program folder's data/ and estimates/; the number kept is a whole number from 1 to
    // kMaxKeep. The first refusal, or nothing.
    static std::optional<Refusal> check(const Typed& typed, const ProgramFolder& programFolder);
    // The typed values once check passed: the folder without blanks at either end, the number as a
    // whole number.
    static BackupSettings from(const Typed& typed);
    // Writes the three settings.
    void save(SettingsStore& store) const;
};

} // namespace qx
