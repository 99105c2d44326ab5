#include "data/ConnectionPool.h"

#include <QFileInfo>

namespace qx {

QString ConnectionPool::keyOf(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

Database& ConnectionPool::get(const Conn& conn) {
    if (conn.office)
        return office(conn);
    return local(conn);
}

Database& ConnectionPool::office(const Conn& conn) {
    if (auto it = m_office.find(conn.path); it != m_office.end())
        return *it->second;
    if (!m_officeConnector)
        throw Failure(kErrPathNotFound,
                      QStringLiteral("%1 is kept on the office server, and this PC works on its own files.")
                          .arg(conn.path));
    std::unique_ptr<Database> db = m_officeConnector(conn.path);
    Database& ref = *db;
    m_office[conn.path] = std::move(db);
    return ref;
}

void ConnectionPool::setOfficeConnector(OfficeConnector connector) {
    m_office.clear();
    m_officeConnector = std::move(connector);
}

SqlFile& ConnectionPool::local(const Conn& conn) {
    if (conn.office)
        throw Failure(kErrPathNotFound, QStringLiteral("%1 is kept on the office server.").arg(conn.path));
    const QString key = keyOf(conn.path);
    auto it = m_files.find(key);
    if (it != m_files.end()) {
        // The handle was opened by an earlier operation; it serves while the file exists and the same
        // password is asked for (another password must prove itself by opening the file afresh).
        if (QFileInfo::exists(key) && it->second.password == conn.password &&
            it->second.readOnly == conn.readOnly)
            return *it->second.file;
        m_files.erase(it);
    }
    auto file = SqlFile::open(key, conn.password,
                              conn.scratch ? SqlFile::Durability::Scratch : SqlFile::Durability::Safe,
                              conn.readOnly ? SqlFile::Access::ReadOnly : SqlFile::Access::ReadWrite);
    SqlFile& ref = *file;
    m_files.emplace(key, Entry{conn.password, conn.readOnly, std::move(file)});
    if (!conn.readOnly) {
        if (auto every = m_everyOpen.find(key); every != m_everyOpen.end())
            every->second(ref);
        if (auto pending = m_firstWritable.find(key); pending != m_firstWritable.end()) {
            const auto step = std::move(pending->second);
            m_firstWritable.erase(pending);
            step(ref);
        }
    }
    return ref;
}

SqlFile& ConnectionPool::adopt(std::unique_ptr<SqlFile> file, const Conn& conn) {
    SqlFile& ref = *file;
    m_files.insert_or_assign(keyOf(conn.path), Entry{conn.password, conn.readOnly, std::move(file)});
    return ref;
}

void ConnectionPool::close(const QString& path) {
    m_files.erase(keyOf(path));
}

void ConnectionPool::close(const Conn& conn) {
    if (conn.office)
        m_office.erase(conn.path);
    else
        close(conn.path);
}

void ConnectionPool::closeAll() {
    m_files.clear();
    m_office.clear();
}

void ConnectionPool::whenFirstWritable(const QString& path, std::function<void(SqlFile&)> step) {
    m_firstWritable[keyOf(path)] = std::move(step);
}

void ConnectionPool::whenOpened(const QString& path, std::function<void(SqlFile&)> step) {
    m_everyOpen[keyOf(path)] = std::move(step);
}

bool ConnectionPool::isOpen(const QString& path) const {
    return m_files.count(keyOf(path)) > 0;
}

} // namespace qx
