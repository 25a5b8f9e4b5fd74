#include "view/CalendarPage.h"

#include "schedule/DayPlan.h"
#include "schedule/WeeklySchedule.h"
#include "view/PlayedEvents.h"

namespace {
CalendarEntry tidied(CalendarEntry entry)
{
    entry.note = entry.note.trimmed();
    return entry;
}
} // namespace

CalendarPage::CalendarPage(const WeeklySchedule &week)
    : m_week(week)
{
}

CalendarPage::Cell CalendarPage::cell(const QDate &date, const QDate &today) const
{
    const ProgramCalendar &special = m_week.programCalendar();
    const PlannedDate planned = planDate(special, date);
    Cell c;
    c.date = date;
    c.day = planned.day;
    c.calendarEntry = planned.calendarEntry;
    if (!planned.isRegular()) {
        c.kind = planned.day == kNoBellsDay ? Kind::NoBells : Kind::Program;
        c.programName = special.program(planned.day)->name;
        c.note = special.calendar[size_t(planned.calendarEntry)].note;
    }
    c.today = date == today;
    c.weekAhead = today.isValid() && today <= date && date <= today.addDays(6);
    return c;
}

std::vector<CalendarPage::Cell> CalendarPage::cells(const QDate &first, int count, const QDate &today) const
{
    std::vector<Cell> found;
    if (!first.isValid() || count < 1)
        return found;
    found.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        found.push_back(cell(first.addDays(i), today));
    return found;
}

std::vector<CalendarPage::Cell> CalendarPage::month(int year, int month, const QDate &today) const
{
    const QDate first(year, month, 1);
    return cells(first, first.daysInMonth(), today);
}

std::vector<CalendarPage::EntryRow> CalendarPage::entryRows() const
{
    const ProgramCalendar &special = m_week.programCalendar();
    std::vector<EntryRow> rows;
    rows.reserve(special.calendar.size());
    for (const CalendarEntry &e : special.calendar) {
        const DayProgram *program = special.program(e.program);
        rows.push_back({e.first, e.last, e.program, program ? program->name : QString(), e.note});
    }
    return rows;
}

CalendarPage::DateEvents CalendarPage::dateEvents(const QDate &date, const QDate &today) const
{
    DateEvents events;
    events.cell = cell(date, today);
    if (date.isValid())
        events.events = playedRows(m_week.day(events.cell.day));
    return events;
}

CalendarPage::Edit CalendarPage::checked(const ProgramCalendar &special, const CalendarEntry &entry) const
{
    Edit edit;
    edit.fault = checkCalendarEntry(special, entry);
    if (!edit.fault)
        edit.special = special;
    return edit;
}

CalendarPage::Edit CalendarPage::added(const CalendarEntry &entry) const
{
    ProgramCalendar special = m_week.programCalendar();
    special.calendar.push_back(tidied(entry));
    return checked(special, special.calendar.back());
}

CalendarPage::Edit CalendarPage::edited(int row, const CalendarEntry &entry) const
{
    if (!isRow(row))
        return {};
    ProgramCalendar special = m_week.programCalendar();
    special.calendar[size_t(row)] = tidied(entry);
    return checked(special, special.calendar[size_t(row)]);
}

CalendarPage::Edit CalendarPage::deleted(int row) const
{
    if (!isRow(row))
        return {};
    ProgramCalendar special = m_week.programCalendar();
    special.calendar.erase(special.calendar.begin() + row);
    return {special, std::nullopt};
}

bool CalendarPage::isRow(int row) const
{
    return row >= 0 && size_t(row) < m_week.programCalendar().calendar.size();
}
