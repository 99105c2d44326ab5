#include "PcFolder.h"

#include <QDir>
#include <QFile>

namespace qxtest {

namespace {

const char* const kHomeFolders[][2] = {{"XDG_DATA_HOME", "/home/.local/share"},
                                       {"XDG_CACHE_HOME", "/home/.cache"},
                                       {"XDG_STATE_HOME", "/home/.local/state"},
                                       {"XDG_RUNTIME_DIR", "/home/runtime"}};

} // namespace

PcFolder::PcFolder(const QString& root)
    : m_root(root) {
    for (const QString& folder : {program(), config(), documents()})
        QDir().mkpath(folder);
    for (const auto& [variable, folder] : kHomeFolders)
        QDir().mkpath(m_root + QLatin1String(folder));
    QFile(m_root + QStringLiteral("/home/runtime"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile dirs(config() + QStringLiteral("/user-dirs.dirs"));
    if (dirs.open(QIODevice::WriteOnly))
        dirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(documents()) + "\"\n");
}

QProcessEnvironment PcFolder::environment(const QProcessEnvironment& base) const {
    QProcessEnvironment environment = base;
    for (const QString& key : base.keys()) {
        if (key.startsWith(QLatin1String("PG")) || key.startsWith(QLatin1String("QX_OFFICE_")))
            environment.remove(key);
    }
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    environment.insert(QStringLiteral("HOME"), m_root + QStringLiteral("/home"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config());
    for (const auto& [variable, folder] : kHomeFolders)
        environment.insert(QLatin1String(variable), m_root + QLatin1String(folder));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

} // namespace qxtest
