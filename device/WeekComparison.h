#pragma once

#include "device/DayImage.h"
#include "schedule/SoundNames.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

class WeeklySchedule;

// What one minute of an image makes the device do, in the terms the list shows it in.
struct SlotEvent {
    enum class Sound { None, Melody, Voice };
    enum class Ac { None, On, Off };

    bool pm = false;
    int hour12 = 0; // as the list shows it: 00..12 (midnight 00 AM, noon 12 PM)
    int minute = 0; // 0..59
    Sound sound = Sound::None;
    int selection = 0; // 0..15; 0 when there is no sound
    Ac ac = Ac::None;
    std::array<bool, 4> channels{}; // CH1..CH4

    // The event of a non-empty slot at a minute of the day (0..1439); nothing for an empty one.
    static std::optional<SlotEvent> of(const MinuteSlot &slot, int minuteOfDay);
};

// One minute where the two images differ; a side without an event holds nothing.
struct MinuteDifference {
    int minuteOfDay = 0; // 0..1439
    std::optional<SlotEvent> file;
    std::optional<SlotEvent> device;
};

struct WeekdayComparison {
    int day = 0; // 1 = Monday .. 7 = Sunday
    std::vector<MinuteDifference> differences; // in minute order

    bool same() const { return differences.empty(); }
};

// Images by weekday number, 1 = Monday .. 7 = Sunday.
using WeekImages = std::map<int, DayImage>;

// Two minutes differ when either holds an event and their four bytes are not equal; two empty
// slots never differ, whatever leftover bits they carry, since the device does nothing there.
WeekdayComparison compareDay(int day, const DayImage &file, const DayImage &device);

// Every weekday read from the device, Monday first, against the file's image of it (blank when
// the file's side lacks that weekday).
std::vector<WeekdayComparison> compareWeek(const WeekImages &file, const WeekImages &device);

// The images the device would hold for these weekdays of the week.
WeekImages weekImages(const WeeklySchedule &week, const std::vector<int> &days);

// The weekdays of a comparison that differ, Monday first.
std::vector<int> differingDays(const std::vector<WeekdayComparison> &week);

// The stable text form of a comparison, one line per weekday and then one per differing minute:
//
//   Monday: same
//   Wednesday: differs in 2 minutes
//   Wednesday 07:05  file: AM 07:05 Melody 3 ON 1 0 0 0  device: (none)
//   Wednesday 13:30  file: (none)  device: PM 01:30 Voice 12 - 0 1 0 0
//
// A minute line starts with the weekday and the 24-hour time; each side is "(none)" or exactly
// eight fields: AM/PM, the list's 12-hour time, Melody/Voice, Selection, AC, CH1..CH4 as 1/0,
// with "-" for an empty Melody/Voice or AC. "differs in 1 minute" is singular. Given names, a
// side whose sound has one adds it after the eight fields in double quotes (a quote in it
// doubled): "AM 07:05 Melody 3 ON 1 0 0 0 "Westminster"". Both sides take the names given.
std::vector<std::string> comparisonLines(const std::vector<WeekdayComparison> &week, const SoundNames *names = nullptr);

// One side of a minute line: "(none)" or its eight fields ("AM 07:05 Melody 3 ON 1 0 0 0"),
// and the sound's name as comparisonLines adds it.
std::string eventWords(const std::optional<SlotEvent> &event, const SoundNames *names = nullptr);
