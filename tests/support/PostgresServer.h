#pragma once

#include "data/OfficeServer.h"

#include <QString>
#include <QTemporaryDir>

namespace qxtest {

// A PostgreSQL server of a test's own: a cluster made with initdb in a temporary folder, listening on a
// free port of 127.0.0.1 and on a socket in that folder, stopped and removed with the object. A superuser
// "qxadmin" and a login "estimator" (owner of the database "quorvex") sign in with passwords. Run by
// root, the server runs as the "postgres" system user, which owns the cluster's folder.
class PostgresServer {
public:
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    // Empty once the server runs, else why it does not (no server programs, initdb failed, ...).
    const QString& failure() const { return m_failure; }
    bool running() const { return m_failure.isEmpty(); }

    int port() const { return m_port; }
    QString socketFolder() const { return m_root.path(); }
    // The estimator's sign-in over TCP to 127.0.0.1.
    qx::OfficeServer office() const;
    static QString password() { return QStringLiteral("Shingle-5ecret'\"pw"); }

    // Runs `sql` as the superuser in database `database`; false with failure() set when it fails.
    bool admin(const QString& sql, const QString& database = QStringLiteral("postgres"));

private:
    bool run(const QString& program, const QStringList& arguments, QString* output = nullptr);
    bool start();

    QTemporaryDir m_root;
    QString m_data;
    QString m_failure;
    int m_port = 0;
    bool m_asPostgres = false;
};

} // namespace qxtest

// Skips the test when the server could not be started, saying why.
#define QX_NEEDS_SERVER(server)                                                                              \
    if (!(server).running())                                                                                 \
    GTEST_SKIP() << "No PostgreSQL server for this test: " << (server).failure().toStdString()
