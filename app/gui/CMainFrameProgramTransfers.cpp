// Day programs in ordinary transfers: a weekday the device holds as a day program is not taken
// into the regular weekday unasked, and a Download of a weekday whose date plays a program says so.
#include "app/gui/CMainFrame.h"
#include "device/gui/TransferDialog.h"
#include "device/TransferRecorder.h"
#include "document/CTavrinDoc.h"
#include "journal/TransferJournal.h"
#include "plan/PlannedWeek.h"
#include "plan/PortHistory.h"
#include "plan/ProgramOnDevice.h"
#include "schedule/Messages.h"
#include "schedule/WeeklySchedule.h"
#include "view/gui/CTavrinView.h"

#include <QLocale>

void CMainFrame::placeDayProgramsRead(WeeklySchedule &week, const WeeklySchedule &before, const WeekImages &read,
                                      const QString &caption)
{
    if (read.empty())
        return;
    TransferJournal journal(defaultJournalPath());
    const PortHistory history = readPortHistory(journal, portName());
    for (const ProgramOnDevice &held : programsOnDevice(history.entries, week, read)) {
        const QString weekday = QLocale().dayName(held.weekday, QLocale::LongFormat);
        QStringList choices;
        if (held.programDay)
            choices << tr("Into %1").arg(held.program);
        choices << tr("Into %1").arg(weekday) << tr("Not Taken");
        const QString text = held.programDay
            ? tr("The device holds the day program %1 on %2, as it was last sent there. Where does it go?")
                  .arg(held.program, weekday)
            : tr("The device holds the day program %1 on %2, as it was last sent there; this schedule has no "
                 "program of that name. Take it into %2?")
                  .arg(held.program, weekday);
        const int chosen = m_messages.choose(text, caption, choices);
        ReadBackPlace place = ReadBackPlace::NotTaken;
        if (held.programDay && chosen == 0)
            place = ReadBackPlace::IntoProgram;
        else if (chosen >= 0 && chosen == int(choices.size()) - 2)
            place = ReadBackPlace::IntoWeekday;
        placeReadBack(week, before, held, place);
    }
}

bool CMainFrame::offerPlannedDays(const std::vector<int> &days, WeeklySchedule &sending, TransferDialog &dialog)
{
    const WeeklySchedule &week = m_doc->week();
    const PlannedWeek plan(week, today());
    const std::vector<PlannedDay> programs = plan.programDays(days);
    if (programs.empty())
        return true;
    QStringList lines;
    for (const PlannedDay &day : programs)
        lines << tr("%1 %2 plays %3.")
                     .arg(QLocale().dayName(day.planned.weekday, QLocale::LongFormat),
                          QLocale().toString(day.planned.date, QLocale::ShortFormat), day.title);
    const int chosen =
        m_messages.choose(tr("In the week ahead:\n%1\nSend the planned days instead of the regular weekdays?")
                              .arg(lines.join(QLatin1Char('\n'))),
                          tr("Download"), {tr("Send the Planned Days"), tr("Send the Regular Weekdays"), tr("Cancel")});
    if (chosen == 0) {
        CarriedSchedules carried;
        for (int d = 1; d <= 7; ++d)
            carried[size_t(d - 1)] = {week.dayTitle(d), false};
        for (const PlannedDay &day : programs) {
            sending.day(day.planned.weekday).copyFrom(week.day(day.planned.day));
            carried[size_t(day.planned.weekday - 1)] = {day.title, true};
        }
        dialog.setCarriedSchedules(carried);
    }
    return chosen == 0 || chosen == 1;
}
