#pragma once

#include "data/Conn.h"
#include "data/ConnectionPool.h"
#include "data/Failure.h"
#include "data/Prompter.h"
#include "data/SqlFile.h"

#include <utility>

namespace qx {

// Where an error trap sits: the procedure and the form or module that the error report names,
// for example {"PopEstTypeCbo", TrapSite::Module, "modEst"}.
struct TrapSite {
    enum Kind { Form, Module };
    QString procedure;
    Kind kind = Module;
    QString owner;
};

// The program's data access: action statements, readers and the error reports.
class DataAccess {
public:
    DataAccess(ConnectionPool& pool, Prompter& prompter);

    // Runs one action statement (insert, update, delete, drop) with bound values. On failure it reports
    // "Error N (description) in procedure ActionQuery of Module modData" and the request to report the
    // bug, and returns false; callers that follow the program's convention simply go on.
    bool ActionQuery(const QString& sql, const Conn& conn, const Params& params = {});

    // Readers: throw Failure, which the caller's trap reports.
    ResultSet Read(const Conn& conn, const QString& sql, const Params& params = {});
    QVariant ReadScalar(const Conn& conn, const QString& sql, const Params& params = {});
    // True when `table` holds a row whose `column` equals `id`. Table and column are program names.
    bool RecordExists(qint32 id, const QString& column, const QString& table, const Conn& conn);

    // The open handle of a database, for multi-statement work inside one transaction.
    Database& file(const Conn& conn) { return m_pool.get(conn); }
    // The open handle of a file on this PC (the working and unit scratch databases).
    SqlFile& local(const Conn& conn) { return m_pool.local(conn); }

    // Shows `message` + "Please make note of this and report this bug to help make this software better."
    void ReportBug(const QString& message);
    // Shows the trap message "Error N (description) in procedure P of Form F" with an OK button.
    void ShowTrap(const Failure& failure, const TrapSite& site);
    static QString trapText(const Failure& failure, const TrapSite& site);

    // Runs `work`; a Failure is reported through the trap and `false` returned (the caller goes on).
    template <class Work> bool Trap(const TrapSite& site, Work&& work) {
        try {
            std::forward<Work>(work)();
            return true;
        } catch (const Failure& failure) {
            ShowTrap(failure, site);
            return false;
        }
    }

    Prompter& prompter() { return m_prompter; }
    ConnectionPool& pool() { return m_pool; }

private:
    ConnectionPool& m_pool;
    Prompter& m_prompter;
};

} // namespace qx
