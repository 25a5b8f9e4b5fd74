#include "document/commands/CalendarCommands.h"

#include "document/CTavrinDoc.h"
#include "schedule/WeeklySchedule.h"

#include <QCoreApplication>

namespace {

std::vector<CalendarEntry> withEntry(const CTavrinDoc &doc, const CalendarEntry &entry)
{
    std::vector<CalendarEntry> calendar = doc.week().programCalendar().calendar;
    calendar.push_back(entry);
    return calendar;
}

std::vector<CalendarEntry> withoutEntry(const CTavrinDoc &doc, int index)
{
    std::vector<CalendarEntry> calendar = doc.week().programCalendar().calendar;
    if (index >= 0 && size_t(index) < calendar.size())
        calendar.erase(calendar.begin() + index);
    return calendar;
}

} // namespace

ChangeCalendar::ChangeCalendar(CTavrinDoc &doc, const QString &text, const std::vector<CalendarEntry> &calendar,
                               const ListPlace &before)
    : DayStep(doc, text, before)
{
    ProgramCalendar special = doc.week().programCalendar();
    if (special.calendar != calendar) {
        special.calendar = calendar;
        changeProgramCalendar(special);
    }
    setPlaceAfter(before);
}

AddCalendarEntry::AddCalendarEntry(CTavrinDoc &doc, const CalendarEntry &entry, const ListPlace &before,
                                   const QString &text)
    : ChangeCalendar(doc, text.isEmpty() ? QCoreApplication::translate("CalendarCommands", "Add Calendar Entry") : text,
                     withEntry(doc, entry), before)
{
}

RemoveCalendarEntry::RemoveCalendarEntry(CTavrinDoc &doc, int index, const ListPlace &before, const QString &text)
    : ChangeCalendar(doc,
                     text.isEmpty() ? QCoreApplication::translate("CalendarCommands", "Delete Calendar Entry") : text,
                     withoutEntry(doc, index), before)
{
}
