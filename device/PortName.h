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
