#pragma once

#include "document/commands/DayStep.h"

#include <functional>

// A change worked out on a copy of the week, by a dialog that writes a week (Auto Set, Upload,
// taking the device's days): the days that differ from the document's become one step. With
// nameDays the name gains the days: "Auto Set (Sunday)", "Auto Set (Exam day)". The list shows
// afterwards the day the copy shows, as after a refill.
class ReplaceDays : public DayStep {
public:
    ReplaceDays(CTavrinDoc &doc, const WeeklySchedule &changed, const QString &text, bool nameDays,
                const ListPlace &before);

    // Runs write on a copy of the document's week; a step when it returns true.
    static std::unique_ptr<ReplaceDays> through(CTavrinDoc &doc, const QString &text, bool nameDays,
                                                const ListPlace &before,
                                                const std::function<bool(WeeklySchedule &)> &write);
};

// The programs and the calendar change (a program made, renamed or deleted, a calendar entry
// added, edited or removed), with the entries that go or come with a program; afterwards the
// list shows shownDay (the same place when the day stays).
class ChangeProgramCalendar : public DayStep {
public:
    struct DayEntries {
        int day;
        std::vector<ScheduleEntry> after;
    };
    ChangeProgramCalendar(CTavrinDoc &doc, const QString &text, const std::vector<DayEntries> &days,
                          const ProgramCalendar &special, int shownDay, const ListPlace &before);
};
