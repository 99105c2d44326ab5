#include "office/EstimateHold.h"

#include "data/Conn.h"
#include "data/SqlFile.h"
#include "office/OfficeEngine.h"

#include <QSysInfo>

namespace qx {

namespace {

// The first keys of the program's advisory locks ("QX" and a number), so that no other application's
// locks on the same server ever meet them. The second key is the estimate's register id.
constexpr qint32 kHoldKey = 0x51580001; // the estimate is open on a PC
constexpr qint32 kDoorKey = 0x51580002; // a PC is taking or asking about the estimate (0: the table)

// How often a PC that was refused asks again when the holder let go before it could say who it was.
constexpr int kAttempts = 3;

const QString kOpenElsewhere = QStringLiteral("%1 is open on another PC.");

// The program's lock on one estimate (the values: its first key and the register id) in pg_locks `l`:
// granted, in this office's database.
const QString kHeldLock = QStringLiteral(
    "l.locktype='advisory' and l.objsubid=2 and l.classid::bigint=? and l.objid::bigint=? and l.granted "
    "and l.database=(select oid from pg_database where datname=current_database())");

// Waits until nobody else is taking or asking about estimate `id`, for the rest of the transaction.
void passDoor(Database& db, qint32 id) {
    db.query(QStringLiteral("select pg_advisory_xact_lock(?::integer, ?::integer)"), {kDoorKey, id});
}

bool tableExists(Database& db) {
    return db.scalar(QStringLiteral("select to_regclass('openestimate') is not null")).toLongLong() == 1;
}

void makeTable(Database& db) {
    if (tableExists(db))
        return;
    Transaction door(db);
    passDoor(db, 0);
    db.execScript(QStringLiteral("CREATE TABLE IF NOT EXISTS openestimate (estid integer PRIMARY KEY, "
                                 "pc text NOT NULL, since timestamptz NOT NULL)"));
    door.commit();
}

// Who holds estimate `id` on another connection than `db`'s, as the refusal text; nothing when nobody
// does. Called behind the door, where a held lock always has its row.
std::optional<QString> describeHolder(Database& db, qint32 id, const QString& name) {
    const ResultSet rows =
        db.query(QStringLiteral("select o.pc, extract(epoch from o.since)::bigint from pg_locks l "
                                "left join openestimate o on o.estid=? where ") +
                     kHeldLock + QStringLiteral(" and l.pid<>pg_backend_pid()"),
                 {id, kHoldKey, id});
    if (rows.isEmpty())
        return std::nullopt;
    if (rows.at(0, 0).isNull())
        return kOpenElsewhere.arg(name);
    return EstimateHold::refusalText(name, rows.at(0, 0).toString(),
                                     QDateTime::fromSecsSinceEpoch(rows.at(0, 1).toLongLong()));
}

// Takes estimate `id` on `db`'s connection and notes this PC as its holder; else says who holds it.
std::optional<QString> attempt(Database& db, qint32 id, const QString& name, const QString& pcName) {
    for (int round = 0; round < kAttempts; ++round) {
        Transaction door(db);
        passDoor(db, id);
        const Params lock{kHoldKey, id};
        if (db.scalar(QStringLiteral("select pg_try_advisory_lock(?::integer, ?::integer)"), lock)
                .toLongLong() == 1) {
            try {
                db.exec(
                    QStringLiteral("insert into openestimate(estid,pc,since) values(?,?,now()) "
                                   "on conflict (estid) do update set pc=excluded.pc, since=excluded.since"),
                    {id, pcName});
                door.commit();
            } catch (const Failure&) {
                // A hold nobody can be told about is no hold.
                try {
                    db.query(QStringLiteral("select pg_advisory_unlock(?::integer, ?::integer)"), lock);
                } catch (const Failure&) {
                    // The connection is gone, and the lock with it.
                }
                throw;
            }
            return std::nullopt;
        }
        if (auto holder = describeHolder(db, id, name))
            return holder;
        // The holder let go between the two questions: try again.
    }
    return kOpenElsewhere.arg(name);
}

} // namespace

EstimateHold::EstimateHold(std::unique_ptr<Database> connection, qint32 estimateId, QString estimateName,
                           QString pcName)
    : m_connection(std::move(connection))
    , m_estimateId(estimateId)
    , m_estimateName(std::move(estimateName))
    , m_pcName(std::move(pcName)) {}

// Closing the connection ends the lock.
EstimateHold::~EstimateHold() = default;

HoldAttempt EstimateHold::take(const OfficeServer& server, qint32 estimateId, const QString& estimateName,
                               const QString& pcName) {
    std::unique_ptr<Database> connection = connectOffice(server, kRegisterSchema);
    makeTable(*connection);
    if (auto refusal = attempt(*connection, estimateId, estimateName, pcName))
        return {nullptr, *refusal};
    return {std::unique_ptr<EstimateHold>(
                new EstimateHold(std::move(connection), estimateId, estimateName, pcName)),
            {}};
}

std::optional<QString> EstimateHold::holder(Database& registerDb, qint32 estimateId,
                                            const QString& estimateName) {
    if (registerDb.engine() != Database::Engine::OfficeServer || !tableExists(registerDb))
        return std::nullopt;
    Transaction door(registerDb);
    passDoor(registerDb, estimateId);
    std::optional<QString> text = describeHolder(registerDb, estimateId, estimateName);
    door.commit();
    return text;
}

QString EstimateHold::refusalText(const QString& estimateName, const QString& pcName,
                                  const QDateTime& since) {
    return QStringLiteral("%1 is open on %2 since %3.")
        .arg(estimateName, pcName, since.toLocalTime().toString(QStringLiteral("H:mm")));
}

QString EstimateHold::thisPc() {
    return QSysInfo::machineHostName();
}

bool EstimateHold::stillHeld() {
    try {
        return m_connection
                   ->scalar(QStringLiteral("select count(*) from pg_locks l where ") + kHeldLock +
                                QStringLiteral(" and l.pid=pg_backend_pid()"),
                            {kHoldKey, m_estimateId})
                   .toLongLong() > 0;
    } catch (const Failure&) {
        return false;
    }
}

std::optional<QString> EstimateHold::retake() {
    if (stillHeld())
        return std::nullopt;
    try {
        // The first statement opens the connection afresh.
        return attempt(*m_connection, m_estimateId, m_estimateName, m_pcName);
    } catch (const Failure& failure) {
        return failure.description();
    }
}

} // namespace qx
