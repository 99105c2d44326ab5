#include "office/OfficeSwitch.h"

#include "office/OfficeWork.h"

namespace qx {

OfficeSwitch::OfficeSwitch(SettingsStore& store, PasswordVault& vault, Prompter& prompter,
                           ProgramFolder folder)
    : m_store(store)
    , m_vault(vault)
    , m_prompter(prompter)
    , m_folder(std::move(folder)) {}

QString OfficeSwitch::password(const OfficeSettings& settings, const QString& typed) const {
    return typed.isEmpty() ? m_vault.read(settings.host, settings.user) : typed;
}

void OfficeSwitch::warn(const QString& text) {
    m_prompter.inform(kAppTitle, text, Prompter::Icon::Warning);
}

std::optional<QString> OfficeSwitch::keepPassword(const OfficeSettings& settings,
                                                  const QString& typedPassword) {
    QString failure;
    if (!typedPassword.isEmpty() && !m_vault.save(settings.host, settings.user, typedPassword, failure))
        return failure;
    return std::nullopt;
}

std::optional<QString> OfficeSwitch::switchTo(const OfficeSettings& settings, const QString& typedPassword) {
    if (auto failure = keepPassword(settings, typedPassword))
        return failure;
    if (switchStorage) {
        std::optional<OfficeServer> target;
        if (settings.onServer)
            target = settings.server(password(settings, typedPassword));
        if (auto refusal = switchStorage(target))
            return refusal;
    }
    settings.save(m_store);
    return std::nullopt;
}

bool OfficeSwitch::move(OfficeSettings settings, const QString& typedPassword,
                        const OfficeMove::Progress& progress) {
    if (const auto blocked = switchBlocked ? switchBlocked() : std::nullopt) {
        warn(*blocked);
        return false;
    }
    settings.onServer = true;
    const OfficeServer server = settings.server(password(settings, typedPassword));
    if (m_prompter.askYesNo(kAppTitle, QStringLiteral("Move this PC's work to %1?").arg(officeTitle(server)),
                            Prompter::Icon::Question, Prompter::Answer::No) != Prompter::Answer::Yes)
        return false;
    const OfficeMove::Outcome outcome = OfficeMove(m_folder, server).run(progress);
    if (outcome.result != OfficeMove::Result::Moved) {
        warn(outcome.message);
        return false;
    }
    m_prompter.inform(kAppTitle, outcome.message, Prompter::Icon::Information);
    if (const auto refusal = switchTo(settings, typedPassword)) {
        warn(QStringLiteral("%1\nThis PC goes on working with its own files until Use This Server is chosen.")
                 .arg(*refusal));
        return false;
    }
    return true;
}

bool OfficeSwitch::use(OfficeSettings settings, const QString& typedPassword) {
    settings.onServer = true;
    const OfficeServer server = settings.server(password(settings, typedPassword));
    if (const auto refusal = officeUseRefusal(server)) {
        warn(*refusal);
        return false;
    }
    if (const auto refusal = switchTo(settings, typedPassword)) {
        warn(*refusal);
        return false;
    }
    m_prompter.inform(kAppTitle, QStringLiteral("This PC now works on %1.").arg(officeTitle(server)),
                      Prompter::Icon::Information);
    return true;
}

bool OfficeSwitch::save(OfficeSettings settings, const QString& typedPassword) {
    const OfficeSettings stored = OfficeSettings::load(m_store);
    // Another server, or the server instead of this PC's files: as Use This Server.
    if (settings.onServer && settings != stored)
        return use(settings, typedPassword);
    const bool leavesServer = stored.onServer && !settings.onServer;
    // Where the work is kept stays as it is: only the settings change.
    const auto refusal =
        leavesServer ? switchTo(settings, typedPassword) : keepPassword(settings, typedPassword);
    if (refusal) {
        warn(*refusal);
        return false;
    }
    settings.save(m_store);
    if (leavesServer)
        m_prompter.inform(kAppTitle, QStringLiteral("This PC now works on its own files."),
                          Prompter::Icon::Information);
    return true;
}

} // namespace qx
