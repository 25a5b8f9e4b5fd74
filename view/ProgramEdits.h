#pragma once

#include "document/commands/WeekCommands.h"
#include "schedule/ProgramCalendar.h"

#include <QString>

#include <optional>
#include <vector>

class WeeklySchedule;

// New, Rename and Delete of a day program as one step each, worked out from the week without
// changing it: what ScheduleList::changeProgramCalendar makes the step of.
struct ProgramChange {
    std::optional<ProgramCalendarFault> refused; // the step is not made; the rest is empty
    QString text; // "New Program (Exam day)"
    std::vector<ChangeProgramCalendar::DayEntries> days; // the entries that go with a deleted program
    ProgramCalendar special; // the programs and the calendar after the step
    int shownDay = 0; // the day the list shows after it
};

// A program of that name (trimmed) under the week's next program day number, shown at once.
ProgramChange newProgram(const WeeklySchedule &week, const QString &name);
// The program under day takes the name; it stays shown.
ProgramChange renameProgram(const WeeklySchedule &week, int day, const QString &name);
// The program, its entries and every calendar entry giving it dates go; Monday is shown.
ProgramChange deleteProgram(const WeeklySchedule &week, int day);

// The dates the calendar gives program, earliest first: "2027-01-04, 2027-02-01 – 2027-02-05";
// after `shown` of them, "and N more". Empty when the calendar does not use it.
QString calendarDatesOf(const ProgramCalendar &special, int program, int shown = 10);
