#include "device/SystemPorts.h"

#include <QSerialPortInfo>

QList<ListedPort> systemPorts()
{
    QList<ListedPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        ListedPort port;
        port.location = info.systemLocation();
        port.description = info.description();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            port.vendorId = info.vendorIdentifier();
            port.productId = info.productIdentifier();
        }
        ports.append(port);
    }
    return ports;
}
