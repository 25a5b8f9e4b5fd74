#pragma once

#include "document/commands/DayStep.h"

// The calendar's entries become `calendar`; the programs and every day stay. The list stays
// where it is.
class ChangeCalendar : public DayStep {
public:
    ChangeCalendar(CTavrinDoc &doc, const QString &text, const std::vector<CalendarEntry> &calendar,
                   const ListPlace &before);
};

// "Add Calendar Entry": entry after every other one, so it wins over them.
class AddCalendarEntry : public ChangeCalendar {
public:
    AddCalendarEntry(CTavrinDoc &doc, const CalendarEntry &entry, const ListPlace &before,
                     const QString &text = QString());
};

// "Delete Calendar Entry": the entry at position `index`; a step that changes nothing when
// there is none.
class RemoveCalendarEntry : public ChangeCalendar {
public:
    RemoveCalendarEntry(CTavrinDoc &doc, int index, const ListPlace &before, const QString &text = QString());
};
