#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace qxtest {

// Points HOME and the user's settings, data, cache, state and documents folders into one temporary
// folder, for this process and every process it starts, so that nothing a run does lands in the home
// of whoever runs it. The folder goes when the object does.
class PrivateHome {
public:
    PrivateHome() {
        const QString home = m_dir.path();
        qputenv("HOME", QFile::encodeName(home));
        const char* const folders[][2] = {{"XDG_CONFIG_HOME", "/.config"},
                                          {"XDG_DATA_HOME", "/.local/share"},
                                          {"XDG_CACHE_HOME", "/.cache"},
                                          {"XDG_STATE_HOME", "/.local/state"}};
        for (const auto& [variable, folder] : folders) {
            QDir().mkpath(home + folder);
            qputenv(variable, QFile::encodeName(home + folder));
        }
        // No desktop services either: the office password stays out of the user's keyring.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        QDir().mkpath(documents());
        QFile dirs(home + "/.config/user-dirs.dirs");
        if (dirs.open(QIODevice::WriteOnly))
            dirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(documents()) + "\"\n");
    }

    QString path() const { return m_dir.path(); }
    QString documents() const { return m_dir.path() + "/Documents"; }

private:
    QTemporaryDir m_dir;
};

} // namespace qxtest
