#include "view/ProgramEdits.h"

#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

ProgramChange refusal(ProgramCalendarFault fault)
{
    ProgramChange change;
    change.refused = fault;
    return change;
}

QString stepText(const char *verb, const QString &name)
{
    return QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("ProgramEdits", verb), name);
}

// A program the operator may rename or delete: one that exists and is not "No bells".
std::optional<ProgramCalendarFault> checkChangeable(const WeeklySchedule &week, int day)
{
    if (day == kNoBellsDay)
        return ProgramCalendarFault::NoBellsIsFixed;
    if (!week.programCalendar().program(day))
        return ProgramCalendarFault::NoSuchProgram;
    return std::nullopt;
}

} // namespace

ProgramChange newProgram(const WeeklySchedule &week, const QString &name)
{
    if (const auto fault = checkProgramName(week.programCalendar(), name))
        return refusal(*fault);
    ProgramChange change;
    change.special = week.programCalendar();
    const DayProgram program{week.nextProgramDay(), name.trimmed()};
    change.special.programs.push_back(program);
    change.text = stepText(QT_TRANSLATE_NOOP("ProgramEdits", "New Program"), program.name);
    change.shownDay = program.day;
    return change;
}

ProgramChange renameProgram(const WeeklySchedule &week, int day, const QString &name)
{
    if (const auto fault = checkChangeable(week, day))
        return refusal(*fault);
    if (const auto fault = checkProgramName(week.programCalendar(), name, day))
        return refusal(*fault);
    ProgramChange change;
    change.special = week.programCalendar();
    for (DayProgram &p : change.special.programs) {
        if (p.day == day)
            p.name = name.trimmed();
    }
    change.text = stepText(QT_TRANSLATE_NOOP("ProgramEdits", "Rename Program"), name.trimmed());
    change.shownDay = day;
    return change;
}

ProgramChange deleteProgram(const WeeklySchedule &week, int day)
{
    if (const auto fault = checkChangeable(week, day))
        return refusal(*fault);
    ProgramChange change;
    change.special = week.programCalendar();
    std::erase_if(change.special.programs, [day](const DayProgram &p) { return p.day == day; });
    std::erase_if(change.special.calendar, [day](const CalendarEntry &e) { return e.program == day; });
    change.days.push_back({day, {}});
    change.text = stepText(QT_TRANSLATE_NOOP("ProgramEdits", "Delete Program"), week.dayTitle(day));
    change.shownDay = kMonday;
    return change;
}

QString calendarDatesOf(const ProgramCalendar &special, int program, int shown)
{
    std::vector<CalendarEntry> entries;
    for (int i : special.entriesUsing(program))
        entries.push_back(special.calendar[size_t(i)]);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const CalendarEntry &a, const CalendarEntry &b) { return a.first < b.first; });
    QStringList dates;
    const int count = int(entries.size());
    for (int i = 0; i < count && i < shown; ++i) {
        const CalendarEntry &e = entries[size_t(i)];
        const QString first = e.first.toString(Qt::ISODate);
        dates << (e.last == e.first ? first : QStringLiteral("%1 \u2013 %2").arg(first, e.last.toString(Qt::ISODate)));
    }
    const QString text = dates.join(QStringLiteral(", "));
    if (count <= shown)
        return text;
    return QCoreApplication::translate("ProgramEdits", "%1 and %2 more").arg(text).arg(count - shown);
}
