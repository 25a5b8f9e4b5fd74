#pragma once

#include <QList>
#include <QString>

// One serial port the system lists.
struct ListedPort {
    QString location; // /dev/ttyUSB0
    QString description; // as the system gives it, may be empty
    int vendorId = -1; // USB ids, -1 where the system gives none
    int productId = -1;
    // The name that stays with the adapter across replugs and reboots
    // (/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0); empty where there is none.
    QString stableName;
};

// The serial ports the system has now, in the order it gives them.
QList<ListedPort> systemPorts();

// The link in byIdFolder that leads to the device at location, as a path in that folder;
// empty when none does. The first in name order, should two.
QString stablePortName(const QString &location, const QString &byIdFolder = QStringLiteral("/dev/serial/by-id"));
