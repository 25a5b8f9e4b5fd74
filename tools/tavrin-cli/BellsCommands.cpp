#include "BellsCommands.h"

#include "CliCommand.h"
#include "CliOutput.h"
#include "DeviceCommands.h"
#include "DeviceLink.h"
#include "document/commands/CalendarCommands.h"
#include "document/CTavrinDoc.h"
#include "plan/BellsOff.h"
#include "plan/PlannedWeek.h"
#include "plan/SyncTimer.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "ScheduleFileAccess.h"

#include <QFileInfo>

namespace {

const ListPlace kMonday{1, {}, -1, -1};

QString weekdayText(int day)
{
    const std::string_view name = weekdayName(day);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The calendar changed and saved; false when told why not.
bool changeCalendar(CTavrinDoc &doc, const CliCommand &command, const QDate &today)
{
    if (command.verb == CliVerb::BellsOff) {
        const CalendarEntry entry = bellsOffEntry(today, command.lastDate);
        ProgramCalendar special = doc.week().programCalendar();
        special.calendar.push_back(entry);
        if (checkCalendarEntry(special, entry)) {
            sayError(QStringLiteral("the calendar is full: remove an entry before bells-off"));
            return false;
        }
        doc.perform(std::make_unique<AddCalendarEntry>(doc, entry, kMonday, QStringLiteral("Bells Off")));
    } else {
        const int index = bellsOffEntryToday(doc.week().programCalendar(), today);
        if (index < 0) {
            sayError(QStringLiteral("bells are not off today"));
            return false;
        }
        doc.perform(std::make_unique<RemoveCalendarEntry>(doc, index, kMonday, QStringLiteral("Bells Back On")));
    }
    return saveDocumentOrSay(doc, command.file);
}

} // namespace

int runBells(const CliCommand &command)
{
    const QDate today = QDate::currentDate();
    CTavrinDoc doc;
    if (!openDocumentOrSay(doc, command.file) || !changeCalendar(doc, command, today))
        return kExitFailure;

    const PlannedWeek plan(doc.week(), today);
    auto planned = std::make_unique<WeeklySchedule>();
    plan.fillWeekdays(doc.week(), *planned);
    CliCommand send = command;
    send.days = {today.dayOfWeek()};
    send.clearAll = false;
    const QString file = QFileInfo(command.file).absoluteFilePath();
    const CarriedSchedules carried = plan.carried();
    DeviceLink link(command.timings);
    DownloadRun run;
    if (openLink(link, command, JournalKind::Download, file))
        run = sendWeekdays(link, send, *planned, file, &carried);
    const PlannedDay &day = plan.day(today.dayOfWeek());
    if (run.completed)
        writeOut(QStringLiteral("%1 %2 %3\n")
                     .arg(today.toString(Qt::ISODate), weekdayText(today.dayOfWeek()), day.title)
                     .toUtf8());
    else
        sayError(QStringLiteral("%1 was not sent: 'tavrin-cli sync' sends it").arg(weekdayText(today.dayOfWeek())));

    if (command.verb == CliVerb::BellsOff) {
        const std::optional<bool> enabled = userSyncTimer().isEnabled();
        const QString weekday = weekdayText(today.dayOfWeek());
        if (!enabled)
            sayError(QStringLiteral("whether the evening sync timer (tavrin-sync.timer) is enabled cannot be told: "
                                    "without it the device stays silent every %1 until 'tavrin-cli sync' or "
                                    "'bells-on' sends its regular image")
                         .arg(weekday));
        else if (!*enabled)
            sayError(QStringLiteral("the evening sync timer (tavrin-sync.timer) is not enabled: the device stays "
                                    "silent every %1 until 'tavrin-cli sync' or 'bells-on' sends its regular image "
                                    "('systemctl --user enable --now tavrin-sync.timer' enables it)")
                         .arg(weekday));
    }
    return run.completed ? kExitOk : kExitFailure;
}
