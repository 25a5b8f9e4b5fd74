#include "schedule/WeeklySchedule.h"

#include "schedule/Weekday.h"

#include <algorithm>
#include <string_view>

DaySchedule &WeeklySchedule::day(int dayNumber)
{
    if (dayNumber <= kSunday)
        return m_days[std::max(dayNumber, int(kMonday)) - 1];
    return m_programDays[dayNumber];
}

const DaySchedule &WeeklySchedule::day(int dayNumber) const
{
    if (dayNumber <= kSunday)
        return m_days[std::max(dayNumber, int(kMonday)) - 1];
    auto it = m_programDays.find(dayNumber);
    if (it != m_programDays.end())
        return it->second;
    static const DaySchedule empty;
    return empty;
}

bool WeeklySchedule::hasDay(int dayNumber) const
{
    return isWeekday(dayNumber) || m_special.program(dayNumber) != nullptr;
}

bool WeeklySchedule::isEditableDay(int dayNumber) const
{
    return dayNumber != kNoBellsDay && hasDay(dayNumber);
}

QString WeeklySchedule::dayTitle(int dayNumber) const
{
    if (isWeekday(dayNumber)) {
        const std::string_view name = weekdayName(dayNumber);
        return QString::fromLatin1(name.data(), qsizetype(name.size()));
    }
    const DayProgram *program = m_special.program(dayNumber);
    return program ? program->name : QString();
}

std::vector<int> WeeklySchedule::allDays() const
{
    std::vector<int> days;
    for (int d = kMonday; d <= kSunday; ++d)
        days.push_back(d);
    for (const DayProgram &p : m_special.programs)
        days.push_back(p.day);
    return days;
}

bool WeeklySchedule::setShownDay(int dayNumber)
{
    if (!hasDay(dayNumber))
        return false;
    m_shownDay = dayNumber;
    return true;
}

void WeeklySchedule::setProgramCalendar(const ProgramCalendar &special)
{
    m_special = special;
    for (const DayProgram &p : m_special.programs)
        m_programDays.try_emplace(p.day);
    if (!hasDay(m_shownDay))
        m_shownDay = kMonday;
}

int WeeklySchedule::nextProgramDay() const
{
    const int usedBefore = m_programDays.empty() ? 0 : m_programDays.rbegin()->first;
    return m_special.nextProgramDay(usedBefore);
}

void WeeklySchedule::LoadWorkingDay()
{
    WorkingDay.copyFrom(day(m_shownDay));
}

void WeeklySchedule::StoreWorkingEntry(int position)
{
    DaySchedule &shown = day(m_shownDay);
    shown.setEntry(position, WorkingDay.entry(position));
    shown.setCount(WorkingDay.count());
}

void WeeklySchedule::ClearAllDays()
{
    for (DaySchedule &d : m_days)
        d.clear();
    for (auto &[number, d] : m_programDays)
        d.clear();
}

bool WeeklySchedule::WriteEntry(int dayNumber, int k, const ScheduleEntry &entry)
{
    if (!isEditableDay(dayNumber) || k < 0 || k > DaySchedule::kCapacity)
        return false;
    m_shownDay = dayNumber;
    WorkingDay.setCount(k);
    DaySchedule &target = day(dayNumber);
    target.setCount(k);
    target.setEntry(k, entry);
    return true;
}

void WeeklySchedule::copyFrom(const WeeklySchedule &other)
{
    for (int d = kMonday; d <= kSunday; ++d)
        day(d).copyFrom(other.day(d));
    m_special = other.m_special;
    m_soundNames = other.m_soundNames;
    for (auto &[number, d] : m_programDays)
        d.clear();
    for (const auto &[number, d] : other.m_programDays)
        m_programDays[number].copyFrom(d);
    WorkingDay.copyFrom(other.WorkingDay);
    m_shownDay = other.m_shownDay;
}

bool WeeklySchedule::sameDays(const WeeklySchedule &other) const
{
    if (m_special != other.m_special || m_soundNames != other.m_soundNames)
        return false;
    for (int d : allDays()) {
        if (!day(d).sameEntries(other.day(d)))
            return false;
    }
    return true;
}
