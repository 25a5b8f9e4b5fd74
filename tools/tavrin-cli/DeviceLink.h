#pragma once

#include "device/ProtocolTimings.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class CComm;
class DeviceLinkReceiver;

// The serial port as the device commands use it: the program's CComm, opened on a port
// named on the command line, with received chunks and a lost port handed to callbacks. The
// exchanges over it wait as `timings` say.
class DeviceLink {
public:
    explicit DeviceLink(const ProtocolTimings &timings);
    ~DeviceLink();

    // False, with the cause, when the port cannot be opened.
    bool open(const QString &portName, QString &error);
    void write(const QByteArray &frame);
    // Waits, at most the drain time-out, until everything written has left; false when it has not.
    bool drain();
    void close();

    std::function<void(const QByteArray &)> onReceived;
    // The port went away while open, and why.
    std::function<void(const QString &)> onLost;

    const ProtocolTimings &timings() const { return m_timings; }

private:
    const ProtocolTimings m_timings;
    std::unique_ptr<CComm> m_comm;
    std::unique_ptr<DeviceLinkReceiver> m_receiver;
};
