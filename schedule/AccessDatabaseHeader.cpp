#include "schedule/AccessDatabaseHeader.h"

#include <QByteArray>
#include <QFile>

bool isAccessDatabase(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(4 + 15);
    const QByteArray format = header.mid(4);
    return format == "Standard Jet DB" || format == "Standard ACE DB";
}
