#include "app/LockKeys.h"

#include <QDir>
#include <QFile>

LockKeys::LockKeys(const QString &ledRoot)
{
    const char *suffixes[3] = {"::capslock", "::numlock", "::scrolllock"};
    const QDir root(ledRoot);
    const QStringList leds = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString &led : leds)
        for (int k = 0; k < 3; ++k)
            if (led.endsWith(QLatin1String(suffixes[k])))
                m_files[k] << root.filePath(led + QStringLiteral("/brightness"));
}

std::optional<bool> LockKeys::state(Key key) const
{
    if (m_files[key].isEmpty())
        return std::nullopt;
    bool readAny = false;
    for (const QString &path : m_files[key]) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        readAny = true;
        if (f.readAll().trimmed().toInt() > 0)
            return true;
    }
    if (!readAny)
        return std::nullopt;
    return false;
}
