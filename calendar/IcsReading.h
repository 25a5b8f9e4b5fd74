#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// What a holiday calendar file (iCalendar, .ics) holds for the days ahead, before anything in
// the schedule changes. "today" is always given, never read from the clock.
//
// Dates are the calendar's own: an all-day event's DTEND is the day after its last date, an
// event without DTEND or DURATION lasts one day, and a date is never moved to another time
// zone (a timed event keeps the date it is written with). Recurring events (RRULE, RDATE,
// less EXDATE and the occurrences that RECURRENCE-ID events replace) are expanded over the
// next kIcsHorizonDays days from today; every occurrence lasts as long as the event's own
// DTSTART..DTEND. A cancelled event is left out.

constexpr qsizetype kMaxIcsBytes = 4 * 1024 * 1024;
constexpr int kMaxIcsEvents = 2000;
constexpr int kMaxIcsOccurrences = 5000;
constexpr int kIcsHorizonDays = 400;

struct IcsOccurrence {
    QString uid; // the event's UID: one for every occurrence of a recurring event
    QString summary; // one line, no control characters
    QDate first;
    QDate last; // inclusive
    bool allDay = true;
    bool past = false; // its last date is before today

    // Offered ticked: an all-day occurrence that is not over. A timed event is rarely a day
    // without bells, and a past one changes nothing the device plays.
    bool tickedByDefault() const { return allDay && !past; }
    bool operator==(const IcsOccurrence &) const = default;
};

enum class IcsRefusal {
    NotICalendar,
    TooLarge, // more than kMaxIcsBytes
    TooManyEvents, // more than kMaxIcsEvents VEVENTs
    TooManyOccurrences, // more than kMaxIcsOccurrences once expanded
};

struct IcsReading {
    std::optional<IcsRefusal> refusal; // when set, occurrences is empty
    std::vector<IcsOccurrence> occurrences; // by first date, then summary
};

IcsReading readIcs(const QByteArray &bytes, const QDate &today);
