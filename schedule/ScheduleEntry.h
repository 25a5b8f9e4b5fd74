#pragma once

#include <string>

// One timed event of a weekday, every field held as the text it is stored as.
// Time is an 11-character prefix followed by HH:MM on the 24-hour clock; the rest are
// "Melody"/"Voice", "0".."15", "ON"/"OFF" and "1"/"0" for the channels (or empty).
struct ScheduleEntry {
    std::string Time;
    std::string MelodyVoice;
    std::string Selection;
    std::string AC;
    std::string CH1;
    std::string CH2;
    std::string CH3;
    std::string CH4;

    static constexpr int kFieldCount = 8;

    // Field by its column order: Time, MelodyVoice, Selection, AC, CH1..CH4.
    std::string &field(int index);
    const std::string &field(int index) const;

    bool operator==(const ScheduleEntry &) const = default;
};
