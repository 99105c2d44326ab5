#include "estimate/Register.h"

#include "data/InputRules.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>

namespace qx {

Register::Register(DataAccess& data, const Conn& mastConn)
    : m_data(data)
    , m_mast(mastConn) {}

QStringList Register::PopEstTypeCbo() {
    QStringList types{QString()};
    m_data.Trap({QStringLiteral("PopEstTypeCbo"), TrapSite::Module, QStringLiteral("modEst")}, [&] {
        const ResultSet rows = m_data.Read(
            m_mast,
            QStringLiteral("Select distinct esttype from master where esttype is not null order by esttype"));
        for (const QVariantList& row : rows.rows)
            types << row.at(0).toString();
    });
    return types;
}

qint32 Register::CreateEstID() {
    qint32 id = 0;
    m_data.Trap({QStringLiteral("CreateEstID"), TrapSite::Form, QStringLiteral("frmQuovi")}, [&] {
        Database& file = m_data.file(m_mast);
        file.exec(QStringLiteral("insert into master(eststatus,estlength,estdate)values('Working',30,?)"),
                  {QDate::currentDate().toString(Qt::ISODate)});
        // The key this insert received, never a later max(id) that another row could have taken.
        id = qint32(file.lastInsertId());
    });
    return id;
}

void Register::deleteRow(qint32 id) {
    m_data.ActionQuery(QStringLiteral("DELETE from master where id=?"), m_mast, {id});
}

namespace {
const QString kIsReservation = QStringLiteral("(estpath is null or estpath='')");
}

bool Register::reserveName(qint32 id, const QString& name, bool* taken) {
    try {
        Database& file = m_data.file(m_mast);
        file.exec(QStringLiteral("update master set estname=? where id=? and ") + kIsReservation, {name, id});
        return file.changes() == 1;
    } catch (const Failure& failure) {
        // On the office server the register itself keeps names unique: of two PCs starting the same name
        // at once, the second is refused here.
        if (failure.number() == kErrConstraint && taken) {
            *taken = true;
            return false;
        }
        m_data.ShowTrap(failure,
                        {QStringLiteral("ActionQuery"), TrapSite::Module, QStringLiteral("modData")});
        return false;
    }
}

void Register::releaseName(qint32 id) {
    m_data.ActionQuery(QStringLiteral("update master set estname=null where id=? and ") + kIsReservation,
                       m_mast, {id});
}

bool Register::reopenReservation(qint32 id) {
    return m_data.ActionQuery(QStringLiteral("update master set estpath=null where id=?"), m_mast, {id});
}

bool Register::completeRow(qint32 id, const QString& name, const QString& address, const QString& storedPath,
                           const QString& type) {
    if (!m_data.ActionQuery(
            QStringLiteral("update master set estname=?,estaddress=?,estpath=?,esttype=? where id=?"), m_mast,
            {name, address, storedPath, type, id}))
        return false;
    return m_data.file(m_mast).changes() == 1;
}

bool Register::nameTaken(const QString& name, qint32 exceptId) {
    // Compared by their keys, which the database cannot figure: every stored name is read.
    const ResultSet rows = m_data.Read(
        m_mast, QStringLiteral("select estname from master where estname is not null and id<>?"), {exceptId});
    const QString key = nameKey(name);
    return std::any_of(rows.rows.begin(), rows.rows.end(),
                       [&](const QVariantList& row) { return nameKey(row.at(0).toString()) == key; });
}

QStringList Register::reservedNames() {
    QStringList names;
    const ResultSet rows = m_data.Read(
        m_mast, QStringLiteral("select estname from master where estname is not null and ") + kIsReservation);
    for (const QVariantList& row : rows.rows)
        names << row.at(0).toString();
    return names;
}

bool Register::folderInUse(const QString& name) {
    // The stored path is "Name\Name.mdb": its folder is the part before the first separator.
    const ResultSet rows =
        m_data.Read(m_mast, QStringLiteral("select estpath from master where not ") + kIsReservation);
    return std::any_of(rows.rows.begin(), rows.rows.end(), [&](const QVariantList& row) {
        const QString path = row.at(0).toString();
        return path.section(QRegularExpression(QStringLiteral("[\\\\/]")), 0, 0) == name;
    });
}

void Register::removeStaleReservations() {
    try {
        m_data.file(m_mast).exec(QStringLiteral("DELETE from master where ") + kIsReservation);
    } catch (const Failure&) {
    }
}

} // namespace qx
