// The desktop's keyring, reached through QtKeychain, for the office server's password. Part of the
// office server module, so that the program does not load the desktop bus on every start.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Quorvex");

// Runs a keyring job to its end; false with the keyring's account of a failure.
bool finish(QKeychain::Job& job, QString& failure) {
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    if (job.error() == QKeychain::NoError)
        return true;
    failure = job.errorString();
    return false;
}

} // namespace

// True when a keyring service runs on the user's desktop bus.
extern "C" Q_DECL_EXPORT bool qxKeyringRuns() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QStringList services = {QStringLiteral("org.freedesktop.secrets"),
                                  QStringLiteral("org.kde.kwalletd5"), QStringLiteral("org.kde.kwalletd6")};
    for (const QString& service : services) {
        if (bus.interface()->isServiceRegistered(service))
            return true;
    }
    return false;
}

extern "C" Q_DECL_EXPORT bool qxKeyringWrite(const QString& key, const QString& secret, QString& failure) {
    QKeychain::WritePasswordJob job(kService);
    job.setKey(key);
    job.setTextData(secret);
    return finish(job, failure);
}

// False with `failure` when the keyring holds no secret for `key` or cannot be read.
extern "C" Q_DECL_EXPORT bool qxKeyringRead(const QString& key, QString& secret, QString& failure) {
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(key);
    if (!finish(job, failure))
        return false;
    secret = job.textData();
    return true;
}
