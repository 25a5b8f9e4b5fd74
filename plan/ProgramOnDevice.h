#pragma once

#include "device/WeekComparison.h"
#include "journal/JournalEntry.h"

#include <QString>

#include <optional>
#include <vector>

class WeeklySchedule;

// A weekday read from the device that holds a day program, not the weekday: its newest completed
// send carried the program, and what was read is still that send's image.
struct ProgramOnDevice {
    int weekday = 0; // 1 = Monday .. 7 = Sunday
    QString program; // its name, as it was sent
    std::optional<int> programDay; // the program of that name in the open week, if it has one
};

// From the port's journal, newest first with its images; nothing when the weekday's newest
// completed send carried the weekday itself, or the device no longer holds what it sent.
std::optional<QString> programHeldOn(const std::vector<JournalEntry> &newestFirst, int weekday, const DayImage &read);

// Those of the weekdays read that hold a program, Monday first.
std::vector<ProgramOnDevice> programsOnDevice(const std::vector<JournalEntry> &newestFirst, const WeeklySchedule &week,
                                              const WeekImages &read);

// Where a weekday read from the device goes when it holds a program.
enum class ReadBackPlace { IntoProgram, IntoWeekday, NotTaken };

// `week` holds the weekday as read; `before` the week as it was before the reading. Into the
// program: the program gets the entries and the weekday keeps its own; not taken: the weekday
// keeps its own. IntoProgram without a program of that name in the week is NotTaken.
void placeReadBack(WeeklySchedule &week, const WeeklySchedule &before, const ProgramOnDevice &held,
                   ReadBackPlace place);
