#include "schedule/DayPlan.h"

PlannedDate planDate(const ProgramCalendar &special, const QDate &date)
{
    PlannedDate planned;
    planned.date = date;
    planned.weekday = date.dayOfWeek(); // Qt counts Monday = 1 .. Sunday = 7, as the model does
    planned.calendarEntry = special.entryFor(date);
    planned.day = planned.isRegular() ? planned.weekday : special.calendar[size_t(planned.calendarEntry)].program;
    return planned;
}

std::vector<PlannedDate> planDates(const ProgramCalendar &special, const QDate &first, int count)
{
    std::vector<PlannedDate> dates;
    if (!first.isValid() || count < 1)
        return dates;
    dates.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        dates.push_back(planDate(special, first.addDays(i)));
    return dates;
}

std::array<PlannedDate, 7> planWeekAhead(const ProgramCalendar &special, const QDate &start)
{
    std::array<PlannedDate, 7> week;
    for (const PlannedDate &planned : planDates(special, start, 7))
        week[size_t(planned.weekday - 1)] = planned;
    return week;
}
