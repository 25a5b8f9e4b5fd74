#include "device/NetworkLine.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

namespace {

QString seconds(int ms)
{
    return QString::number(ms / 1000.0, 'g', 3);
}

} // namespace

NetworkLine::NetworkLine(const PortAddress &address, const Rfc2217Client::LineSettings &settings, QObject *parent)
    : QObject(parent)
    , m_address(address)
    , m_socket(new QTcpSocket(this))
{
    if (address.kind == PortAddress::Kind::Rfc2217)
        m_telnet.emplace(settings);
}

NetworkLine::~NetworkLine()
{
    close();
}

bool NetworkLine::open(int timeoutMs, QString &failure)
{
    const QDeadlineTimer deadline(timeoutMs);
    auto remaining = [&] { return int(std::max<qint64>(1, deadline.remainingTime())); };
    m_socket->connectToHost(m_address.host, m_address.port);
    if (!m_socket->waitForConnected(remaining())) {
        failure = connectFailure(timeoutMs);
        m_socket->abort();
        return false;
    }
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (m_telnet) {
        m_socket->write(m_telnet->start());
        while (!m_telnet->ready()) {
            if (m_telnet->refused()) {
                failure = tr("%1 does not control a serial line: it refused the COM port option")
                              .arg(m_address.hostAndPort());
                m_socket->abort();
                return false;
            }
            if (deadline.hasExpired() || !m_socket->waitForReadyRead(remaining())) {
                failure = m_socket->state() == QAbstractSocket::ConnectedState
                    ? tr("%1 did not set up the serial line within %2 seconds")
                          .arg(m_address.hostAndPort(), seconds(timeoutMs))
                    : tr("%1 closed the connection").arg(m_address.hostAndPort());
                m_socket->abort();
                return false;
            }
            m_telnet->received(m_socket->readAll()); // the line's bytes from before it was ours go
            m_socket->write(m_telnet->takeOutgoing());
        }
    }
    m_open = true;
    connect(m_socket, &QTcpSocket::readyRead, this, &NetworkLine::socketReadable);
    connect(m_socket, &QTcpSocket::disconnected, this, &NetworkLine::socketLost);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error != QAbstractSocket::SocketTimeoutError) // a wait that ran out, not the line
            socketLost();
    });
    return true;
}

QString NetworkLine::connectFailure(int timeoutMs) const
{
    const QString where = m_address.hostAndPort();
    switch (m_socket->error()) {
    case QAbstractSocket::ConnectionRefusedError:
        return tr("Connection refused by %1").arg(where);
    case QAbstractSocket::HostNotFoundError:
        return tr("Host %1 not found").arg(m_address.host);
    case QAbstractSocket::SocketTimeoutError:
        return tr("%1 did not answer within %2 seconds").arg(where, seconds(timeoutMs));
    default:
        return tr("Cannot connect to %1: %2").arg(where, m_socket->errorString());
    }
}

qint64 NetworkLine::read(char *buffer, qint64 maxBytes)
{
    const qint64 n = std::min<qint64>(maxBytes, m_received.size());
    if (n <= 0)
        return 0;
    std::copy_n(m_received.constData(), n, buffer);
    m_received.remove(0, n);
    return n;
}

bool NetworkLine::write(const QByteArray &data)
{
    if (!m_open)
        return false;
    const QByteArray out = m_telnet ? Rfc2217Client::escaped(data) : data;
    return m_socket->write(out) == out.size();
}

bool NetworkLine::drain(const QDeadlineTimer &deadline)
{
    while (m_open && m_socket->bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!m_socket->waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime()))))
            break;
    }
    return m_open && m_socket->bytesToWrite() == 0;
}

void NetworkLine::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_socket->disconnect(this);
    if (m_socket->state() == QAbstractSocket::ConnectedState) {
        if (m_telnet) {
            m_telnet->dropDtr();
            m_socket->write(m_telnet->takeOutgoing());
        }
        // What was written still goes (the system sends it before the end of the connection);
        // nothing more is read.
        m_socket->flush();
        m_socket->disconnectFromHost();
    }
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    m_received.clear();
}

void NetworkLine::socketReadable()
{
    take(m_socket->readAll());
    if (!m_received.isEmpty())
        emit readyRead();
}

void NetworkLine::take(const QByteArray &bytes)
{
    if (!m_telnet) {
        m_received += bytes;
        return;
    }
    m_received += m_telnet->received(bytes);
    const QByteArray answers = m_telnet->takeOutgoing();
    if (!answers.isEmpty())
        m_socket->write(answers);
}

void NetworkLine::socketLost()
{
    if (!m_open)
        return;
    // Whatever came before the end is still the line's.
    take(m_socket->readAll());
    if (!m_received.isEmpty())
        emit readyRead();
    if (!m_open)
        return;
    const QString reason = m_socket->error() == QAbstractSocket::RemoteHostClosedError
            || m_socket->state() != QAbstractSocket::ConnectedState
        ? tr("The connection to %1 was closed").arg(m_address.hostAndPort())
        : tr("The connection to %1 failed: %2").arg(m_address.hostAndPort(), m_socket->errorString());
    close();
    emit failed(reason);
}
