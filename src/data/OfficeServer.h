#pragma once

#include <QString>

namespace qx {

// Where an office keeps its work: a PostgreSQL server and one database on it. `host` is a host name,
// an address, or the folder of the server's local socket.
struct OfficeServer {
    QString host;
    int port = 5432;
    QString database = QStringLiteral("quorvex");
    QString user;
    QString password;
    bool requireTls = false;
};

} // namespace qx
