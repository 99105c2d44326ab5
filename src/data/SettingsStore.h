#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace qx {

using SettingsList = QList<QPair<QString, QString>>;

// The per-user settings store: application / section / key -> text value. One ordered INI file per
// application name under the user's configuration folder ($XDG_CONFIG_HOME/<App>/settings.ini).
// Rules the program relies on:
//  1. reading a missing key yields "";
//  2. writing an existing key replaces its value in place, a new key is appended to its section;
//  3. listing a section yields its keys in the order they were first created.
// Nothing is cached: every read goes to the file, every write replaces the file atomically, so a
// crash never leaves a half-written store. Failures are never reported to callers.
class SettingsStore {
public:
    // configRoot empty: the user's configuration folder (QStandardPaths::GenericConfigLocation).
    explicit SettingsStore(QString configRoot = {});

    QString read(const QString& app, const QString& section, const QString& key) const;
    void write(const QString& app, const QString& section, const QString& key, const QString& value);
    SettingsList list(const QString& app, const QString& section) const;
    // The value at a position of a listed section (0-based); "" when there is none.
    QString readAt(const QString& app, const QString& section, int position) const;

    QString filePath(const QString& app) const;
    // The folder given at construction; empty for the user's configuration folder.
    const QString& configRoot() const { return m_root; }

private:
    QString m_root;
};

// The program's own application name and the sibling lead-management program's.
inline const QString kAppName = QStringLiteral("Quorvex");
inline const QString kKontaviApp = QStringLiteral("Kontavi");

// Writes the 28 default values (company profile, include flags, operating defaults) in their fixed
// order, so that positional readers find each value where they expect it.
void writeDefaultSettings(SettingsStore& store);

// True when the store holds none of the program's own keys (the first start on this machine).
bool isFirstStart(const SettingsStore& store);

} // namespace qx
