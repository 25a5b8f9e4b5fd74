#include "PseudoTerminal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return;
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0 || ptsname(m_master) == nullptr) {
        closeMaster();
        return;
    }
    m_slaveName = QString::fromLocal8Bit(ptsname(m_master));
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slave = ::open(ptsname(m_master), O_RDWR | O_NOCTTY);
    if (m_slave >= 0) {
        termios t{};
        tcgetattr(m_slave, &t);
        cfmakeraw(&t);
        tcsetattr(m_slave, TCSANOW, &t);
    }
}

PseudoTerminal::~PseudoTerminal()
{
    closeMaster();
    if (m_slave >= 0)
        ::close(m_slave);
}

bool PseudoTerminal::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    QDeadlineTimer deadline(5000);
    while (m_master >= 0 && done < bytes.size() && !deadline.hasExpired()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else {
            // The slave's input queue is full until its reader catches up.
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            pollfd p{m_master, POLLOUT, 0};
            ::poll(&p, 1, 5);
        }
    }
    return done == bytes.size();
}

QByteArray PseudoTerminal::read(qsizetype count, int timeoutMs)
{
    QByteArray got;
    QDeadlineTimer deadline(timeoutMs);
    while (m_master >= 0 && got.size() < count && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        pollfd p{m_master, POLLIN, 0};
        if (::poll(&p, 1, 5) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = ::read(m_master, buffer, size_t(std::min<qsizetype>(sizeof buffer, count - got.size())));
        if (n > 0)
            got.append(buffer, n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
    return got;
}

QByteArray PseudoTerminal::readFor(int waitMs)
{
    QByteArray got;
    QDeadlineTimer deadline(waitMs);
    while (m_master >= 0 && !deadline.hasExpired()) {
        QByteArray more = read(1 << 20, int(std::max<qint64>(1, deadline.remainingTime())));
        if (more.isEmpty())
            break;
        got += more;
    }
    return got;
}

void PseudoTerminal::closeMaster()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}
