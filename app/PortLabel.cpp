#include "app/PortLabel.h"

#include <QStringList>

QString portLabel(const ListedPort &port, bool inUse)
{
    QStringList details;
    if (!port.description.isEmpty())
        details << port.description;
    if (port.vendorId >= 0 && port.productId >= 0)
        details << QStringLiteral("USB %1:%2")
                       .arg(port.vendorId, 4, 16, QLatin1Char('0'))
                       .arg(port.productId, 4, 16, QLatin1Char('0'));
    QString label = port.location;
    if (!details.isEmpty())
        label += QStringLiteral("  (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
    if (inUse)
        label += QStringLiteral("  \u2014 in use");
    return label;
}
