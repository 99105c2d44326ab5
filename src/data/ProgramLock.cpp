#include "data/ProgramLock.h"

namespace qx {

ProgramLock::ProgramLock(const ProgramFolder& folder)
    : m_file(folder.lockFile()) {
    // Held for a whole working day: age alone never makes it stale, only a holder that is gone.
    m_file.setStaleLockTime(0);
}

ProgramLock::Outcome ProgramLock::take() {
    if (m_file.tryLock(0))
        return Outcome::Held;
    return m_file.error() == QLockFile::LockFailedError ? Outcome::HeldElsewhere : Outcome::Unavailable;
}

} // namespace qx
