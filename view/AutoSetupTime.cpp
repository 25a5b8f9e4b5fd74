#include "view/AutoSetupTime.h"

#include "schedule/TimeText.h"

#include <cstdio>

namespace {

struct TypedTime {
    int hour;
    int minute;
};

TypedTime readTypedTime(std::string_view text)
{
    const size_t colon = text.rfind(':');
    const std::string_view hours = colon == std::string_view::npos ? std::string_view() : text.substr(0, colon);
    const std::string_view minutes = colon == std::string_view::npos ? text : text.substr(colon + 1);
    return {readNumber(hours), readNumber(minutes)};
}

NormalizedTime shown(int hour, int minute)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", hour, minute);
    return {buffer, hour, minute};
}

} // namespace

NormalizedTime NormalizeStartTime(std::string_view boxText)
{
    const TypedTime t = readTypedTime(boxText);
    // The box always shows exactly the time that counts, whatever else was typed around the
    // digits, so what the operator reads is what will be generated.
    if (t.minute <= 59 && t.hour <= 23)
        return shown(t.hour, t.minute);
    return shown(0, 0);
}

NormalizedTime NormalizeEndTime(std::string_view boxText)
{
    const TypedTime t = readTypedTime(boxText);
    if (t.hour == 24 && t.minute == 0)
        return shown(24, 0);
    return NormalizeStartTime(boxText);
}
