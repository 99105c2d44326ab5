#pragma once

#include "data/OfficeServer.h"
#include "data/SettingsStore.h"

#include <functional>
#include <optional>

namespace qx {

// Where this PC keeps its work, as the setup screen's "Office" tab sets it: its own files ("This PC
// only", the default) or an office server. Kept in the settings store (section "Office"); the password
// is kept apart (see PasswordVault).
struct OfficeSettings {
    using UiCheck = std::function<std::optional<QString>(const QString&)>;

    static constexpr int kDefaultPort = 5432;
    static constexpr int kMaxHostLength = 255;
    // The server's limit for the names of databases and users.
    static constexpr int kMaxNameLength = 63;

    bool onServer = false;
    QString host;
    int port = kDefaultPort;
    QString database = QStringLiteral("quorvex");
    QString user;
    bool requireTls = false;

    bool operator==(const OfficeSettings&) const = default;

    // The stored settings; a setting never stored, or stored unreadable, has its default.
    static OfficeSettings load(const SettingsStore& store);
    void save(SettingsStore& store) const;

    // What the tab's boxes hold, as typed.
    struct Typed {
        QString host;
        QString port;
        QString database;
        QString user;
        QString password; // empty: the kept one is used
    };
    enum class Field { Host, Port, Database, User, Password };
    struct Refusal {
        QString message;
        Field field;
    };
    // The rules of the boxes, checked when a box is left and again before the settings are used: the
    // message, or nothing.
    static std::optional<QString> checkHost(const QString& host);
    static std::optional<QString> checkPort(const QString& port);
    static std::optional<QString> checkName(const QString& name);
    static std::optional<Refusal> check(const Typed& typed);
    // The rule as a box is left: a box may stay blank for now (Test Connection and Save ask for what is
    // missing), so a refused text that empties the box never holds the user in it.
    static UiCheck whenLeft(std::optional<QString> (*rule)(const QString&));
    // The typed values once check passed, without blanks at either end.
    static OfficeSettings from(const Typed& typed, bool onServer, bool requireTls);

    // The server these settings point at, signed in with `password`.
    OfficeServer server(const QString& password) const;
};

} // namespace qx
