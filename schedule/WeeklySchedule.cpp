#include "schedule/WeeklySchedule.h"

#include "schedule/Weekday.h"

#include <algorithm>

int WeeklySchedule::clampDay(int dayNumber)
{
    return std::clamp(dayNumber, int(kMonday), int(kSunday));
}

DaySchedule &WeeklySchedule::day(int dayNumber)
{
    return m_days[clampDay(dayNumber) - 1];
}

const DaySchedule &WeeklySchedule::day(int dayNumber) const
{
    return m_days[clampDay(dayNumber) - 1];
}

bool WeeklySchedule::setShownDay(int dayNumber)
{
    if (!isWeekday(dayNumber))
        return false;
    m_shownDay = dayNumber;
    return true;
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
}

bool WeeklySchedule::WriteEntry(int dayNumber, int k, const ScheduleEntry &entry)
{
    if (!isWeekday(dayNumber) || k < 0 || k > DaySchedule::kCapacity)
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
    WorkingDay.copyFrom(other.WorkingDay);
    m_shownDay = other.m_shownDay;
}

bool WeeklySchedule::sameDays(const WeeklySchedule &other) const
{
    for (int d = kMonday; d <= kSunday; ++d) {
        if (!day(d).sameEntries(other.day(d)))
            return false;
    }
    return true;
}
