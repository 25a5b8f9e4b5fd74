#include "device/PortName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>

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
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1String("://")))
        return name;
    const bool isPath = name.contains(QLatin1Char('/'))
        || (QFileInfo::exists(name) && !QFileInfo::exists(QStringLiteral("/dev/") + name));
    if (isPath)
        return QDir::cleanPath(QDir::current().absoluteFilePath(name));
#endif
    return name;
}

QString PortAddress::hostAndPort() const
{
    const QString shownHost = host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(host) : host;
    return shownHost + QLatin1Char(':') + QString::number(port);
}

namespace {

bool readHost(const QString &text, QString &host)
{
    if (text.startsWith(QLatin1Char('['))) {
        if (!text.endsWith(QLatin1Char(']')))
            return false;
        host = text.mid(1, text.size() - 2);
        return QHostAddress(host).protocol() == QAbstractSocket::IPv6Protocol;
    }
    // a host name or an IPv4 address; an IPv6 address must come in brackets
    static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9._-]*[A-Za-z0-9])?$"));
    host = text;
    return hostName.match(text).hasMatch();
}

} // namespace

bool parsePortName(const QString &name, PortAddress &address)
{
    address = PortAddress();
    const qsizetype schemeEnd = name.indexOf(QLatin1String("://"));
    if (schemeEnd < 0)
        return true;
    const QString scheme = name.left(schemeEnd).toLower();
    if (scheme == QLatin1String("socket"))
        address.kind = PortAddress::Kind::Socket;
    else if (scheme == QLatin1String("rfc2217"))
        address.kind = PortAddress::Kind::Rfc2217;
    else
        return false;
    const QString rest = name.mid(schemeEnd + 3);
    const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
    if (colon < 0 || !readHost(rest.left(colon), address.host))
        return false;
    const QString portText = rest.mid(colon + 1);
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(portText).hasMatch())
        return false;
    const int port = portText.toInt();
    if (port < 1 || port > 65535)
        return false;
    address.port = quint16(port);
    return true;
}

QString malformedPortNameText(const QString &name)
{
    return QCoreApplication::translate("PortName",
                                       "\"%1\" is not a port name. A port is a serial device (/dev/ttyUSB0, COM3), "
                                       "socket://HOST:PORT or rfc2217://HOST:PORT, where HOST is a name, an IPv4 "
                                       "address or an IPv6 address in brackets, and PORT a number from 1 to 65535.")
        .arg(name);
}
