#pragma once

#include <QString>

namespace qx {

// A connection value: the absolute path of one database file and its password, or, for a database
// kept on the office server, its schema there. The scratch databases carry a password they are not
// keyed with; opening them with it still works.
struct Conn {
    QString path; // a file, or the schema on the office server when `office` is set
    QString password;
    bool scratch = false;  // thrown-away file: durability is traded for speed
    bool readOnly = false; // another program's file: read, never written
    bool office = false;   // a schema on the office server, not a file

    bool operator==(const Conn&) const = default;
};

// The schemas an office keeps its work in on the server: one for the register, one for the cost
// database, and one per estimate.
inline const QString kRegisterSchema = QStringLiteral("register");
inline const QString kCostSchema = QStringLiteral("cost");

// The schema of the estimate whose stored name (as its file is named) is `storedName`: "est_" and the
// name in lower case when it is plain letters and digits, else "est_h" and the start of a hash of it
// (a name taken from an owner's last name may hold an apostrophe or any letter of the world, and a
// schema's name is at most 63 bytes). Names are unique without regard to case, so no two estimates
// share a schema.
QString officeEstimateSchema(const QString& storedName);

inline Conn officeConn(const QString& schema) {
    Conn conn;
    conn.path = schema;
    conn.office = true;
    return conn;
}

} // namespace qx
