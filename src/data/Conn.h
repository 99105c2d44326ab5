#pragma once

#include <QString>

namespace qx {

// A connection value: the absolute path of one database file and its password. The scratch
// databases carry a password they are not keyed with; opening them with it still works.
struct Conn {
    QString path;
    QString password;
    bool scratch = false;  // thrown-away file: durability is traded for speed
    bool readOnly = false; // another program's file: read, never written

    bool operator==(const Conn&) const = default;
};

} // namespace qx
