#pragma once

#include "document/ListColumns.h"
#include "schedule/ProgramCalendar.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class WeeklySchedule;

// What the Calendar window shows of a week: each date with the schedule it plays, the
// calendar's entries in the order they win, a chosen date's events, and the programs and
// calendar that adding, editing or deleting an entry leaves (the window hands those to the
// document as one step). Names and colours are the window's to choose.
class CalendarPage {
public:
    enum class Kind { Regular, Program, NoBells };

    struct Cell {
        QDate date;
        int day = 0; // the schedule played: the weekday 1..7 or a program's day number
        Kind kind = Kind::Regular;
        QString programName; // the program's own name; empty for a regular weekday
        QString note; // the note of the calendar entry that gave the program
        int calendarEntry = -1; // the row of that entry; -1 for a regular weekday
        bool today = false;
        bool weekAhead = false; // today .. today+6: the dates the device's seven weekdays cover next
    };

    struct EntryRow {
        QDate first;
        QDate last;
        int program = 0;
        QString programName; // empty when the program is gone: the entry gives no date then
        QString note;
    };

    struct DateEvents {
        Cell cell;
        std::vector<ListRow> events; // in minute order, as the device plays them
    };

    // The programs and calendar after an edit, or why the edit is refused. Both are empty for a
    // row that does not exist.
    struct Edit {
        std::optional<ProgramCalendar> special;
        std::optional<ProgramCalendarFault> fault;
    };

    explicit CalendarPage(const WeeklySchedule &week);

    Cell cell(const QDate &date, const QDate &today) const;
    // count dates from first on.
    std::vector<Cell> cells(const QDate &first, int count, const QDate &today) const;
    // The dates of one month, the 1st first.
    std::vector<Cell> month(int year, int month, const QDate &today) const;

    // The calendar's entries in the order they were added: a later row wins over an earlier one.
    std::vector<EntryRow> entryRows() const;

    DateEvents dateEvents(const QDate &date, const QDate &today) const;

    // A new entry goes last, so it wins over every entry before it.
    Edit added(const CalendarEntry &entry) const;
    // The entry keeps its row, and so its place in the order.
    Edit edited(int row, const CalendarEntry &entry) const;
    Edit deleted(int row) const;

private:
    bool isRow(int row) const;
    Edit checked(const ProgramCalendar &special, const CalendarEntry &entry) const;

    const WeeklySchedule &m_week;
};
