#pragma once

#include "data/OfficeServer.h"
#include "data/ProgramFolder.h"

#include <functional>

namespace qx {

// Moves this PC's work to an office server: the cost database, the register and every estimate the
// register lists, each into its schema of an empty office database, table for table and row for row.
// Only the columns both sides know are copied (a file from an earlier build lacks later columns; the
// server's defaults fill them); values go over as stored, rows keep their keys, and each autonumber
// continues after the highest key. Everything happens in one transaction of the server: a cancel or a
// failure leaves the server as it was. The PC's own files are only read.
class OfficeMove {
public:
    // Called as the rows go over: `done` of `total` steps, and what is being done ("Moving the
    // register...", empty at the end). Returning false cancels the move.
    using Progress = std::function<bool(int done, int total, const QString& what)>;

    enum class Result { Moved, Refused, Cancelled, Failed };
    struct Outcome {
        Result result;
        QString message; // what was moved, or why nothing was
    };

    OfficeMove(ProgramFolder folder, OfficeServer server);
    Outcome run(const Progress& progress = {});

private:
    ProgramFolder m_folder;
    OfficeServer m_server;
};

} // namespace qx
