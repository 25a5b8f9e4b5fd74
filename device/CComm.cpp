#include "device/CComm.h"

#include "device/NetworkLine.h"
#include "device/PortName.h"

#include <QDeadlineTimer>
#include <QSerialPort>

#include <cstring>
#include <utility>

#ifdef Q_OS_UNIX
#include <QThread>
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace {

QSerialPort::Parity qtParity(uint8_t code)
{
    switch (code) {
    case 1:
        return QSerialPort::OddParity;
    case 2:
        return QSerialPort::EvenParity;
    case 3:
        return QSerialPort::MarkParity;
    case 4:
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits qtStopBits(uint8_t code)
{
    switch (code) {
    case 1:
        return QSerialPort::OneAndHalfStop;
    case 2:
        return QSerialPort::TwoStop;
    default:
        return QSerialPort::OneStop;
    }
}

QSerialPort::DataBits qtDataBits(uint8_t bits)
{
    switch (bits) {
    case 5:
        return QSerialPort::Data5;
    case 6:
        return QSerialPort::Data6;
    case 7:
        return QSerialPort::Data7;
    default:
        return QSerialPort::Data8;
    }
}

} // namespace

CComm::CComm(QObject *parent)
    : QObject(parent)
    , m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::readyRead, this, &CComm::readAvailable);
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { portError(int(e)); });
}

CComm::~CComm()
{
    Shutdown();
}

void CComm::Configure(uint8_t portNumber, uint32_t baudRate, uint8_t dataBits, uint8_t stopBits, uint8_t parity)
{
    m_portNumber = portNumber;
    m_baudRate = baudRate;
    m_dataBits = dataBits;
    m_stopBits = stopBits;
    m_parity = parity;
    ApplySettings();
}

QString CComm::portName() const
{
    return effectivePortName(m_portNumber, m_portNameOverride);
}

bool CComm::OpenIfClosed(SerialReceiver *owner)
{
    if (m_connected)
        return true;
    m_chunkLength = 0;
    m_receiveBuffer[0] = 0;
    Open();
    m_owner = owner;
    return m_connected;
}

bool CComm::Open()
{
    if (m_connected)
        return true;
    const QString name = portName();
    m_openFailure.clear();
    if (name.isEmpty()) {
        m_openFailure = tr("No serial port has number %1").arg(m_portNumber);
        return false;
    }
    PortAddress address;
    if (!parsePortName(name, address)) {
        m_openFailure = malformedPortNameText(name);
        return false;
    }
    if (address.isNetwork())
        return openNetwork(address);
    // One line under two names (a link to it, /dev/serial/by-id/...) is still one line.
    const QString device = lineDevicePath(openablePortName(name));
    if (m_lineLock.acquire(device) == LineLock::Result::InUse) {
        m_openFailure = tr("Cannot open serial port %1: it is in use by another program").arg(name);
        return false;
    }
    m_port->setPortName(device);
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_openFailure = tr("Cannot open serial port %1: %2").arg(name, m_port->errorString());
        m_port->clearError();
        m_lineLock.release();
        return false;
    }
    m_port->clear(QSerialPort::AllDirections);
    m_drained = false;
    if (!ApplySettings()) {
        m_openFailure = tr("Cannot set up serial port %1: %2").arg(name, m_port->errorString());
        m_port->close();
        m_port->clearError();
        m_lineLock.release();
        return false;
    }
    m_connected = true;
    return true;
}

bool CComm::openNetwork(const PortAddress &address)
{
    // No lock: the server at the far end decides who may use its line.
    Rfc2217Client::LineSettings settings;
    settings.baudRate = m_baudRate;
    settings.dataBits = m_dataBits;
    settings.parity = uint8_t(m_parity + 1);
    settings.stopBits = m_stopBits == 0 ? 1 : m_stopBits == 1 ? 3 : 2;
    auto *line = new NetworkLine(address, settings, this);
    if (!line->open(m_connectTimeoutMs, m_openFailure)) {
        delete line;
        return false;
    }
    connect(line, &NetworkLine::readyRead, this, &CComm::readAvailable);
    connect(line, &NetworkLine::failed, this, &CComm::lineLost);
    m_network = line;
    m_drained = false;
    m_connected = true;
    return true;
}

bool CComm::ApplySettings()
{
    bool ok = m_port->setBaudRate(qint32(m_baudRate));
    ok = m_port->setDataBits(qtDataBits(m_dataBits)) && ok;
    ok = m_port->setParity(qtParity(m_parity)) && ok;
    ok = m_port->setStopBits(qtStopBits(m_stopBits)) && ok;
    ok = m_port->setFlowControl(QSerialPort::NoFlowControl) && ok;
    if (m_port->isOpen()) {
        // A pseudo-terminal has no modem lines: these fail there, which is harmless.
        m_port->setDataTerminalReady(true);
        m_port->setRequestToSend(true);
        m_port->clearError();
    }
    return ok;
}

size_t CComm::Read(uint8_t *buffer, size_t maxBytes)
{
    if (m_network)
        return buffer == nullptr ? 0 : size_t(m_network->read(reinterpret_cast<char *>(buffer), qint64(maxBytes)));
    if (!m_port->isOpen() || buffer == nullptr || maxBytes == 0)
        return 0;
    const qint64 n = m_port->read(reinterpret_cast<char *>(buffer), qint64(maxBytes));
    if (n < 0) {
        m_port->clearError();
        return 0;
    }
    return size_t(n);
}

bool CComm::Write(const uint8_t *data, size_t size)
{
    if (!m_connected || data == nullptr)
        return false;
    m_drained = false;
    if (m_network)
        return m_network->write(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return m_port->write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size);
}

bool CComm::Drain(int timeoutMs)
{
    if (!m_connected)
        return false;
    QDeadlineTimer deadline(timeoutMs);
    if (m_network)
        return m_drained = m_network->drain(deadline);
    while (m_connected && m_port->bytesToWrite() > 0 && !deadline.hasExpired()) {
        if (!m_port->waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime()))))
            break;
    }
    if (!m_connected || m_port->bytesToWrite() > 0)
        return false;
#ifdef Q_OS_UNIX
    // The bytes sit in the driver's queue now; wait until they are on the wire, but no longer
    // than the time-out (tcdrain would wait for ever on a line that does not move).
    for (;;) {
        int queued = 0;
        if (::ioctl(int(m_port->handle()), TIOCOUTQ, &queued) != 0 || queued <= 0)
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
#endif
    m_drained = true;
    return true;
}

bool CComm::Close()
{
    m_connected = false;
    if (m_network) {
        NetworkLine *line = std::exchange(m_network, nullptr);
        line->close();
        // Close may run inside one of the line's own signals: it goes once they are over.
        line->deleteLater();
        return true;
    }
    if (m_port->isOpen()) {
        m_port->setDataTerminalReady(false);
        // After a successful Drain nothing is left for the line, but the far end of a
        // pseudo-terminal may not have read it yet: purging output then would destroy it.
        m_port->clear(m_drained ? QSerialPort::Input : QSerialPort::AllDirections);
        m_port->close();
    }
    m_port->clearError();
    m_lineLock.release();
    return true;
}

void CComm::Shutdown()
{
    if (m_connected)
        Close();
}

void CComm::Deliver(const uint8_t *data, size_t size)
{
    size = std::min(size, kChunkSize);
    if (size > 0 && data != m_receiveBuffer.data())
        std::memmove(m_receiveBuffer.data(), data, size);
    m_receiveBuffer[size] = 0;
    m_chunkLength = size;
    if (m_owner != nullptr)
        m_owner->serialReceived(m_receiveBuffer.data(), m_chunkLength);
}

void CComm::readAvailable()
{
    // A handler that spins the event loop must not be handed the next chunk while it still
    // reads this one; the outer loop below picks those bytes up when it returns.
    if (m_delivering)
        return;
    QPointer<CComm> self(this);
    m_delivering = true;
    while (m_connected) {
        uint8_t chunk[kChunkSize];
        const size_t n = Read(chunk, sizeof chunk);
        if (n == 0)
            break;
        Deliver(chunk, n);
        if (!self)
            return; // the owner closed and deleted us in its handler
    }
    m_delivering = false;
}

void CComm::lineLost(const QString &reason)
{
    if (!m_connected)
        return;
    Close();
    if (m_owner != nullptr)
        m_owner->serialFailed(reason);
}

void CComm::portError(int error)
{
    // A pulled adapter shows as a resource error; the far end of a pseudo-terminal closing
    // shows as a read error (end of file) that would otherwise repeat for ever.
    if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || !m_connected)
        return;
    // The device went away under us: close, and tell the owner once.
    const QString reason = error == QSerialPort::ReadError
        ? tr("Serial port %1 failed: the line was closed").arg(portName())
        : tr("Serial port %1 failed: %2").arg(portName(), m_port->errorString());
    Close();
    if (m_owner != nullptr)
        m_owner->serialFailed(reason);
}
