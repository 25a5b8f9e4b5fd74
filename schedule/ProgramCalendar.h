#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The day programs and the calendar of a schedule file, beside its regular week.
//
// A day program is a named day of entries like a weekday; its entries live in the week under
// its day number (kFirstProgramDay and up, never reused while a document is open). "No bells"
// always exists, under kNoBellsDay, and is always empty.
//
// A calendar entry gives the dates first..last (the same date for one day) to a program. A
// date's effective schedule is the program of the latest-added entry covering it whose program
// exists, otherwise its regular weekday.

constexpr int kNoBellsDay = 8;
constexpr int kFirstProgramDay = kNoBellsDay;

struct DayProgram {
    int day = 0; // the program's day number in the week, kFirstProgramDay or above
    QString name;

    bool operator==(const DayProgram &) const = default;
};

struct CalendarEntry {
    QDate first;
    QDate last;
    int program = 0; // a program's day number
    QString note;
    // Where an entry came from when it was imported from a calendar file: the event's UID and
    // the first date of the occurrence (a recurring event has one UID for all its occurrences).
    // Empty for entries made by hand.
    QString sourceUid{};
    QDate sourceDate{};

    bool covers(const QDate &date) const { return first <= date && date <= last; }
    bool operator==(const CalendarEntry &) const = default;
};

struct ProgramCalendar {
    static const QString kNoBellsName; // "No bells"

    // In the order the operator sees them, "No bells" first.
    std::vector<DayProgram> programs{{kNoBellsDay, kNoBellsName}};
    // In the order they were added: a later entry wins over an earlier one.
    std::vector<CalendarEntry> calendar;

    bool operator==(const ProgramCalendar &) const = default;

    const DayProgram *program(int day) const;
    // The program of that name, compared without regard to case; nullptr when none.
    const DayProgram *programNamed(const QString &name) const;
    // The day number a new program takes: above every number in use or used before (usedBefore).
    int nextProgramDay(int usedBefore = 0) const;

    // The positions in calendar of the entries that give their dates to program.
    std::vector<int> entriesUsing(int program) const;

    // The latest-added entry covering date whose program exists; -1 when none.
    int entryFor(const QDate &date) const;
};

// Why a program or calendar change is refused; the shell says it in the operator's words.
enum class ProgramCalendarFault {
    EmptyName,
    NameTaken,
    NoBellsIsFixed, // "No bells" cannot be renamed, deleted or given entries
    NoSuchProgram,
    LastBeforeFirst,
    InvalidDate,
    TooManyPrograms, // a file keeps no more than it can load again
    TooManyCalendarEntries,
    ControlCharacter, // in a program's name or a calendar entry's note
};

// The checks every editor of programs and calendar entries makes before a change. A new program
// (renamedDay 0) is refused when the file could not hold one more; the calendar entry is checked
// within the calendar it will belong to.
std::optional<ProgramCalendarFault> checkProgramName(const ProgramCalendar &special, const QString &name,
                                                     int renamedDay = 0);
std::optional<ProgramCalendarFault> checkCalendarEntry(const ProgramCalendar &special, const CalendarEntry &entry);
