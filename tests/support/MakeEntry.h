#pragma once

#include "schedule/ScheduleEntry.h"
#include "schedule/TimeText.h"

#include <string>

// One entry as a test writes it: makeEntry(8, 30, "Voice", 3, "ON", "1010").
inline ScheduleEntry makeEntry(int hour, int minute, const char *kind, int number, const char *ac = "",
                               const char *channels = "0000")
{
    ScheduleEntry e;
    e.Time = storedTime(hour, minute);
    e.MelodyVoice = kind;
    e.Selection = std::to_string(number);
    e.AC = ac;
    e.CH1 = std::string(1, channels[0]);
    e.CH2 = std::string(1, channels[1]);
    e.CH3 = std::string(1, channels[2]);
    e.CH4 = std::string(1, channels[3]);
    return e;
}
