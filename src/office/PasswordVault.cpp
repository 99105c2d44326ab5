#include "office/PasswordVault.h"

#include "office/OfficeModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace qx {

namespace {

using KeyringRuns = bool (*)();
using KeyringWrite = bool (*)(const QString& key, const QString& secret, QString& failure);
using KeyringRead = bool (*)(const QString& key, QString& secret, QString& failure);

QString keyOf(const QString& host, const QString& user) {
    return user + QLatin1Char('@') + host;
}

// The file holds one line: the key it was saved for, a tab, the password.
constexpr char kSeparator = '\t';

} // namespace

PasswordVault::PasswordVault(QString configRoot, bool useKeyring)
    : m_root(configRoot.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                  : std::move(configRoot))
    , m_place(Place::OwnerOnlyFile) {
    if (!useKeyring)
        return;
    if (const auto runs = reinterpret_cast<KeyringRuns>(officeModuleEntry("qxKeyringRuns")); runs && runs())
        m_place = Place::Keyring;
}

QString PasswordVault::filePath() const {
    return m_root + QStringLiteral("/Quorvex/office-password");
}

QString PasswordVault::placeText() const {
    if (m_place == Place::Keyring)
        return QStringLiteral("The password is kept in the desktop's keyring.");
    return QStringLiteral(
               "No keyring runs on this desktop: the password is kept in %1, which only you can read.")
        .arg(QDir::toNativeSeparators(filePath()));
}

bool PasswordVault::save(const QString& host, const QString& user, const QString& password,
                         QString& failure) {
    if (m_place == Place::Keyring) {
        const auto write = reinterpret_cast<KeyringWrite>(officeModuleEntry("qxKeyringWrite"));
        QString reason;
        if (write && write(keyOf(host, user), password, reason))
            return true;
        failure = QStringLiteral("The keyring did not keep the password: %1").arg(reason);
        return false;
    }
    QDir().mkpath(QFileInfo(filePath()).absolutePath());
    // Only the owner may read the file, from before the password is in it until it is replaced.
    QFile file(filePath() + QStringLiteral(".new"));
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                         file.write((keyOf(host, user) + QLatin1Char(kSeparator) + password).toUtf8()) >= 0 &&
                         file.flush();
    file.close();
    if (written && std::rename(QFile::encodeName(file.fileName()).constData(),
                               QFile::encodeName(filePath()).constData()) == 0)
        return true;
    file.remove();
    failure =
        QStringLiteral("The password could not be written to %1.").arg(QDir::toNativeSeparators(filePath()));
    return false;
}

QString PasswordVault::read(const QString& host, const QString& user) const {
    if (m_place == Place::Keyring) {
        const auto read = reinterpret_cast<KeyringRead>(officeModuleEntry("qxKeyringRead"));
        QString secret;
        QString failure;
        return read && read(keyOf(host, user), secret, failure) ? secret : QString();
    }
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString line = QString::fromUtf8(file.readAll());
    const qsizetype separator = line.indexOf(QLatin1Char(kSeparator));
    if (separator < 0 || line.left(separator) != keyOf(host, user))
        return {};
    return line.mid(separator + 1);
}

} // namespace qx
