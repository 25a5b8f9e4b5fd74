#include "device/UnsentEntries.h"

#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

std::vector<UnsentEntry> entriesNotEncoded(const DaySchedule &day)
{
    std::vector<UnsentEntry> unsent;
    for (int p = 1; p <= day.count(); ++p) {
        const ScheduleEntry &e = day.entry(p);
        UnsentEntry u;
        u.position = p;
        const std::optional<int> minute = minuteOfDay(e.Time);
        if (!minute) {
            u.reason = UnsentEntry::Reason::NoTime;
            const size_t first = e.Time.find_first_not_of(' ');
            u.time = first == std::string::npos ? std::string() : e.Time.substr(first);
            unsent.push_back(u);
            continue;
        }
        u.time = storedTime(*minute / 60, *minute % 60).substr(11, 5);
        const bool melodyOrVoice = e.MelodyVoice == "Voice" || e.MelodyVoice == "Melody";
        const int number = readNumber(e.Selection);
        if (melodyOrVoice && number > 15) {
            u.reason = UnsentEntry::Reason::SelectionAbove15;
            u.selection = number;
            unsent.push_back(u);
        } else if (!melodyOrVoice && e.AC != "ON" && e.AC != "OFF") {
            u.reason = UnsentEntry::Reason::NothingToDo;
            unsent.push_back(u);
        }
    }
    return unsent;
}

std::string describeUnsent(const UnsentEntry &entry)
{
    switch (entry.reason) {
    case UnsentEntry::Reason::NoTime:
        return "Time \"" + entry.time + "\" is not a time of day";
    case UnsentEntry::Reason::SelectionAbove15:
        return "Selection " + std::to_string(entry.selection) + " at " + entry.time + " is above 15";
    case UnsentEntry::Reason::NothingToDo:
        return entry.time + " has neither Melody/Voice nor AC";
    }
    return {};
}

std::vector<UnsentWeekdayEntry> weekEntriesNotEncoded(const WeeklySchedule &week)
{
    std::vector<UnsentWeekdayEntry> unsent;
    for (int d = kMonday; d <= kSunday; ++d) {
        for (const UnsentEntry &u : entriesNotEncoded(week.day(d)))
            unsent.push_back(UnsentWeekdayEntry{d, u});
    }
    return unsent;
}

std::string describeUnsent(const UnsentWeekdayEntry &entry)
{
    static const char *const kNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    const std::string day =
        isWeekday(entry.dayNumber) ? kNames[entry.dayNumber - 1] : "Day " + std::to_string(entry.dayNumber);
    return day + ", entry " + std::to_string(entry.entry.position) + ": " + describeUnsent(entry.entry);
}
