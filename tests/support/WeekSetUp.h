#pragma once

#include "document/CTavrinDoc.h"
#include "schedule/WeeklySchedule.h"

#include <functional>
#include <memory>

// The document's week as a file would bring it (no step of the history): edit works on a copy,
// which then takes the week's place.
inline void setUpWeek(CTavrinDoc &doc, const std::function<void(WeeklySchedule &)> &edit)
{
    auto week = std::make_unique<WeeklySchedule>();
    week->copyFrom(doc.week());
    edit(*week);
    doc.replaceWeek(*week);
}

#include "document/commands/WeekCommands.h"

// Programs and calendar changed as one step, Monday shown before and after.
inline bool changeProgramsAndCalendar(CTavrinDoc &doc, const QString &text,
                                      const std::vector<ChangeProgramCalendar::DayEntries> &days,
                                      const ProgramCalendar &special)
{
    const ListPlace monday{1, {}, -1, -1};
    return doc.perform(std::make_unique<ChangeProgramCalendar>(doc, text, days, special, 1, monday));
}
