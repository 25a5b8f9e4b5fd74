#include "device/ClockOffset.h"

#include "schedule/Weekday.h"

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kDay = 24 * 60 * 60;
constexpr int kWeek = 7 * kDay;

// Into -period/2 .. period/2 (exclusive at the top).
int wrapped(int seconds, int period)
{
    int v = seconds % period;
    if (v < 0)
        v += period;
    return v >= period / 2 ? v - period : v;
}

int secondOfDay(const WeekTime &t)
{
    return t.hour * 3600 + t.minute * 60 + t.second;
}

std::string amount(int seconds)
{
    const int days = seconds / kDay, hours = seconds % kDay / 3600, minutes = seconds % 3600 / 60, secs = seconds % 60;
    std::string text;
    auto add = [&text](int value, const char *unit) {
        text += (text.empty() ? "" : " ") + std::to_string(value) + " " + unit;
    };
    if (days > 0) {
        add(days, days == 1 ? "day" : "days");
        if (hours > 0)
            add(hours, "h");
    } else if (hours > 0) {
        add(hours, "h");
        if (minutes > 0)
            add(minutes, "min");
    } else if (minutes > 0) {
        add(minutes, "min");
        if (secs > 0)
            add(secs, "s");
    } else {
        add(secs, "s");
    }
    return text;
}
} // namespace

WeekTime WeekTime::fromClockReply(int listPosition, int hour, int minute, int second)
{
    const int weekday = listPosition == 0 ? kSunday : (listPosition >= 1 && listPosition <= 6 ? listPosition : 0);
    return {weekday, hour, minute, second};
}

WeekTime WeekTime::fromLocal(const QDateTime &local)
{
    const QTime t = local.time();
    return {local.date().dayOfWeek(), t.hour(), t.minute(), t.second()};
}

int clockOffsetSeconds(const WeekTime &device, const WeekTime &computer)
{
    const int difference = secondOfDay(device) - secondOfDay(computer);
    if (!isWeekday(device.weekday) || !isWeekday(computer.weekday))
        return wrapped(difference, kDay);
    return wrapped((device.weekday - computer.weekday) * kDay + difference, kWeek);
}

std::string clockOffsetLine(const WeekTime &device, int offsetSeconds)
{
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", device.hour, device.minute, device.second);
    std::string line = "Device: ";
    if (isWeekday(device.weekday))
        line += std::string(weekdayName(device.weekday)) + " ";
    line += time;
    line += ", ";
    // Both clocks are read to the second, so one second either way is only the reading.
    if (std::abs(offsetSeconds) <= 1)
        return line + "the same as this computer";
    return line + amount(std::abs(offsetSeconds)) + (offsetSeconds < 0 ? " behind" : " ahead of") + " this computer";
}
