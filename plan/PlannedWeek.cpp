#include "plan/PlannedWeek.h"

#include "schedule/WeeklySchedule.h"

PlannedWeek::PlannedWeek(const WeeklySchedule &week, const QDate &start)
    : m_start(start)
{
    for (const PlannedDay &day : planDays(week, start, 7)) {
        const size_t i = index(day.planned.weekday);
        m_days[i] = day;
        m_images[i].Encode(week.day(day.planned.day));
    }
}

void PlannedWeek::fillWeekdays(const WeeklySchedule &week, WeeklySchedule &into) const
{
    for (int weekday = 1; weekday <= 7; ++weekday)
        into.day(weekday).copyFrom(week.day(day(weekday).planned.day));
}

CarriedSchedules PlannedWeek::carried() const
{
    CarriedSchedules carried;
    for (const PlannedDay &day : m_days)
        carried[index(day.planned.weekday)] = {day.title, !day.planned.isRegular()};
    return carried;
}

std::vector<PlannedDay> PlannedWeek::programDays(const std::vector<int> &weekdays) const
{
    std::vector<PlannedDay> days;
    for (int weekday : weekdays) {
        if (weekday >= 1 && weekday <= 7 && !day(weekday).planned.isRegular())
            days.push_back(day(weekday));
    }
    return days;
}
