#pragma once

#include "device/PortName.h"
#include "device/Rfc2217Client.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class QDeadlineTimer;
class QTcpSocket;

// A serial line behind a network address, for CComm: a TCP connection carrying the line's
// bytes as they are (socket://), or through a telnet server that controls the line
// (rfc2217://). Reads and writes carry the line's bytes only.
class NetworkLine : public QObject {
    Q_OBJECT
public:
    NetworkLine(const PortAddress &address, const Rfc2217Client::LineSettings &settings, QObject *parent = nullptr);
    ~NetworkLine() override;

    // Connects and, through a telnet server, sets the line up; waits at most timeoutMs for
    // both. False with the reason, naming the address, when the line is not ready by then.
    bool open(int timeoutMs, QString &failure);
    // At most maxBytes of the line's bytes received and not yet read.
    qint64 read(char *buffer, qint64 maxBytes);
    bool write(const QByteArray &data);
    // Waits until everything written has been handed to the network.
    bool drain(const QDeadlineTimer &deadline);
    void close();

signals:
    void readyRead();
    // The connection ended while open; it is closed now.
    void failed(const QString &reason);

private:
    void socketReadable();
    void socketLost();
    QString connectFailure(int timeoutMs) const;
    void take(const QByteArray &bytes);

    PortAddress m_address;
    QTcpSocket *m_socket;
    std::optional<Rfc2217Client> m_telnet;
    QByteArray m_received; // the line's bytes, not yet read
    bool m_open = false;
};
