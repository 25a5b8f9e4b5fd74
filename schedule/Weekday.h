#pragma once

#include <string>
#include <string_view>

// The model numbers weekdays 1 = Monday .. 7 = Sunday. The device names them by a letter,
// 'A' = Sunday .. 'G' = Saturday ('H' is the eighth image, no weekday), and the Auto Setup
// weekday list counts Sunday first.
enum Weekday { kMonday = 1, kTuesday, kWednesday, kThursday, kFriday, kSaturday, kSunday };

constexpr char kNoWeekdayCode = 'H';

constexpr bool isWeekday(int dayNumber)
{
    return dayNumber >= kMonday && dayNumber <= kSunday;
}

// 'A' + (day mod 7).
constexpr char dayCodeForDay(int dayNumber)
{
    return char('A' + dayNumber % 7);
}

// 'A'..'G' to 1..7; 0 for any other byte ('H' included).
constexpr int dayForDayCode(char code)
{
    if (code == 'A')
        return kSunday;
    if (code >= 'B' && code <= 'G')
        return code - 'B' + kMonday;
    return 0;
}

// Auto Setup list position 0 = Sunday, 1 = Monday .. 6 = Saturday.
constexpr int dayForAutoSetupPosition(int position)
{
    return position == 0 ? kSunday : position;
}
constexpr int autoSetupPositionForDay(int dayNumber)
{
    return dayNumber == kSunday ? 0 : dayNumber;
}

// "Monday" .. "Sunday"; empty for a number outside 1..7.
std::string_view weekdayName(int dayNumber);

// A weekday's full English name or its first three letters, any case; 0 when unknown.
int weekdayFromName(std::string_view name);
