#include "plan/PlannedDay.h"

#include "schedule/WeeklySchedule.h"

namespace {

PlannedDay described(const WeeklySchedule &week, const PlannedDate &planned)
{
    return {planned, week.dayTitle(planned.day), week.day(planned.day).count()};
}

} // namespace

std::vector<PlannedDay> planDays(const WeeklySchedule &week, const QDate &first, int count)
{
    std::vector<PlannedDay> days;
    const std::vector<PlannedDate> dates = planDates(week.programCalendar(), first, count);
    days.reserve(dates.size());
    for (const PlannedDate &planned : dates)
        days.push_back(described(week, planned));
    return days;
}
