#include "schedule/TimeText.h"

#include <cstdio>

int readNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 1'000'000'000)
            return 1'000'000'000;
    }
    return int(value);
}

std::string storedTime(int hour, int minute)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "           %02d:%02d", hour, minute);
    return buffer;
}

std::optional<int> minuteOfDay(std::string_view stored)
{
    if (stored.size() < kTimePrefixLength + 5)
        return std::nullopt;
    const int hour = readNumber(stored.substr(kTimePrefixLength, 2));
    const int minute = readNumber(stored.substr(kTimePrefixLength + 3, 2));
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return hour * 60 + minute;
}

std::string timeOfDayText(std::string_view stored)
{
    if (stored.size() <= kTimePrefixLength)
        return {};
    return std::string(stored.substr(kTimePrefixLength, 5));
}

std::string withBlankPrefix(std::string_view stored)
{
    return std::string(kTimePrefixLength, ' ') + timeOfDayText(stored);
}
