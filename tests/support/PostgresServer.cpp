#include "PostgresServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qxtest {

namespace {

const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");
const QString kAdmin = QStringLiteral("qxadmin");
const QString kAdminPassword = QStringLiteral("admin-pw");

// A TCP port of 127.0.0.1 that nothing listens on now.
int freePort() {
    const int sock = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(sock, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    close(sock);
    return port;
}

QString quoted(const QString& text) {
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

} // namespace

PostgresServer::PostgresServer() {
    if (!QFileInfo(kBin + QStringLiteral("initdb")).isExecutable()) {
        m_failure = QStringLiteral("the PostgreSQL 15 programs are not installed (%1).").arg(kBin);
        return;
    }
    m_data = m_root.path() + QStringLiteral("/data");
    // The server refuses to run as root: then the postgres system user runs it, in a folder it owns.
    m_asPostgres = geteuid() == 0;
    if (m_asPostgres) {
        const passwd* postgres = getpwnam("postgres");
        if (!postgres) {
            m_failure = QStringLiteral("running as root, and there is no postgres user to run the server.");
            return;
        }
        if (chown(QFile::encodeName(m_root.path()).constData(), postgres->pw_uid, postgres->pw_gid) != 0) {
            m_failure = QStringLiteral("the server's folder could not be given to the postgres user.");
            return;
        }
    }
    QFile passwordFile(m_root.path() + QStringLiteral("/pw"));
    if (!passwordFile.open(QIODevice::WriteOnly) || passwordFile.write(kAdminPassword.toUtf8()) < 0) {
        m_failure = QStringLiteral("the password file could not be written.");
        return;
    }
    passwordFile.close();
    if (m_asPostgres)
        chown(QFile::encodeName(passwordFile.fileName()).constData(), getpwnam("postgres")->pw_uid, 0);
    if (!run(kBin + QStringLiteral("initdb"),
             {QStringLiteral("-D"), m_data, QStringLiteral("-U"), kAdmin, QStringLiteral("--pwfile"),
              passwordFile.fileName(), QStringLiteral("--auth=scram-sha-256"), QStringLiteral("-E"),
              QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--no-sync")}))
        return;
    if (!start())
        return;
    admin(QStringLiteral("CREATE ROLE estimator LOGIN PASSWORD %1").arg(quoted(password()))) &&
        admin(QStringLiteral("CREATE DATABASE quorvex OWNER estimator"));
}

PostgresServer::~PostgresServer() {
    if (!m_data.isEmpty() && QFileInfo::exists(m_data + QStringLiteral("/postmaster.pid")))
        run(kBin + QStringLiteral("pg_ctl"),
            {QStringLiteral("-D"), m_data, QStringLiteral("-m"), QStringLiteral("immediate"),
             QStringLiteral("-w"), QStringLiteral("stop")});
}

bool PostgresServer::start() {
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_port = freePort();
        const QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off")
                                    .arg(m_port)
                                    .arg(m_root.path());
        m_failure.clear();
        if (run(kBin + QStringLiteral("pg_ctl"),
                {QStringLiteral("-D"), m_data, QStringLiteral("-o"), options, QStringLiteral("-l"),
                 m_root.path() + QStringLiteral("/log"), QStringLiteral("-w"), QStringLiteral("start")}))
            return true;
    }
    return false;
}

bool PostgresServer::run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PGPASSWORD"), kAdminPassword);
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_root.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (m_asPostgres)
        process.start(
            QStringLiteral("/usr/sbin/runuser"),
            QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} +
                arguments);
    else
        process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    const QString text = QString::fromUtf8(process.readAll());
    if (output)
        *output = text;
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    m_failure = QFileInfo(program).fileName() + QStringLiteral(" failed: ") + text.trimmed();
    return false;
}

bool PostgresServer::admin(const QString& sql, const QString& database) {
    return run(kBin + QStringLiteral("psql"),
               {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), m_root.path(), QStringLiteral("-p"),
                QString::number(m_port), QStringLiteral("-U"), kAdmin, QStringLiteral("-d"), database,
                QStringLiteral("-c"), sql});
}

qx::OfficeServer PostgresServer::office() const {
    qx::OfficeServer server;
    server.host = QStringLiteral("127.0.0.1");
    server.port = m_port;
    server.database = QStringLiteral("quorvex");
    server.user = QStringLiteral("estimator");
    server.password = password();
    return server;
}

} // namespace qxtest
