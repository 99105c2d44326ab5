#pragma once

#include "data/Database.h"
#include "data/OfficeServer.h"

#include <QDateTime>
#include <memory>
#include <optional>

namespace qx {

class EstimateHold;

// What trying to open an estimate for work came to: the hold, or why another PC keeps it.
struct HoldAttempt {
    std::unique_ptr<EstimateHold> hold; // null when refused
    QString refusal;                    // "JonesReroof is open on PC-NAME since 10:14." when refused
};

// An estimate opened for work on the office server. While one PC holds it, every other PC is refused
// with the holder's PC name and the time it was opened, and may only view and print it.
//
// The hold is a session advisory lock of the server, keyed by the program's own first key and the
// estimate's register id, on a connection of the hold's own. The server releases it when the hold is
// destroyed, when its connection ends, or when the PC crashes or loses the network: a stale hold is
// never left behind. Beside the lock, the register's table `openestimate` keeps the holder's PC name
// and the time it took the estimate; a row whose lock nobody holds any more means nobody has the
// estimate open. Taking and asking pass through a short second lock per estimate, so that nobody sees
// a hold before its row is written.
//
// A hold whose connection was lost (the server restarted, the network dropped) has lost its lock with
// it: stillHeld() turns false, and another PC may take the estimate. retake() tries to hold it again.
class EstimateHold {
public:
    // Takes the estimate with id `estimateId` for this PC (`pcName`), or says who has it open. Throws
    // Failure, with the cause in plain words, when the server cannot be reached.
    static HoldAttempt take(const OfficeServer& server, qint32 estimateId, const QString& estimateName,
                            const QString& pcName = thisPc());

    // Who has the estimate open on another connection than `registerDb`'s, as the refusal text; nothing
    // when nobody has, and always nothing for a register kept in a file. Throws Failure.
    static std::optional<QString> holder(Database& registerDb, qint32 estimateId,
                                         const QString& estimateName);

    // "JonesReroof is open on PC-NAME since 10:14.": the time in this PC's local time.
    static QString refusalText(const QString& estimateName, const QString& pcName, const QDateTime& since);

    // This computer's name on the network, as other PCs are told it.
    static QString thisPc();

    ~EstimateHold();
    EstimateHold(const EstimateHold&) = delete;
    EstimateHold& operator=(const EstimateHold&) = delete;

    qint32 estimateId() const { return m_estimateId; }

    // True while the server still keeps the lock on the hold's connection; false once that connection
    // was lost or the server cannot be reached.
    bool stillHeld();

    // After the connection was lost: takes the estimate again on a new connection. Nothing when it is
    // held again, else the refusal text (another PC opened it meanwhile) or why the server cannot be
    // reached.
    std::optional<QString> retake();

private:
    EstimateHold(std::unique_ptr<Database> connection, qint32 estimateId, QString estimateName,
                 QString pcName);

    std::unique_ptr<Database> m_connection;
    qint32 m_estimateId;
    QString m_estimateName;
    QString m_pcName;
};

} // namespace qx
