#pragma once

#include <QString>

namespace qx {

// Where this PC keeps the office server's password: the desktop's keyring when one runs, otherwise a
// file in the user's settings folder ($XDG_CONFIG_HOME/Quorvex/office-password) that only its owner can
// read. The password is never written into the settings file itself and never shown again once saved.
class PasswordVault {
public:
    enum class Place { Keyring, OwnerOnlyFile };

    // configRoot empty: the user's configuration folder. `useKeyring` false keeps to the file whatever
    // runs on the desktop.
    explicit PasswordVault(QString configRoot = {}, bool useKeyring = true);

    Place place() const { return m_place; }
    // What the setup screen says about it.
    QString placeText() const;
    QString filePath() const;

    // Keeps `password` for the user `user` of `host`; false with the reason in `failure`.
    bool save(const QString& host, const QString& user, const QString& password, QString& failure);
    // The kept password, or "" when none is kept.
    QString read(const QString& host, const QString& user) const;

private:
    QString m_root;
    Place m_place;
};

} // namespace qx
