#include "schedule/Weekday.h"

#include <array>
#include <cctype>

namespace {
constexpr std::array<std::string_view, 7> kNames = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                    "Friday", "Saturday", "Sunday"};

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}
} // namespace

std::string_view weekdayName(int dayNumber)
{
    return isWeekday(dayNumber) ? kNames[dayNumber - 1] : std::string_view();
}

int weekdayFromName(std::string_view name)
{
    for (int d = kMonday; d <= kSunday; ++d) {
        const std::string_view full = kNames[d - 1];
        if (equalsIgnoringCase(name, full) || equalsIgnoringCase(name, full.substr(0, 3)))
            return d;
    }
    return 0;
}
