#include "schedule/TimeText.h"

#include <algorithm>
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

std::string minuteText(int minuteOfDay)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", minuteOfDay / 60 % 100, minuteOfDay % 60);
    return buffer;
}

std::optional<int> minuteOfDay(std::string_view stored)
{
    std::string_view time;
    if (stored.size() > kTimePrefixLength) {
        time = stored.substr(kTimePrefixLength);
    } else {
        time = stored;
        while (!time.empty() && time.front() == ' ')
            time.remove_prefix(1);
    }
    const std::string_view hourText = time.substr(0, 2);
    const std::string_view minuteText = time.substr(std::min<size_t>(3, time.size()), 2);
    const auto hasDigit = [](std::string_view t) { return t.find_first_of("0123456789") != std::string_view::npos; };
    if (!hasDigit(hourText) && !hasDigit(minuteText))
        return std::nullopt;
    const int hour = readNumber(hourText);
    const int minute = readNumber(minuteText);
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return hour * 60 + minute;
}

std::string timeOfDayText(std::string_view stored)
{
    const std::optional<int> minute = minuteOfDay(stored);
    if (!minute)
        return {};
    return storedTime(*minute / 60, *minute % 60).substr(kTimePrefixLength);
}

std::string withBlankPrefix(std::string_view stored)
{
    const std::optional<int> minute = minuteOfDay(stored);
    return minute ? storedTime(*minute / 60, *minute % 60) : std::string(stored);
}
