#include "schedule/DatabaseLocation.h"

#include <QDir>

DatabaseLocation DatabaseLocation::fromPath(const QString &path)
{
    QString full = QDir::fromNativeSeparators(path);
    if (!full.isEmpty() && QDir::isRelativePath(full))
        full = QDir::current().absoluteFilePath(full);
    const qsizetype cut = full.lastIndexOf(QLatin1Char('/'));
    if (cut < 0)
        return {QString(), full};
    return {full.left(cut), full.mid(cut + 1)};
}

QString DatabaseLocation::path() const
{
    return directory + QLatin1Char('/') + fileName;
}
