#include "SiteFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QString kPort = QStringLiteral("port");
const QString kSchedule = QStringLiteral("schedule");

// A value holding a comma reads back as a list: its parts are the value's text again.
QString textValue(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString().trimmed();
}

} // namespace

const SiteDevice *Site::find(const QString &name) const
{
    const auto found =
        std::find_if(devices.begin(), devices.end(), [&](const SiteDevice &d) { return d.name == name; });
    return found == devices.end() ? nullptr : &*found;
}

QString defaultSitePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tavrin/site.ini");
}

Site checkSite(const std::vector<SiteDevice> &devices)
{
    Site site;
    for (const SiteDevice &device : devices) {
        if (device.port.trimmed().isEmpty()) {
            site.refused.push_back({device.name, SiteFault::NoPort, {}});
            continue;
        }
        if (device.schedule.trimmed().isEmpty()) {
            site.refused.push_back({device.name, SiteFault::NoSchedule, {}});
            continue;
        }
        // Two schedules would go to one device: neither is taken.
        const auto other = std::find_if(devices.begin(), devices.end(), [&](const SiteDevice &d) {
            return &d != &device && d.port.trimmed() == device.port.trimmed();
        });
        if (other != devices.end()) {
            site.refused.push_back({device.name, SiteFault::SharedPort, other->name});
            continue;
        }
        site.devices.push_back(device);
    }
    return site;
}

std::vector<SiteDevice> readSiteDevices(const QString &path, QString &error)
{
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("no site file %1").arg(QDir::toNativeSeparators(path));
        return {};
    }
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        error = QStringLiteral("the site file %1 cannot be read").arg(QDir::toNativeSeparators(path));
        return {};
    }
    std::vector<SiteDevice> devices;
    for (const QString &name : settings.childGroups()) {
        settings.beginGroup(name);
        devices.push_back({name, textValue(settings, kPort), textValue(settings, kSchedule)});
        settings.endGroup();
    }
    return devices;
}

Site readSite(const QString &path, QString &error)
{
    return checkSite(readSiteDevices(path, error));
}

std::optional<QString> writeSite(const QString &path, const std::vector<SiteDevice> &devices)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(folder));
    // QSettings writes in place; it writes a scratch copy, which then replaces the file whole.
    QTemporaryDir scratch(folder + QStringLiteral("/.site-XXXXXX"));
    if (!scratch.isValid())
        return QStringLiteral("cannot write in the folder %1").arg(QDir::toNativeSeparators(folder));
    const QString draft = scratch.filePath(QStringLiteral("site.ini"));
    {
        QSettings settings(draft, QSettings::IniFormat);
        for (const SiteDevice &device : devices) {
            settings.beginGroup(device.name);
            settings.setValue(kPort, device.port);
            settings.setValue(kSchedule, device.schedule);
            settings.endGroup();
        }
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));
    }
    QFile written(draft);
    if (!written.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(written.readAll()) < 0 || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}
