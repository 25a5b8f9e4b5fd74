#pragma once

#include "schedule/DaySchedule.h"

#include <string>
#include <vector>

// Which entries a device image would leave out, checked before a Download or a re-sort by
// time loses them. The rules are those of DayImage::Encode.

// An entry of a day that the device's image does not carry, and why; see entriesNotEncoded.
struct UnsentEntry {
    enum class Reason {
        NoTime, // the Time is no HH:MM: Encode skips the entry
        SelectionAbove15, // Melody or Voice with a number the 4-bit slot cannot hold: skipped
        NothingToDo, // neither Melody/Voice nor AC: the slot stays empty
    };
    int position = 0; // 1..count of the day
    Reason reason = Reason::NoTime;
    std::string time; // 24-hour HH:MM, or the stored text when it is no time
    int selection = 0; // the number, for SelectionAbove15

    bool operator==(const UnsentEntry &) const = default;
};

// The entries of day, in position order, that DayImage::Encode leaves out or that give no
// event on the device, so a Download or a re-sort by time would lose them.
std::vector<UnsentEntry> entriesNotEncoded(const DaySchedule &day);

// "Selection 16 at 07:05 is above 15", "Time \"7h\" is not a time of day", "07:05 has
// neither Melody/Voice nor AC".
std::string describeUnsent(const UnsentEntry &entry);

class WeeklySchedule;

// An entry of one weekday (1 = Monday .. 7 = Sunday) that a Download would not carry.
struct UnsentWeekdayEntry {
    int dayNumber = 0;
    UnsentEntry entry;

    bool operator==(const UnsentWeekdayEntry &) const = default;
};

// Every such entry of the week, Monday to Sunday, each day in position order.
std::vector<UnsentWeekdayEntry> weekEntriesNotEncoded(const WeeklySchedule &week);

// "Monday, entry 3: Selection 16 at 07:05 is above 15".
std::string describeUnsent(const UnsentWeekdayEntry &entry);
