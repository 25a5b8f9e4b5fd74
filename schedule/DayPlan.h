#pragma once

#include "schedule/ProgramCalendar.h"

#include <QDate>

#include <array>
#include <vector>

// Which schedule each date plays: its regular weekday, or the program a calendar entry gives
// it. The device repeats seven weekday images, so the days from a start date S to S+6 say
// what each weekday's image must be for the week ahead.
struct PlannedDate {
    QDate date;
    int weekday = 0; // 1 = Monday .. 7 = Sunday
    int day = 0; // the effective schedule: the weekday itself or a program's day number
    int calendarEntry = -1; // the entry that gave the program; -1 for the regular weekday

    bool isRegular() const { return calendarEntry < 0; }
};

PlannedDate planDate(const ProgramCalendar &special, const QDate &date);

// count dates from first on (none for a count below 1 or an invalid date).
std::vector<PlannedDate> planDates(const ProgramCalendar &special, const QDate &first, int count);

// The seven dates start .. start+6 by weekday: element d-1 is the date that falls on weekday d.
std::array<PlannedDate, 7> planWeekAhead(const ProgramCalendar &special, const QDate &start);
