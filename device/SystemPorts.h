#pragma once

#include <QList>
#include <QString>

// One serial port the system lists.
struct ListedPort {
    QString location; // /dev/ttyUSB0
    QString description; // as the system gives it, may be empty
    int vendorId = -1; // USB ids, -1 where the system gives none
    int productId = -1;
};

// The serial ports the system has now, in the order it gives them.
QList<ListedPort> systemPorts();
