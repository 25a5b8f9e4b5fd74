#pragma once

#include "device/SystemPorts.h"

#include <QString>

// What the Serial Port dialog shows of one port the system lists:
// "/dev/ttyUSB0  (FT232R USB UART, USB 0403:6001)", with "  — in use" for the port the
// device dialogs open now. A port with a stable name shows that first:
// "/dev/serial/by-id/usb-FTDI_...-if00-port0  (/dev/ttyUSB0, FT232R USB UART, USB 0403:6001)".
QString portLabel(const ListedPort &port, bool inUse);
