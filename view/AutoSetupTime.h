#pragma once

#include <string>
#include <string_view>

// What a time box of the Auto Setup dialog shows once the operator leaves it, and the time it
// stands for.
struct NormalizedTime {
    std::string text; // "HH:MM"
    int hour = 0;
    int minute = 0;

    int minuteOfDay() const { return hour * 60 + minute; }
};

// The hours are what stands before the last ':' (none when there is no ':'), the minutes what
// follows it (the whole text when there is no ':'); each counts by its leading digits. A time
// from 00:00 to 23:59 is shown as "HH:MM"; anything else becomes "00:00" and counts as 00:00.
NormalizedTime NormalizeStartTime(std::string_view boxText);

// As the start time, and 24:00 is accepted too, so that a run can go up to the end of the day
// (end minute 1440).
NormalizedTime NormalizeEndTime(std::string_view boxText);
