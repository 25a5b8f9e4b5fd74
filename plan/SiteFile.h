#pragma once

#include <QString>

#include <optional>
#include <vector>

// One device of a site: its name (the file's group), the port it hangs on and the schedule
// file it plays. Several devices may play the same file.
struct SiteDevice {
    QString name;
    QString port;
    QString schedule;

    bool operator==(const SiteDevice &) const = default;
};

// Why a device of the site file is left out.
enum class SiteFault {
    NoPort, // the device names no port
    NoSchedule, // the device names no schedule file
    SharedPort, // another device of the site names the same port (`other` names it)
};

struct SiteRefusal {
    QString device;
    SiteFault fault = SiteFault::NoPort;
    QString other; // SharedPort: the other device on that port
};

// The site as read: the devices that may run, ordered by name, and those refused.
struct Site {
    std::vector<SiteDevice> devices;
    std::vector<SiteRefusal> refused;

    const SiteDevice *find(const QString &name) const;
};

// The site file the program and tavrin-cli use when none is named: ~/.config/tavrin/site.ini.
QString defaultSitePath();

// Reads a site file (INI, one group per device). A file that is missing or not INI gives
// `error`; a device that cannot run is refused while the others are kept.
Site readSite(const QString &path, QString &error);

// Every device the file names, as written, refused or not (for editing the site).
std::vector<SiteDevice> readSiteDevices(const QString &path, QString &error);

// Checks devices as readSite does: the runnable ones and the refused.
Site checkSite(const std::vector<SiteDevice> &devices);

// Writes the whole site at once: the file is replaced only when every byte was written.
// Nothing (std::nullopt) when it was; else why not.
std::optional<QString> writeSite(const QString &path, const std::vector<SiteDevice> &devices);
