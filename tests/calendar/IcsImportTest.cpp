// Holiday calendar files: the dates found, what is offered ticked, what is refused, and taking
// the same file twice.
#include "calendar/IcsReading.h"
#include "calendar/ImportMerge.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2027, 3, 1); // the window runs to 2028-04-03

QByteArray calendarOf(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + events + "END:VCALENDAR\r\n";
}

QByteArray allDay(const QByteArray &uid, const QByteArray &summary, const QByteArray &start, const QByteArray &more)
{
    return "BEGIN:VEVENT\r\nUID:" + uid + "\r\nSUMMARY:" + summary + "\r\nDTSTART;VALUE=DATE:" + start + "\r\n" + more
        + "END:VEVENT\r\n";
}

// "summary first..last", plus " timed" / " past" / " unticked" where they apply.
std::vector<std::string> described(const IcsReading &reading)
{
    std::vector<std::string> lines;
    for (const IcsOccurrence &o : reading.occurrences) {
        std::string line = o.summary.toStdString() + ' ' + o.first.toString(Qt::ISODate).toStdString() + ".."
            + o.last.toString(Qt::ISODate).toStdString();
        if (!o.allDay)
            line += " timed";
        if (o.past)
            line += " past";
        if (!o.tickedByDefault())
            line += " unticked";
        lines.push_back(line);
    }
    return lines;
}

const QByteArray kTerm = calendarOf(
    allDay("break@school", "Easter break", "20270322", "DTEND;VALUE=DATE:20270403\r\n")
    + allDay("spring@school", "Spring holiday", "20270419", "")
    + allDay("founders@school", "Founders' days", "20200320", "DTEND;VALUE=DATE:20200322\r\nRRULE:FREQ=YEARLY\r\n")
    + allDay("club@school", "No club", "20270302",
             "DTEND;VALUE=DATE:20270303\r\nRRULE:FREQ=WEEKLY;UNTIL=20270330\r\nEXDATE;VALUE=DATE:20270316\r\n"));

TEST(IcsReading, AllDayEventsKeepTheirDatesAndRecurrencesAreExpanded)
{
    const IcsReading reading = readIcs(kTerm, kToday);
    ASSERT_FALSE(reading.refusal);
    // DTEND is exclusive, no DTEND is one day, a yearly two-day event is two days every year
    // of the window, and the weekly one skips its EXDATE and stops at UNTIL.
    EXPECT_EQ(described(reading),
              (std::vector<std::string>{
                  "No club 2027-03-02..2027-03-02",
                  "No club 2027-03-09..2027-03-09",
                  "Founders' days 2027-03-20..2027-03-21",
                  "Easter break 2027-03-22..2027-04-02",
                  "No club 2027-03-23..2027-03-23",
                  "No club 2027-03-30..2027-03-30",
                  "Spring holiday 2027-04-19..2027-04-19",
                  "Founders' days 2028-03-20..2028-03-21",
              }));
    EXPECT_EQ(reading.occurrences.front().uid, "club@school");
}

TEST(IcsReading, TimedPastAndZonedEventsAreListedUntickedOrWhereTheyFall)
{
    const QByteArray file = calendarOf(
        "BEGIN:VEVENT\r\nUID:meeting\r\nSUMMARY:Staff meeting\r\nDTSTART:20270305T150000Z\r\n"
        "DTEND:20270305T170000Z\r\nEND:VEVENT\r\n"
        + allDay("old", "Christmas", "20261224", "DTEND;VALUE=DATE:20261227\r\n")
        // an all-day date with a zone a long way from here, and a summary over two lines
        + "BEGIN:VEVENT\r\nUID:zoned-day\r\nSUMMARY:Sports\\nday\r\n"
          "DTSTART;TZID=Pacific/Kiritimati;VALUE=DATE:20270401\r\nEND:VEVENT\r\n"
        + "BEGIN:VEVENT\r\nUID:zoned-time\r\nSUMMARY:Night\r\n"
          "DTSTART;TZID=Nowhere/Unknown:20270402T233000\r\nDTEND;TZID=Nowhere/Unknown:20270403T010000\r\n"
          "RRULE:FREQ=DAILY;COUNT=2\r\nEND:VEVENT\r\n"
        + "BEGIN:VEVENT\r\nUID:to-midnight\r\nSUMMARY:Evening\r\n"
          "DTSTART;TZID=Europe/Madrid:20270406T180000\r\nDTEND;TZID=Europe/Madrid:20270407T000000\r\nEND:VEVENT\r\n");
    const IcsReading reading = readIcs(file, kToday);
    ASSERT_FALSE(reading.refusal);
    EXPECT_EQ(described(reading),
              (std::vector<std::string>{
                  "Christmas 2026-12-24..2026-12-26 past unticked",
                  "Staff meeting 2027-03-05..2027-03-05 timed unticked",
                  "Sports day 2027-04-01..2027-04-01",
                  "Night 2027-04-02..2027-04-03 timed unticked",
                  "Night 2027-04-03..2027-04-04 timed unticked",
                  "Evening 2027-04-06..2027-04-06 timed unticked",
              }));
}

TEST(IcsReading, RefusesWhatIsNotACalendarOrTooMuchOfOne)
{
    EXPECT_EQ(readIcs("Date,Holiday\r\n2027-03-22,Easter\r\n", kToday).refusal, IcsRefusal::NotICalendar);
    EXPECT_EQ(readIcs(QByteArray(), kToday).refusal, IcsRefusal::NotICalendar);
    EXPECT_EQ(readIcs(kTerm + '\0', kToday).refusal, IcsRefusal::NotICalendar);

    QByteArray large = kTerm;
    large.insert(large.indexOf("END:VCALENDAR"), "X-PADDING:" + QByteArray(kMaxIcsBytes, 'x') + "\r\n");
    EXPECT_EQ(readIcs(large, kToday).refusal, IcsRefusal::TooLarge);

    QByteArray events;
    for (int i = 0; i < kMaxIcsEvents; ++i)
        events += allDay("day" + QByteArray::number(i), "Day", "20270601", "");
    EXPECT_EQ(readIcs(calendarOf(events), kToday).occurrences.size(), size_t(kMaxIcsEvents));
    EXPECT_EQ(readIcs(calendarOf(events + allDay("one-more", "Day", "20270601", "")), kToday).refusal,
              IcsRefusal::TooManyEvents);

    // thirteen daily events make 5,200 occurrences in the window
    QByteArray daily;
    for (int i = 0; i < 13; ++i)
        daily += allDay("daily" + QByteArray::number(i), "Every day", "20270101", "RRULE:FREQ=DAILY\r\n");
    const IcsReading tooMany = readIcs(calendarOf(daily), kToday);
    EXPECT_EQ(tooMany.refusal, IcsRefusal::TooManyOccurrences);
    EXPECT_TRUE(tooMany.occurrences.empty());
}

TEST(IcsMerge, TakingTheSameFileAgainUpdatesWhatItTookBefore)
{
    constexpr int kExam = 9;
    std::vector<CalendarEntry> calendar{{QDate(2027, 3, 10), QDate(2027, 3, 10), kExam, QStringLiteral("by hand")}};
    auto chooseAll = [](const IcsReading &reading) {
        std::vector<ChosenOccurrence> chosen;
        for (const IcsOccurrence &o : reading.occurrences)
            chosen.push_back({o, kNoBellsDay});
        return chosen;
    };
    calendar = mergeOccurrences(calendar, chooseAll(readIcs(kTerm, kToday)));
    ASSERT_EQ(calendar.size(), 9u);
    const CalendarEntry breakBefore = calendar[4];
    EXPECT_EQ(breakBefore.note, "Easter break");
    EXPECT_EQ(breakBefore.sourceUid, "break@school");
    EXPECT_EQ(breakBefore.sourceDate, QDate(2027, 3, 22));

    // The break is renamed and a day longer; one chosen occurrence goes to an exam day.
    QByteArray edited = kTerm;
    edited.replace("SUMMARY:Easter break", "SUMMARY:Spring break").replace("20270403", "20270404");
    std::vector<ChosenOccurrence> again = chooseAll(readIcs(edited, kToday));
    again.front().program = kExam;
    calendar = mergeOccurrences(calendar, again);

    ASSERT_EQ(calendar.size(), 9u);
    EXPECT_EQ(calendar[0].note, "by hand");
    EXPECT_EQ(calendar[1].program, kExam); // the first club Tuesday, where it stood
    EXPECT_EQ(calendar[4].note, "Spring break");
    EXPECT_EQ(calendar[4].last, QDate(2027, 4, 3));
    EXPECT_EQ(calendar[4].sourceDate, breakBefore.sourceDate);
}

} // namespace
