#pragma once

#include "calendar/IcsReading.h"
#include "schedule/ProgramCalendar.h"

#include <vector>

// An occurrence the operator took from a calendar file, with the program its dates will play.
struct ChosenOccurrence {
    IcsOccurrence occurrence;
    int program = kNoBellsDay;
};

// The calendar after taking the chosen occurrences. One taken before (an entry with the same
// UID and the same occurrence date) is updated where it stands: its dates, program and note
// (the summary) follow the file, and it keeps its place among the entries. Every other one is
// added at the end, in the order given. An occurrence without UID cannot be known again and is
// always added.
std::vector<CalendarEntry> mergeOccurrences(std::vector<CalendarEntry> calendar,
                                            const std::vector<ChosenOccurrence> &chosen);
