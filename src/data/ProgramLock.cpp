#include "data/ProgramLock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace qx {

ProgramLock::ProgramLock(const ProgramFolder& folder)
    : m_path(folder.lockFile()) {}

// Closing the file gives the lock up. The file itself stays: removed, a copy starting at that moment could
// lock the file being removed while a third locks a new one.
ProgramLock::~ProgramLock() {
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

// The lock is the system's lock on the open file (flock), which ends with the process that holds it
// however it ends: a crash or a power cut never leaves a folder held. What the file says is only for a
// person who looks, so it is written but not forced to disk: a start does not wait for the disk.
ProgramLock::Outcome ProgramLock::take() {
    if (m_descriptor >= 0)
        return Outcome::Held;
    const int descriptor = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return Outcome::Unavailable;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(descriptor);
        return error == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    // Who holds it is a courtesy to a person who looks; the lock is held whether or not it is written.
    const QByteArray holder = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                              QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' +
                              QSysInfo::machineHostName().toUtf8() + '\n';
    [[maybe_unused]] const int emptied = ::ftruncate(descriptor, 0);
    [[maybe_unused]] const ssize_t written = ::write(descriptor, holder.constData(), size_t(holder.size()));
    m_descriptor = descriptor;
    return Outcome::Held;
}

} // namespace qx
