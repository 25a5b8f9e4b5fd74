#pragma once

#include <QString>

// The platform's name for serial port number 1..4: COM1..COM4 on Windows, /dev/ttyS0..3
// elsewhere. Higher numbers follow the same pattern on Linux; on Windows they name the
// TELNET device. 0 has no name.
QString platformPortName(int portNumber);

// The port the program opens: a name the operator gave wins over the number, and the
// command line's --port wins over the settings. Blank names count as not given.
QString effectivePortName(int portNumber, const QString &settingsName, const QString &optionName = {});

// The name to hand to the serial-port layer, which looks up a bare name under /dev: a name
// with a "/" that does not start with one, or a bare name found in the current directory and
// not under /dev, is a path from the current directory and becomes absolute ("sim/tty" opens
// ./sim/tty, not /dev/sim/tty). Other names stay as given.
QString openablePortName(const QString &name);

// What a port name leads to: a serial device, or a serial line behind a network address,
// carried as raw bytes over TCP (socket://HOST:PORT) or through a telnet server that controls
// the line for us (rfc2217://HOST:PORT).
struct PortAddress {
    enum class Kind { Serial, Socket, Rfc2217 };
    Kind kind = Kind::Serial;
    QString host; // a name or an address; an IPv6 address without its brackets
    quint16 port = 0;

    bool isNetwork() const { return kind != Kind::Serial; }
    // As it is shown in messages: "10.0.0.5:4001", "[::1]:4001".
    QString hostAndPort() const;
};

// Reads a trimmed port name. A name without "://" is a serial device and always reads; a
// network name needs a host (a name, an IPv4 or a bracketed IPv6 address) and a port from 1
// to 65535, and no blanks. False for a name that is neither.
bool parsePortName(const QString &name, PortAddress &address);

// The refusal of a name parsePortName does not read, showing the forms it takes.
QString malformedPortNameText(const QString &name);
