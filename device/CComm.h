#pragma once

#include "device/LineLock.h"
#include "device/PortName.h"
#include "device/SerialReceiver.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

class NetworkLine;
class QSerialPort;

// The device link's serial port. Configure, then OpenIfClosed with the owner that is to hear
// the received bytes; Write starts a write and returns at once; Close/Shutdown end it.
// Everything runs on the thread that created the object: Qt's read notification takes the
// place of a watch thread, and each chunk is handed to the owner synchronously.
// The port may also be a serial line behind a network address (socket://HOST:PORT,
// rfc2217://HOST:PORT, see parsePortName): the owner sees the same bytes either way.
class CComm : public QObject {
    Q_OBJECT
public:
    static constexpr size_t kChunkSize = 2048;

    explicit CComm(QObject *parent = nullptr);
    ~CComm() override;

    // Port number 1..4, baud rate, data bits, stop bits (0 one, 1 one and a half, 2 two) and
    // parity (0 none, 1 odd, 2 even, 3 mark, 4 space). Takes effect when the port opens.
    void Configure(uint8_t portNumber, uint32_t baudRate, uint8_t dataBits, uint8_t stopBits, uint8_t parity);
    // The program timer's fixed line: port 1 unless a name is set, 9600 baud, 8 data bits,
    // one stop bit, no parity.
    void ConfigureForDevice() { Configure(1, 9600, 8, 0, 0); }
    // A name the operator chose (see effectivePortName); empty: the port number's name.
    void setPortName(const QString &name) { m_portNameOverride = name.trimmed(); }
    QString portName() const;
    // How long opening a port behind a network address may take, connecting and setting the
    // line up together.
    void setConnectTimeout(int ms) { m_connectTimeoutMs = ms; }

    // When not connected: opens the port and records the owner (also when the open fails).
    // When connected: changes nothing. Returns whether the port is connected.
    bool OpenIfClosed(SerialReceiver *owner);
    bool Open();
    // Writes the line settings; the port's own result. DTR and RTS are raised where the
    // port supports them (a pseudo-terminal does not; that is no failure).
    bool ApplySettings();

    // At most maxBytes of the bytes received and not yet delivered.
    size_t Read(uint8_t *buffer, size_t maxBytes);
    // Queues the block for sending and returns at once; false when the port is not open.
    bool Write(const uint8_t *data, size_t size);
    // Waits, at most timeoutMs, until everything written has left for the line, so a
    // closing that follows does not throw away the end of a frame.
    bool Drain(int timeoutMs);
    // Drops DTR, discards what was received and not yet delivered and, unless Drain has
    // just emptied it, what was written and not yet sent; closes. Returns true.
    bool Close();
    // Close when connected, else nothing. The destructor calls it.
    void Shutdown();
    // Hands one chunk to the owner.
    void Deliver(const uint8_t *data, size_t size);

    bool isConnected() const { return m_connected; }
    SerialReceiver *owner() const { return m_owner; }
    // Why the last open failed, naming the port; empty after a successful open.
    QString openFailure() const { return m_openFailure; }

private:
    void readAvailable();
    void portError(int error);
    bool openNetwork(const PortAddress &address);
    void lineLost(const QString &reason);

    QSerialPort *m_port = nullptr;
    NetworkLine *m_network = nullptr; // a child, while a network line is open, in place of m_port
    int m_connectTimeoutMs = 5000;
    bool m_connected = false;
    std::array<uint8_t, kChunkSize + 1> m_receiveBuffer{};
    SerialReceiver *m_owner = nullptr;
    size_t m_chunkLength = 0;
    uint8_t m_portNumber = 1;
    uint8_t m_dataBits = 8;
    uint8_t m_parity = 0;
    uint8_t m_stopBits = 0;
    uint32_t m_baudRate = 9600;
    QString m_portNameOverride;
    QString m_openFailure;
    LineLock m_lineLock; // held while the port is open
    bool m_delivering = false;
    bool m_drained = false; // everything written has left; Close need not purge output
};
