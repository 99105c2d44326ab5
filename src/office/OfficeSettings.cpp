#include "office/OfficeSettings.h"

#include "data/InputRules.h"

namespace qx {

namespace {

const QString kSection = QStringLiteral("Office");
const QString kModeKey = QStringLiteral("Mode");
const QString kHostKey = QStringLiteral("Host");
const QString kPortKey = QStringLiteral("Port");
const QString kDatabaseKey = QStringLiteral("Database");
const QString kUserKey = QStringLiteral("User");
const QString kTlsKey = QStringLiteral("RequireTls");
const QString kServerMode = QStringLiteral("server");

} // namespace

OfficeSettings OfficeSettings::load(const SettingsStore& store) {
    OfficeSettings settings;
    auto read = [&store](const QString& key) { return store.read(kAppName, kSection, key); };
    settings.onServer = read(kModeKey) == kServerMode;
    settings.host = read(kHostKey);
    if (!checkPort(read(kPortKey)))
        settings.port = readMeasure(read(kPortKey)).whole;
    if (!checkName(read(kDatabaseKey)))
        settings.database = trimBlanks(read(kDatabaseKey));
    settings.user = read(kUserKey);
    settings.requireTls = read(kTlsKey) == QLatin1String("1");
    return settings;
}

void OfficeSettings::save(SettingsStore& store) const {
    store.write(kAppName, kSection, kModeKey, onServer ? kServerMode : QStringLiteral("local"));
    store.write(kAppName, kSection, kHostKey, host);
    store.write(kAppName, kSection, kPortKey, QString::number(port));
    store.write(kAppName, kSection, kDatabaseKey, database);
    store.write(kAppName, kSection, kUserKey, user);
    store.write(kAppName, kSection, kTlsKey, requireTls ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<QString> OfficeSettings::checkHost(const QString& host) {
    if (auto message = checkRequired(host, kMaxHostLength, QStringLiteral("Enter the office server's name.")))
        return message;
    if (holdsBlank(trimBlanks(host)))
        return QStringLiteral("The office server's name cannot hold spaces or invisible characters.");
    return std::nullopt;
}

std::optional<QString> OfficeSettings::checkPort(const QString& port) {
    const Measure number = readMeasure(port);
    if (!number.ok())
        return number.problem;
    if (number.value != double(number.whole) || number.whole < 1 || number.whole > 65535)
        return QStringLiteral("This field must be a whole number between 1 and 65535.");
    return std::nullopt;
}

std::optional<QString> OfficeSettings::checkName(const QString& name) {
    return checkRequired(name, kMaxNameLength, QStringLiteral("This field cannot be empty."));
}

OfficeSettings::UiCheck OfficeSettings::whenLeft(std::optional<QString> (*rule)(const QString&)) {
    return [rule](const QString& text) -> std::optional<QString> {
        if (isBlank(text))
            return std::nullopt;
        return rule(text);
    };
}

std::optional<OfficeSettings::Refusal> OfficeSettings::check(const Typed& typed) {
    if (auto message = checkHost(typed.host))
        return Refusal{*message, Field::Host};
    if (auto message = checkPort(typed.port))
        return Refusal{*message, Field::Port};
    if (auto message = checkName(typed.database))
        return Refusal{*message, Field::Database};
    if (auto message = checkName(typed.user))
        return Refusal{*message, Field::User};
    if (auto message = checkPassword(typed.password))
        return Refusal{*message, Field::Password};
    return std::nullopt;
}

OfficeSettings OfficeSettings::from(const Typed& typed, bool onServer, bool requireTls) {
    return {onServer,
            trimBlanks(typed.host),
            readMeasure(typed.port).whole,
            trimBlanks(typed.database),
            trimBlanks(typed.user),
            requireTls};
}

OfficeServer OfficeSettings::server(const QString& password) const {
    return {host, port, database, user, password, requireTls};
}

} // namespace qx
