#include "device/SystemPorts.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

QList<ListedPort> systemPorts()
{
    QList<ListedPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        ListedPort port;
        port.location = info.systemLocation();
        port.stableName = stablePortName(port.location);
        port.description = info.description();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            port.vendorId = info.vendorIdentifier();
            port.productId = info.productIdentifier();
        }
        ports.append(port);
    }
    return ports;
}

QString stablePortName(const QString &location, const QString &byIdFolder)
{
    const QString device = QFileInfo(location).canonicalFilePath();
    if (device.isEmpty())
        return {};
    const QDir folder(byIdFolder);
    for (const QString &name : folder.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString link = folder.filePath(name);
        if (QFileInfo(link).canonicalFilePath() == device)
            return link;
    }
    return {};
}
