#include "schedule/ProgramCalendar.h"

#include "schedule/ControlCharacters.h"

#include "schedule/ScheduleFileFormat.h"

#include <algorithm>

const QString ProgramCalendar::kNoBellsName = QStringLiteral("No bells");

const DayProgram *ProgramCalendar::program(int day) const
{
    auto it = std::find_if(programs.begin(), programs.end(), [day](const DayProgram &p) { return p.day == day; });
    return it == programs.end() ? nullptr : &*it;
}

const DayProgram *ProgramCalendar::programNamed(const QString &name) const
{
    const QString wanted = name.trimmed();
    auto it = std::find_if(programs.begin(), programs.end(),
                           [&wanted](const DayProgram &p) { return p.name.compare(wanted, Qt::CaseInsensitive) == 0; });
    return it == programs.end() ? nullptr : &*it;
}

int ProgramCalendar::nextProgramDay(int usedBefore) const
{
    int highest = std::max(usedBefore, kNoBellsDay);
    for (const DayProgram &p : programs)
        highest = std::max(highest, p.day);
    for (const CalendarEntry &e : calendar)
        highest = std::max(highest, e.program);
    return highest + 1;
}

std::vector<int> ProgramCalendar::entriesUsing(int program) const
{
    std::vector<int> found;
    for (size_t i = 0; i < calendar.size(); ++i) {
        if (calendar[i].program == program)
            found.push_back(int(i));
    }
    return found;
}

int ProgramCalendar::entryFor(const QDate &date) const
{
    for (size_t i = calendar.size(); i-- > 0;) {
        const CalendarEntry &e = calendar[i];
        if (e.covers(date) && program(e.program))
            return int(i);
    }
    return -1;
}

std::optional<ProgramCalendarFault> checkProgramName(const ProgramCalendar &special, const QString &name,
                                                     int renamedDay)
{
    if (renamedDay == kNoBellsDay)
        return ProgramCalendarFault::NoBellsIsFixed;
    if (renamedDay != 0 && !special.program(renamedDay))
        return ProgramCalendarFault::NoSuchProgram;
    // "No bells" is not one of the programs a file holds
    if (renamedDay == 0 && special.programs.size() > size_t(ScheduleFileFormat::kMaxDayPrograms))
        return ProgramCalendarFault::TooManyPrograms;
    if (name.trimmed().isEmpty())
        return ProgramCalendarFault::EmptyName;
    if (holdsControlCharacter(name))
        return ProgramCalendarFault::ControlCharacter;
    const DayProgram *same = special.programNamed(name);
    if (same && same->day != renamedDay)
        return ProgramCalendarFault::NameTaken;
    return std::nullopt;
}

std::optional<ProgramCalendarFault> checkCalendarEntry(const ProgramCalendar &special, const CalendarEntry &entry)
{
    if (!entry.first.isValid() || !entry.last.isValid())
        return ProgramCalendarFault::InvalidDate;
    if (entry.last < entry.first)
        return ProgramCalendarFault::LastBeforeFirst;
    if (!special.program(entry.program))
        return ProgramCalendarFault::NoSuchProgram;
    if (holdsControlCharacter(entry.note))
        return ProgramCalendarFault::ControlCharacter;
    if (special.calendar.size() > size_t(ScheduleFileFormat::kMaxCalendarEntries))
        return ProgramCalendarFault::TooManyCalendarEntries;
    return std::nullopt;
}
