#pragma once

#include "schedule/ProgramCalendar.h"

#include <QDate>
#include <QString>

#include <vector>

class DeviceHoldings;
class PlannedWeek;

// Bells Off: a calendar entry of "No bells" from today to a last date, sent at once as today's
// weekday alone. The blank image stays on the device for that weekday until a send replaces
// it (the evening sync, the day after the last date).

// "Bells off": the note that tells a Bells Off entry from the other "No bells" dates.
extern const char *const kBellsOffNote;

// The entry Bells Off adds: "No bells" from today to until (today when until is earlier).
CalendarEntry bellsOffEntry(const QDate &today, const QDate &until);

// The position of the Bells Off entry that gives today its schedule; -1 when none does (a
// later entry may give today another program: then the bells ring).
int bellsOffEntryToday(const ProgramCalendar &special, const QDate &today);

// The weekdays the device holds blank, as the journal tells, while their date in the week
// ahead plays bells: silent until the regular image goes back. Monday first.
std::vector<int> silentWeekdays(const PlannedWeek &plan, const DeviceHoldings &held);
