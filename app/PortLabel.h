#pragma once

#include <QString>

// What the Serial Port dialog shows of one port the system lists.
struct ListedPort {
    QString location; // /dev/ttyUSB0
    QString description; // as the system gives it, may be empty
    int vendorId = -1; // USB ids, -1 where the system gives none
    int productId = -1;
};

// "/dev/ttyUSB0  (FT232R USB UART, USB 0403:6001)", with "  — in use" for the port the
// device dialogs open now.
QString portLabel(const ListedPort &port, bool inUse);
