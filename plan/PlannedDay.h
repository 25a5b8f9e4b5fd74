#pragma once

#include "schedule/DayPlan.h"

#include <QDate>
#include <QString>

#include <vector>

class WeeklySchedule;

// One date as the device will play it: the schedule in effect and what it holds.
struct PlannedDay {
    PlannedDate planned;
    QString title; // "Wednesday" for the regular weekday, else the program's name
    int entryCount = 0; // the entries of the effective schedule
};

// count dates from first on (none for a count below 1 or an invalid date).
std::vector<PlannedDay> planDays(const WeeklySchedule &week, const QDate &first, int count);
