#pragma once

#include <QDateTime>

#include <string>

// A weekday and a time of day, as the device's clock or this computer's shows it.
struct WeekTime {
    int weekday = 0; // 1 = Monday .. 7 = Sunday; 0 when the device named no weekday
    int hour = 0;
    int minute = 0;
    int second = 0;

    // The time the clock reply put into the dialog: list position 0 = Sunday .. 6 = Saturday,
    // or -1 when the reply named no weekday.
    static WeekTime fromClockReply(int listPosition, int hour, int minute, int second);
    // This computer's local weekday and time.
    static WeekTime fromLocal(const QDateTime &local);
};

// How far the device's clock is ahead of this computer's (negative: behind), in seconds. The
// week wraps, so the answer lies within half a week either way; without the device's weekday
// only the time of day counts, within half a day either way.
int clockOffsetSeconds(const WeekTime &device, const WeekTime &computer);

// "Device: Monday 23:59:59, 2 min 13 s behind this computer"; "ahead of" for a positive offset,
// "the same as this computer" within a second. Larger offsets read "1 h 5 min", "2 days 3 h".
std::string clockOffsetLine(const WeekTime &device, int offsetSeconds);
