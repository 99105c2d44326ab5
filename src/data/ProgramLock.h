#pragma once

#include "data/ProgramFolder.h"

namespace qx {

// One program per program folder: a lock file in data/ that a run holds from its first step to its
// end. A second copy started on the same folder finds it held and stops before it reads or writes
// anything, so it can never tidy away the first copy's work (its reserved register row, for one).
class ProgramLock {
public:
    enum class Outcome {
        Held,          // this run holds the folder
        HeldElsewhere, // a running copy holds it
        Unavailable    // no lock can be made here (no data folder, no permission); nothing to guard
    };

    explicit ProgramLock(const ProgramFolder& folder);
    ~ProgramLock();
    ProgramLock(const ProgramLock&) = delete;
    ProgramLock& operator=(const ProgramLock&) = delete;

    // Takes the lock. A lock left by a copy that is no longer running (a crash, a power cut) is taken
    // over; one held by a running copy is never taken, however old it is.
    Outcome take();

    static inline const QString kAlreadyRunning = QStringLiteral("Quorvex is already running.");

private:
    QString m_path;
    int m_descriptor = -1;
};

} // namespace qx
