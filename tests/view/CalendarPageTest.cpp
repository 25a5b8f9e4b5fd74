#include "support/MakeEntry.h"

#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "view/CalendarPage.h"
#include "view/PlayedEvents.h"

#include <gtest/gtest.h>

namespace {

constexpr int kExam = 9;
constexpr int kHalf = 10;

// Two programs made in memory, each with its entries, and a calendar, through the one path.
class CalendarPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        ProgramCalendar special;
        special.programs.push_back({kExam, QStringLiteral("Exam day")});
        special.programs.push_back({kHalf, QStringLiteral("Half day")});
        // Winter holidays; an exam day inside them and a half-day run across their end, both
        // added later; an entry whose program is gone.
        special.calendar.push_back(
            {QDate(2027, 1, 1), QDate(2027, 1, 10), kNoBellsDay, QStringLiteral("Winter holidays")});
        special.calendar.push_back({QDate(2027, 1, 4), QDate(2027, 1, 4), kExam, QStringLiteral("Maths")});
        special.calendar.push_back({QDate(2027, 1, 8), QDate(2027, 1, 12), kHalf, QString()});
        special.calendar.push_back({QDate(2027, 1, 20), QDate(2027, 1, 20), 42, QString()});
        week.setProgramCalendar(special);
        week.day(kExam).append(makeEntry(9, 0, "Voice", 2, "", "0100"));
        for (const ScheduleEntry &e :
             {makeEntry(13, 30, "Voice", 12, "", "0100"), makeEntry(7, 5, "Melody", 3, "ON", "1001"),
              makeEntry(7, 5, "", 0, "", "0100"), makeEntry(6, 0, "", 0, "OFF"), makeEntry(8, 0, "Voice", 16, "ON"),
              makeEntry(9, 0, "", 0, "", "1111")})
            week.day(kMonday).append(e);
    }

    WeeklySchedule week;
    CalendarPage page{week};
};

} // namespace

TEST_F(CalendarPageTest, TheMonthShowsTheLatestEntryCoveringEachDateAndTheWeekAhead)
{
    const QDate today(2027, 1, 3);
    const std::vector<CalendarPage::Cell> cells = page.month(2027, 1, today);
    ASSERT_EQ(cells.size(), 31u);
    auto at = [&cells](int dayOfMonth) { return cells[size_t(dayOfMonth - 1)]; };
    using K = CalendarPage::Kind;

    EXPECT_EQ(at(1).kind, K::NoBells);
    EXPECT_EQ(at(1).note, "Winter holidays");
    EXPECT_EQ(at(4).kind, K::Program);
    EXPECT_EQ(at(4).day, kExam);
    EXPECT_EQ(at(4).programName, "Exam day");
    EXPECT_EQ(at(4).note, "Maths");
    EXPECT_EQ(at(4).calendarEntry, 1);
    EXPECT_EQ(at(5).kind, K::NoBells);
    for (int d : {8, 10, 12}) {
        EXPECT_EQ(at(d).day, kHalf) << d;
        EXPECT_TRUE(at(d).note.isEmpty()) << d;
    }
    EXPECT_EQ(at(13).kind, K::Regular);
    EXPECT_EQ(at(13).day, 3); // a Wednesday
    EXPECT_TRUE(at(13).programName.isEmpty());
    EXPECT_EQ(at(20).kind, K::Regular); // its program is gone
    EXPECT_EQ(at(20).calendarEntry, -1);

    int ahead = 0;
    for (const CalendarPage::Cell &c : cells) {
        ahead += c.weekAhead;
        EXPECT_EQ(c.weekAhead, c.date >= today && c.date <= QDate(2027, 1, 9)) << c.date.toString().toStdString();
        EXPECT_EQ(c.today, c.date == today);
    }
    EXPECT_EQ(ahead, 7);

    const std::vector<CalendarPage::EntryRow> rows = page.entryRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].programName, "No bells");
    EXPECT_EQ(rows[2].programName, "Half day");
    EXPECT_EQ(rows[2].last, QDate(2027, 1, 12));
    EXPECT_TRUE(rows[3].programName.isEmpty());
}

TEST_F(CalendarPageTest, AChosenDatePlaysItsScheduleAsTheDeviceDoes)
{
    // Monday 25 January: sorted by minute, 07:05 merged, Voice 16 and the empty 09:00 not played.
    std::vector<QString> lines;
    const CalendarPage::DateEvents monday = page.dateEvents(QDate(2027, 1, 25), QDate(2027, 1, 3));
    for (const ListRow &row : monday.events)
        lines.push_back(shownEventLine(row));
    EXPECT_EQ(lines,
              (std::vector<QString>{QStringLiteral("AM 06:00  AC OFF"),
                                    QStringLiteral("AM 07:05  Melody 3  AC ON  ch1 ch2 ch4"),
                                    QStringLiteral("PM 01:30  Voice 12  ch2")}));
    EXPECT_EQ(monday.events[2][kColumnId], "3");

    const CalendarPage::DateEvents exam = page.dateEvents(QDate(2027, 1, 4), QDate(2027, 1, 3));
    EXPECT_EQ(exam.cell.programName, "Exam day");
    ASSERT_EQ(exam.events.size(), 1u);
    EXPECT_EQ(shownEventLine(exam.events[0]), "AM 09:00  Voice 2  ch2");
    SoundNames names;
    names.setName(SoundKind::Voice, 2, QStringLiteral("Lunch"));
    names.setName(SoundKind::Melody, 2, QStringLiteral("Not this one"));
    EXPECT_EQ(shownEventLine(exam.events[0], &names), "AM 09:00  Voice 2 \"Lunch\"  ch2");
    EXPECT_TRUE(page.dateEvents(QDate(2027, 1, 5), QDate()).events.empty()); // no bells
}

TEST_F(CalendarPageTest, AddingGoesLastEditingKeepsTheRowAndRefusedEntriesSayWhy)
{
    const CalendarEntry sports{QDate(2027, 1, 5), QDate(2027, 1, 5), kHalf, QStringLiteral("  Sports day ")};
    const CalendarPage::Edit added = page.added(sports);
    ASSERT_TRUE(added.special);
    EXPECT_EQ(added.special->calendar.back().note, "Sports day");
    const CalendarPage::Edit edited = page.edited(0, sports);
    ASSERT_TRUE(edited.special);
    EXPECT_EQ(edited.special->calendar[0].program, kHalf);
    EXPECT_EQ(edited.special->calendar.size(), 4u);

    const CalendarPage::Edit backwards = page.edited(1, {QDate(2027, 1, 6), QDate(2027, 1, 5), kExam, QString()});
    EXPECT_FALSE(backwards.special);
    EXPECT_EQ(backwards.fault, ProgramCalendarFault::LastBeforeFirst);
    EXPECT_EQ(page.deleted(1).special->calendar[1].program, kHalf);
    EXPECT_FALSE(page.deleted(4).special);
    EXPECT_FALSE(page.edited(-1, sports).fault);
}
