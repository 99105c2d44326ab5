#pragma once

#include "data/Conn.h"
#include "data/SqlFile.h"

#include <functional>
#include <map>
#include <memory>

namespace qx {

// One open handle per database file for the whole run: opening a keyed file costs tens of
// milliseconds, far too much to pay per statement. A file that is about to be deleted or recreated
// is closed here first. Only existing files are opened; a handle that fails to open is never kept.
// A handle serves only connection values with its own password and access (read-only or not).
//
// A connection value of the office server (Conn::office) is served by a server connection to its
// schema, made through the office connector the program sets while it works on a server. A connection
// that fails to open is never kept, so the next command tries again.
class ConnectionPool {
public:
    using OfficeConnector = std::function<std::unique_ptr<Database>(const QString& schema)>;

    Database& get(const Conn& conn);
    // The open handle of a file on this PC (the working and unit scratch databases, a file being read
    // for a copy). Throws Failure for a connection value of the office server.
    SqlFile& local(const Conn& conn);
    // Where connection values of the office server are served from; none: the PC works on its own files.
    // Every server connection open until now is closed.
    void setOfficeConnector(OfficeConnector connector);
    bool hasOfficeConnector() const { return bool(m_officeConnector); }
    // Keeps a file the program has just created as the handle of `conn`, so that its first use does not
    // open (and, for a keyed file, key) it a second time.
    SqlFile& adopt(std::unique_ptr<SqlFile> file, const Conn& conn);
    void close(const QString& path);
    void close(const Conn& conn);
    void closeAll();
    bool isOpen(const QString& path) const;
    // Work that must happen to a file before anything else uses it, run once when the file is first
    // opened for writing in this run rather than up front: a keyed open costs tens of milliseconds,
    // which the program's start must not wait for.
    void whenFirstWritable(const QString& path, std::function<void(SqlFile&)> step);
    // Work that runs every time the file is opened afresh for writing (the first time, and again after
    // it was closed and maybe replaced, as a restore does), before the once-only work above.
    void whenOpened(const QString& path, std::function<void(SqlFile&)> step);

private:
    static QString keyOf(const QString& path);
    Database& office(const Conn& conn);
    struct Entry {
        QString password;
        bool readOnly;
        std::unique_ptr<SqlFile> file;
    };
    std::map<QString, Entry> m_files;
    std::map<QString, std::function<void(SqlFile&)>> m_firstWritable;
    std::map<QString, std::function<void(SqlFile&)>> m_everyOpen;
    OfficeConnector m_officeConnector;
    std::map<QString, std::unique_ptr<Database>> m_office; // by schema
};

} // namespace qx
