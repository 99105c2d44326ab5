#include "data/DataAccess.h"

#include <QRegularExpression>

namespace qx {

DataAccess::DataAccess(ConnectionPool& pool, Prompter& prompter)
    : m_pool(pool)
    , m_prompter(prompter) {}

bool DataAccess::ActionQuery(const QString& sql, const Conn& conn, const Params& params) {
    try {
        m_pool.get(conn).exec(sql, params);
        return true;
    } catch (const Failure& failure) {
        ReportBug(
            trapText(failure, {QStringLiteral("ActionQuery"), TrapSite::Module, QStringLiteral("modData")}) +
            QStringLiteral("\n"));
        return false;
    }
}

ResultSet DataAccess::Read(const Conn& conn, const QString& sql, const Params& params) {
    return m_pool.get(conn).query(sql, params);
}

QVariant DataAccess::ReadScalar(const Conn& conn, const QString& sql, const Params& params) {
    return m_pool.get(conn).scalar(sql, params);
}

bool DataAccess::RecordExists(qint32 id, const QString& column, const QString& table, const Conn& conn) {
    // Table and column are names the program chooses, never user text; refuse anything else.
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(column).hasMatch() || !identifier.match(table).hasMatch())
        throw Failure(1, QStringLiteral("Invalid table or column name."));
    const QVariant count =
        ReadScalar(conn, QStringLiteral("select count(*) from %1 where %2=?").arg(table, column), {id});
    return count.toLongLong() != 0;
}

void DataAccess::ReportBug(const QString& message) {
    m_prompter.inform(kAppTitle,
                      message +
                          QStringLiteral("Please make note of this and report this bug to help make this "
                                         "software better."),
                      Prompter::Icon::Critical);
}

QString DataAccess::trapText(const Failure& failure, const TrapSite& site) {
    return QStringLiteral("Error %1 (%2) in procedure %3 of %4 %5")
        .arg(QString::number(failure.number()), failure.description(), site.procedure,
             site.kind == TrapSite::Form ? QStringLiteral("Form") : QStringLiteral("Module"), site.owner);
}

void DataAccess::ShowTrap(const Failure& failure, const TrapSite& site) {
    m_prompter.inform(kAppTitle, trapText(failure, site), Prompter::Icon::Critical);
}

} // namespace qx
