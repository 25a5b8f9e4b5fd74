#include "SiteCommands.h"

#include "CliCommand.h"
#include "CliOutput.h"
#include "journal/TransferJournal.h"
#include "JournalCommand.h"
#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"
#include "plan/PortHistory.h"
#include "plan/SiteFile.h"
#include "plan/SyncDecision.h"
#include "PlanCommands.h"
#include "schedule/WeeklySchedule.h"
#include "ScheduleFileAccess.h"

#include <QDir>
#include <QThread>

#include <algorithm>
#include <memory>

namespace {

QString sitePath(const CliCommand &command)
{
    return command.siteFile.isEmpty() ? defaultSitePath() : command.siteFile;
}

QString refusalText(const SiteRefusal &refusal)
{
    switch (refusal.fault) {
    case SiteFault::NoPort:
        return QStringLiteral("left out: the site file gives it no port");
    case SiteFault::NoSchedule:
        return QStringLiteral("left out: the site file gives it no schedule file");
    case SiteFault::SharedPort:
        return QStringLiteral("left out: %1 has the same port").arg(refusal.other);
    }
    return QString();
}

bool chosen(const CliCommand &command, const QString &name)
{
    return command.devices.isEmpty() || command.devices.contains(name);
}

// Reads the site; false after saying why (exit status in `status`).
bool readChosenSite(const CliCommand &command, Site &site, int &status)
{
    QString error;
    site = readSite(sitePath(command), error);
    if (!error.isEmpty()) {
        sayError(error);
        status = kExitFailure;
        return false;
    }
    for (const QString &name : command.devices) {
        const bool refused = std::any_of(site.refused.begin(), site.refused.end(),
                                         [&](const SiteRefusal &r) { return r.device == name; });
        if (!site.find(name) && !refused) {
            sayError(QStringLiteral("the site %1 has no device \"%2\"")
                         .arg(QDir::toNativeSeparators(sitePath(command)), name));
            status = kExitUsage;
            return false;
        }
    }
    return true;
}

} // namespace

int runOnSite(const CliCommand &command, const SitePrepare &prepare)
{
    Site site;
    int status = kExitOk;
    if (!readChosenSite(command, site, status))
        return status;

    QStringList failed;
    for (const SiteRefusal &refusal : site.refused) {
        if (chosen(command, refusal.device)) {
            sayRaw(refusal.device + QStringLiteral(": ") + refusalText(refusal) + QLatin1Char('\n'));
            failed << refusal.device;
        }
    }

    // Prepared one after another (a schedule file loaded at a time), then run at once: the
    // lines are event driven, each device's exchange runs its own event loop on its thread.
    struct Running {
        QString name;
        std::unique_ptr<QThread> thread;
        int status = kExitFailure;
    };
    std::vector<std::unique_ptr<Running>> running;
    for (const SiteDevice &device : site.devices) {
        if (!chosen(command, device.name))
            continue;
        CliCommand given = command;
        given.site = false;
        given.port = device.port;
        given.file = device.schedule;
        setDeviceLinePrefix(device.name);
        SiteTask task = prepare(given);
        setDeviceLinePrefix(QString());
        if (!task) {
            failed << device.name;
            continue;
        }
        auto one = std::make_unique<Running>();
        one->name = device.name;
        Running *slot = one.get();
        one->thread.reset(QThread::create([slot, task = std::move(task)] {
            setDeviceLinePrefix(slot->name);
            slot->status = task();
        }));
        running.push_back(std::move(one));
    }
    for (const auto &one : running)
        one->thread->start();

    bool differs = false;
    for (const auto &one : running) {
        one->thread->wait();
        if (one->status == kExitDiffers)
            differs = true;
        else if (one->status != kExitOk)
            failed << one->name;
    }
    if (!failed.isEmpty()) {
        sayError(QStringLiteral("failed: %1").arg(failed.join(QStringLiteral(", "))));
        return kExitFailure;
    }
    return differs ? kExitDiffers : kExitOk;
}

int runSiteList(const CliCommand &command)
{
    Site site;
    int status = kExitOk;
    if (!readChosenSite(command, site, status))
        return status;
    for (const SiteRefusal &refusal : site.refused)
        sayError(refusal.device + QStringLiteral(": ") + refusalText(refusal));

    TransferJournal journal(cliJournalPath(command));
    QByteArray out;
    for (const SiteDevice &device : site.devices) {
        const PortHistory history = readPortHistory(journal, device.port);
        if (history.error) {
            sayError(QStringLiteral("the journal %1 cannot be read: %2").arg(journal.path(), history.error->cause));
            return kExitFailure;
        }
        TomorrowState tomorrow = TomorrowState::Unknown;
        QString error;
        auto week = std::make_unique<WeeklySchedule>();
        if (loadScheduleFile(device.schedule, *week, error))
            tomorrow = tomorrowState(PlannedWeek(*week, command.from), DeviceHoldings::fromJournal(history.entries));
        else
            sayError(device.name + QStringLiteral(": ") + error);
        QString last = QStringLiteral("never");
        if (!history.entries.empty()) {
            const JournalEntry &newest = history.entries.front();
            last = newest.when.toString(Qt::ISODate) + QLatin1Char(' ') + journalKindName(newest.kind)
                + QLatin1Char(' ') + journalOutcomeName(newest.outcome);
        }
        out += QStringLiteral("%1  %2  %3  tomorrow: %4  last: %5\n")
                   .arg(device.name, device.port, device.schedule, tomorrowText(tomorrow), last)
                   .toUtf8();
    }
    return writeOut(out) ? kExitOk : kExitFailure;
}
