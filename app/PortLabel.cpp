#include "app/PortLabel.h"

#include <QStringList>

QString portLabel(const ListedPort &port, bool inUse)
{
    QStringList details;
    // by the name that stays with the adapter, the name of the moment beside it
    const bool stable = !port.stableName.isEmpty();
    if (stable)
        details << port.location;
    if (!port.description.isEmpty())
        details << port.description;
    if (port.vendorId >= 0 && port.productId >= 0)
        details << QStringLiteral("USB %1:%2")
                       .arg(port.vendorId, 4, 16, QLatin1Char('0'))
                       .arg(port.productId, 4, 16, QLatin1Char('0'));
    QString label = stable ? port.stableName : port.location;
    if (!details.isEmpty())
        label += QStringLiteral("  (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
    if (inUse)
        label += QStringLiteral("  \u2014 in use");
    return label;
}
