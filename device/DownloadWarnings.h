#pragma once

#include "device/UnsentEntries.h"

#include <QStringList>

#include <string>
#include <vector>

class DaySchedule;
class WeeklySchedule;

// What the operator is told before a Download: entries the device's images will not carry,
// and entries that share a minute, which the device holds as one event (Voice 4 and Melody 5
// at 08:00 come back as one Melody event). The send goes on either way.

// Entries of one weekday that fall on the same minute and each give an event there.
struct SharedMinute {
    int dayNumber = 0; // 1 = Monday .. 7 = Sunday
    std::string time; // "08:00"
    std::vector<int> positions; // the entries, in position order; two or more

    bool operator==(const SharedMinute &) const = default;
};

// Every such minute of the day, in time order.
std::vector<SharedMinute> sharedMinutes(const DaySchedule &day, int dayNumber);

struct DownloadWarnings {
    std::vector<UnsentWeekdayEntry> unsent;
    std::vector<SharedMinute> shared;

    bool empty() const { return unsent.empty() && shared.empty(); }
};

// The warnings for sending these weekdays (1..7) of the week, Monday first.
DownloadWarnings downloadWarnings(const WeeklySchedule &week, const std::vector<int> &days);

// The warnings in the operator's words, one paragraph each (a heading line, then one line per
// entry or minute); empty when there is nothing to say.
QStringList downloadWarningTexts(const DownloadWarnings &warnings);
