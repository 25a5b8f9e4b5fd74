#include "PlanCommands.h"

#include "CliCommand.h"
#include "CliOutput.h"
#include "CompareCommands.h"
#include "device/JournalOutcomeOf.h"
#include "DeviceCommands.h"
#include "DeviceLink.h"
#include "journal/TransferJournal.h"
#include "JournalCommand.h"
#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"
#include "plan/PortHistory.h"
#include "plan/SyncDecision.h"
#include "PlanCalendarFile.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "ScheduleFileAccess.h"

#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace {

// "2027-03-10 Wed Exam day (2 events)".
QString planLine(const PlannedDay &day)
{
    const std::string_view weekday = weekdayName(day.planned.weekday).substr(0, 3);
    return QStringLiteral("%1 %2 %3 (%4 %5)")
        .arg(day.planned.date.toString(Qt::ISODate), QString::fromLatin1(weekday.data(), qsizetype(weekday.size())),
             day.title)
        .arg(day.entryCount)
        .arg(day.entryCount == 1 ? QStringLiteral("event") : QStringLiteral("events"));
}

bool printLines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toUtf8() + '\n';
    return writeOut(out);
}

// What the journal says the port's device holds; nothing known when it cannot be read.
std::vector<JournalEntry> journalOfPort(const CliCommand &command, bool &readable)
{
    TransferJournal journal(cliJournalPath(command));
    PortHistory history = readPortHistory(journal, command.port);
    readable = !history.error;
    if (history.error)
        sayError(QStringLiteral("the journal %1 cannot be read: %2").arg(journal.path(), history.error->cause));
    return std::move(history.entries);
}

// "device /dev/ttyUSB0 for 2027-03-11: up to date".
QString tomorrowLine(const CliCommand &command, const PlannedWeek &plan, TomorrowState state)
{
    return QStringLiteral("device %1 for %2: %3")
        .arg(command.port, plan.start().addDays(1).toString(Qt::ISODate), tomorrowText(state));
}

// The journal's entry for what this run recorded, so what follows from it is known even when
// the journal could not take it.
JournalEntry entryOf(const TransferRecord &record)
{
    JournalEntry entry;
    entry.kind = record.kind;
    entry.port = record.port;
    entry.weekdays = record.weekdays;
    entry.images = record.images;
    entry.outcome = journalOutcomeOf(record.end);
    return entry;
}

} // namespace

QString tomorrowText(TomorrowState state)
{
    switch (state) {
    case TomorrowState::UpToDate:
        return QStringLiteral("up to date");
    case TomorrowState::NotUpToDate:
        return QStringLiteral("not up to date");
    case TomorrowState::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

int runPlan(const CliCommand &command)
{
    const std::unique_ptr<WeeklySchedule> week = loadScheduleOrSay(command.file);
    if (!week)
        return kExitFailure;
    QStringList lines;
    const std::vector<PlannedDay> days = planDays(*week, command.from, command.count);
    for (const PlannedDay &day : days)
        lines << planLine(day);
    if (!command.ics.isEmpty() && !writePlanCalendar(command.ics, command.file, days))
        return kExitFailure;
    if (!command.port.isEmpty()) {
        bool readable = false;
        const PlannedWeek plan(*week, command.from);
        const DeviceHoldings held = DeviceHoldings::fromJournal(journalOfPort(command, readable));
        lines << tomorrowLine(command, plan, tomorrowState(plan, held));
    }
    return printLines(lines) ? kExitOk : kExitFailure;
}

namespace {

struct SyncJob {
    CliCommand command;
    std::unique_ptr<PlannedWeek> plan;
    std::vector<JournalEntry> journal; // the port's, newest first
    std::vector<int> days; // due
};

std::unique_ptr<SyncJob> prepareSync(const CliCommand &command)
{
    // Only the week ahead's images and the port's journal are kept: the whole week (its day
    // programs, its calendar) is let go before the device is talked to.
    const std::unique_ptr<WeeklySchedule> week = loadScheduleOrSay(command.file);
    if (!week)
        return nullptr;
    auto job = std::make_unique<SyncJob>();
    job->command = command;
    job->plan = std::make_unique<PlannedWeek>(*week, command.from);
    bool readable = false;
    job->journal = journalOfPort(command, readable);
    if (!readable)
        sayError(QStringLiteral("what the device holds is unknown: every weekday is due"));
    job->days = weekdaysToSend(*job->plan, DeviceHoldings::fromJournal(job->journal));
    if (!job->days.empty() && !command.dryRun) {
        auto planned = std::make_unique<WeeklySchedule>();
        job->plan->fillWeekdays(*week, *planned);
        sayDownloadWarnings(*planned, job->days);
    }
    return job;
}

int finishSync(SyncJob &job)
{
    const CliCommand &command = job.command;
    const PlannedWeek &plan = *job.plan;
    std::vector<int> &days = job.days;
    std::vector<JournalEntry> &journal = job.journal;
    const QString file = QFileInfo(command.file).absoluteFilePath();

    // The journal is this computer's: a send from another desk is not in it. Read back, the
    // device itself tells what it holds.
    std::unique_ptr<DeviceLink> link;
    if (command.checkDevice) {
        link = std::make_unique<DeviceLink>(command.timings);
        if (!openLink(*link, command, JournalKind::Comparison, file))
            return kExitFailure;
        if (!readBackIntoJournal(*link, command)) {
            sayError(QStringLiteral("what the device holds could not be read back: nothing sent"));
            return kExitFailure;
        }
        bool readable = false;
        journal = journalOfPort(command, readable);
        days = weekdaysToSend(plan, DeviceHoldings::fromJournal(journal));
    }

    // A dry run prints what would go; a send, what the device took.
    std::vector<int> printed = days;
    int status = kExitOk;
    if (!days.empty() && !command.dryRun) {
        CliCommand send = command;
        send.days = days;
        send.clearAll = false;
        DownloadRun run;
        if (!link) {
            link = std::make_unique<DeviceLink>(command.timings);
            if (!openLink(*link, command, JournalKind::Download, file))
                link.reset();
        }
        if (link)
            run = sendImages(*link, send, plan.images(), file, plan.carried());
        if (run.recorded)
            journal.insert(journal.begin(), entryOf(*run.recorded));
        status = run.completed ? kExitOk : kExitFailure;
        printed = run.accepted;
        QStringList notSent;
        for (int d : days) {
            if (std::find(printed.begin(), printed.end(), d) == printed.end())
                notSent << QString::fromLatin1(weekdayName(d).data(), qsizetype(weekdayName(d).size()));
        }
        if (!notSent.isEmpty())
            sayError(QStringLiteral("not sent: %1").arg(notSent.join(QStringLiteral(", "))));
    }

    QStringList lines;
    for (int d : printed)
        lines << planLine(plan.day(d));
    if (days.empty())
        lines << QStringLiteral("nothing to send");
    printLines(lines);

    const TomorrowState tomorrow = tomorrowState(plan, DeviceHoldings::fromJournal(journal));
    if (tomorrow != TomorrowState::UpToDate) {
        const PlannedDay &next = plan.day(plan.start().addDays(1).dayOfWeek());
        const QString date = next.planned.date.toString(Qt::ISODate);
        if (tomorrow == TomorrowState::NotUpToDate)
            sayError(
                QStringLiteral("the device on %1 is not up to date for %2 (%3)").arg(command.port, date, next.title));
        else
            sayError(QStringLiteral("the device on %1 may not be up to date for %2 (%3): the journal does not tell "
                                    "what it holds")
                         .arg(command.port, date, next.title));
    }
    return status;
}

} // namespace

int runSync(const CliCommand &command)
{
    const std::unique_ptr<SyncJob> job = prepareSync(command);
    return job ? finishSync(*job) : kExitFailure;
}

std::function<int()> syncTask(const CliCommand &command)
{
    std::shared_ptr<SyncJob> job = prepareSync(command);
    if (!job)
        return {};
    return [job] { return finishSync(*job); };
}
