#include "device/PortName.h"

#include <QDir>
#include <QFileInfo>

QString platformPortName(int portNumber)
{
    if (portNumber < 1)
        return {};
#ifdef Q_OS_WIN
    if (portNumber > 4)
        return QStringLiteral("\\\\.\\TELNET");
    return QStringLiteral("COM%1").arg(portNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

QString effectivePortName(int portNumber, const QString &settingsName, const QString &optionName)
{
    if (!optionName.trimmed().isEmpty())
        return optionName.trimmed();
    if (!settingsName.trimmed().isEmpty())
        return settingsName.trimmed();
    return platformPortName(portNumber);
}

QString openablePortName(const QString &name)
{
#ifdef Q_OS_UNIX
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')))
        return name;
    const bool isPath = name.contains(QLatin1Char('/'))
        || (QFileInfo::exists(name) && !QFileInfo::exists(QStringLiteral("/dev/") + name));
    if (isPath)
        return QDir::cleanPath(QDir::current().absoluteFilePath(name));
#endif
    return name;
}
