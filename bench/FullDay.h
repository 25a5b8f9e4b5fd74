#pragma once

#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"

#include <string>

// A day with an event in every minute, its fields varied.
inline void fillFullDay(WeeklySchedule &week, int day)
{
    DaySchedule &d = week.day(day);
    d.clear();
    for (int m = 0; m < 1440; ++m) {
        d.append(ScheduleEntry{storedTime(m / 60, m % 60), m % 2 ? "Voice" : "Melody", std::to_string(m % 16),
                               m % 3 ? "ON" : "", "1", m % 2 ? "1" : "0", "0", "1"});
    }
}
