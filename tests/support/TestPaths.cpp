#include "TestPaths.h"

#include <QCoreApplication>
#include <QDir>

QString binDir()
{
    const QByteArray fromEnv = qgetenv("TAVRIN_BIN_DIR");
    if (!fromEnv.isEmpty())
        return QString::fromLocal8Bit(fromEnv);
    return QCoreApplication::applicationDirPath();
}

QString binPath(const QString &name)
{
    return QDir(binDir()).filePath(name);
}
