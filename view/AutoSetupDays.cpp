#include "view/AutoSetupDays.h"

#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

std::vector<int> autoSetupDays(const WeeklySchedule &week)
{
    std::vector<int> days;
    for (int position = 0; position < 7; ++position)
        days.push_back(dayForAutoSetupPosition(position));
    for (const DayProgram &program : week.programCalendar().programs) {
        if (week.isEditableDay(program.day))
            days.push_back(program.day);
    }
    return days;
}

int autoSetupDayAt(const WeeklySchedule &week, int position)
{
    const std::vector<int> days = autoSetupDays(week);
    return position >= 0 && position < int(days.size()) ? days[size_t(position)] : int(kSunday);
}
