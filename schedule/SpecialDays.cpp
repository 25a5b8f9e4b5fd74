#include "schedule/SpecialDays.h"

#include "schedule/ScheduleFileFormat.h"

#include <algorithm>

const QString SpecialDays::kNoBellsName = QStringLiteral("No bells");

const DayProgram *SpecialDays::program(int day) const
{
    auto it = std::find_if(programs.begin(), programs.end(), [day](const DayProgram &p) { return p.day == day; });
    return it == programs.end() ? nullptr : &*it;
}

const DayProgram *SpecialDays::programNamed(const QString &name) const
{
    const QString wanted = name.trimmed();
    auto it = std::find_if(programs.begin(), programs.end(),
                           [&wanted](const DayProgram &p) { return p.name.compare(wanted, Qt::CaseInsensitive) == 0; });
    return it == programs.end() ? nullptr : &*it;
}

int SpecialDays::nextProgramDay(int usedBefore) const
{
    int highest = std::max(usedBefore, kNoBellsDay);
    for (const DayProgram &p : programs)
        highest = std::max(highest, p.day);
    for (const CalendarEntry &e : calendar)
        highest = std::max(highest, e.program);
    return highest + 1;
}

std::vector<int> SpecialDays::entriesUsing(int program) const
{
    std::vector<int> found;
    for (size_t i = 0; i < calendar.size(); ++i) {
        if (calendar[i].program == program)
            found.push_back(int(i));
    }
    return found;
}

int SpecialDays::entryFor(const QDate &date) const
{
    for (size_t i = calendar.size(); i-- > 0;) {
        const CalendarEntry &e = calendar[i];
        if (e.covers(date) && program(e.program))
            return int(i);
    }
    return -1;
}

std::optional<SpecialDaysFault> checkProgramName(const SpecialDays &special, const QString &name, int renamedDay)
{
    if (renamedDay == kNoBellsDay)
        return SpecialDaysFault::NoBellsIsFixed;
    if (renamedDay != 0 && !special.program(renamedDay))
        return SpecialDaysFault::NoSuchProgram;
    // "No bells" is not one of the programs a file holds
    if (renamedDay == 0 && special.programs.size() > size_t(ScheduleFileFormat::kMaxDayPrograms))
        return SpecialDaysFault::TooManyPrograms;
    if (name.trimmed().isEmpty())
        return SpecialDaysFault::EmptyName;
    const DayProgram *same = special.programNamed(name);
    if (same && same->day != renamedDay)
        return SpecialDaysFault::NameTaken;
    return std::nullopt;
}

std::optional<SpecialDaysFault> checkCalendarEntry(const SpecialDays &special, const CalendarEntry &entry)
{
    if (!entry.first.isValid() || !entry.last.isValid())
        return SpecialDaysFault::InvalidDate;
    if (entry.last < entry.first)
        return SpecialDaysFault::LastBeforeFirst;
    if (!special.program(entry.program))
        return SpecialDaysFault::NoSuchProgram;
    if (special.calendar.size() > size_t(ScheduleFileFormat::kMaxCalendarEntries))
        return SpecialDaysFault::TooManyCalendarEntries;
    return std::nullopt;
}
