#include "device/LineLock.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

QString lineDevicePath(const QString &openableName)
{
    const QString canonical = QFileInfo(openableName).canonicalFilePath();
    return canonical.isEmpty() ? openableName : canonical;
}

LineLock::Result LineLock::acquire(const QString &devicePath)
{
    release();
#ifdef Q_OS_UNIX
    // A lock on the open device is a lock on its inode: every name of the line meets it.
    const int fd = ::open(QFile::encodeName(devicePath).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY ? Result::InUse : Result::NotChecked; // EBUSY: held exclusively
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Result::InUse : Result::NotChecked;
    }
    m_fd = fd;
    return Result::Held;
#else
    Q_UNUSED(devicePath);
    return Result::NotChecked; // the system's ports are opened by one program at a time anyway
#endif
}

void LineLock::release()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        ::close(m_fd);
#endif
    m_fd = -1;
}
