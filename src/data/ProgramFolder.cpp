#include "data/ProgramFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QRegularExpression>

namespace qx {

QString officeEstimateSchema(const QString& storedName) {
    const QString lower = storedName.toLower();
    static const QRegularExpression plain(QStringLiteral("^[a-z0-9]{1,50}$"));
    if (plain.match(lower).hasMatch())
        return QStringLiteral("est_") + lower;
    const QByteArray hash = QCryptographicHash::hash(lower.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("est_h") + QString::fromLatin1(hash.left(16).toHex());
}

ProgramFolder::ProgramFolder(QString root)
    : m_root(QDir::cleanPath(QDir(root).absolutePath())) {}

QString ProgramFolder::dataDir() const {
    return m_root + QStringLiteral("/data");
}
QString ProgramFolder::estimatesDir() const {
    return m_root + QStringLiteral("/estimates");
}
QString ProgramFolder::templatesDir() const {
    return m_root + QStringLiteral("/Templates");
}
QString ProgramFolder::helpFile() const {
    return m_root + QStringLiteral("/help/index.html");
}

QString ProgramFolder::costFile() const {
    return dataDir() + QStringLiteral("/cost.mdb");
}
QString ProgramFolder::mastFile() const {
    return dataDir() + QStringLiteral("/MastEst.mdb");
}
// The scratch files are named in one letter case everywhere: the file system is case-sensitive.
QString ProgramFolder::tempFile() const {
    return dataDir() + QStringLiteral("/tempdb.mdb");
}
QString ProgramFolder::unitFile() const {
    return dataDir() + QStringLiteral("/unitdb.mdb");
}

QString ProgramFolder::lockFile() const {
    return dataDir() + QStringLiteral("/quorvex.lock");
}

Connections ProgramFolder::connections() const {
    Connections c;
    c.sCostConn = m_office ? officeConn(kCostSchema) : Conn{costFile(), kCostPassword, false};
    c.sMastConn = m_office ? officeConn(kRegisterSchema) : Conn{mastFile(), kMastPassword, false};
    c.sUnitConn = {unitFile(), kScratchPassword, true};
    c.sTempConn = {tempFile(), kScratchPassword, true};
    return c;
}

QString ProgramFolder::estimateFolder(const QString& name) const {
    return estimatesDir() + QLatin1Char('/') + name;
}

QString ProgramFolder::estimateFile(const QString& name) const {
    return estimateFolder(name) + QLatin1Char('/') + name + QStringLiteral(".mdb");
}

QString ProgramFolder::storedEstimatePath(const QString& name) {
    return name + QLatin1Char('\\') + name + QStringLiteral(".mdb");
}

QString ProgramFolder::estimateFileFromStored(const QString& storedPath) const {
    QString relative = storedPath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return estimatesDir() + QLatin1Char('/') + relative;
}

Conn ProgramFolder::estimateConn(const QString& storedPath) const {
    if (m_office)
        return officeConn(
            officeEstimateSchema(storedPath.section(QRegularExpression(QStringLiteral("[\\\\/]")), 0, 0)));
    return {estimateFileFromStored(storedPath), kEstimatePassword, false};
}

QString ProgramFolder::ofExecutable() {
    return QCoreApplication::applicationDirPath();
}

} // namespace qx
