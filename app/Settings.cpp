#include "app/Settings.h"

#include "schedule/ProgramNames.h"

Settings::Settings()
    : m_store(std::make_unique<QSettings>(QString::fromLatin1(ProgramNames::kOrganization),
                                          QString::fromLatin1(ProgramNames::kApplication)))
{
}

Settings::Settings(const QString &iniPath)
    : m_store(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

QString Settings::serialPort() const
{
    return m_store->value(QString::fromLatin1(kSerialPortKey), QString()).toString().trimmed();
}

void Settings::setSerialPort(const QString &name)
{
    m_store->setValue(QString::fromLatin1(kSerialPortKey), name.trimmed());
}

QStringList Settings::recentFiles() const
{
    QStringList files;
    m_store->beginGroup(QString::fromLatin1(kRecentFileGroup));
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString f = m_store->value(QStringLiteral("File%1").arg(i)).toString();
        if (!f.isEmpty())
            files << f;
    }
    m_store->endGroup();
    return files;
}

void Settings::addRecentFile(const QString &path)
{
    if (path.isEmpty())
        return;
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    writeRecentFiles(files);
}

void Settings::removeRecentFile(const QString &path)
{
    QStringList files = recentFiles();
    if (files.removeAll(path))
        writeRecentFiles(files);
}

void Settings::writeRecentFiles(QStringList files)
{
    while (files.size() > kRecentFileCount)
        files.removeLast();
    m_store->beginGroup(QString::fromLatin1(kRecentFileGroup));
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files.size())
            m_store->setValue(key, files.at(i - 1));
        else
            m_store->remove(key);
    }
    m_store->endGroup();
}

void Settings::sync()
{
    m_store->sync();
}
