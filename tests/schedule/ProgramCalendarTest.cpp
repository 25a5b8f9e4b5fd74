#include "schedule/DayPlan.h"
#include "schedule/WeeklySchedule.h"

#include <gtest/gtest.h>

namespace {

constexpr int kExam = 9;
constexpr int kHalf = 10;

ProgramCalendar examAndHalfDay()
{
    ProgramCalendar special;
    special.programs.push_back({kExam, QStringLiteral("Exam day")});
    special.programs.push_back({kHalf, QStringLiteral("Half day")});
    return special;
}

} // namespace

TEST(DayPlan, TheLatestAddedEntryCoveringADateWins)
{
    ProgramCalendar special = examAndHalfDay();
    // 2026-12-21 is a Monday. Winter holidays cross the year's end; an exam day inside them was
    // added later and wins; a leap day is a date like any other.
    special.calendar.push_back(
        {QDate(2026, 12, 19), QDate(2027, 1, 6), kNoBellsDay, QStringLiteral("Winter holidays")});
    special.calendar.push_back({QDate(2027, 1, 4), QDate(2027, 1, 4), kExam, QString()});
    special.calendar.push_back({QDate(2028, 2, 29), QDate(2028, 2, 29), kHalf, QString()});
    // An entry whose program is gone gives way to the ones under it.
    special.calendar.push_back({QDate(2027, 1, 5), QDate(2027, 1, 5), 42, QString()});

    EXPECT_EQ(planDate(special, QDate(2026, 12, 18)).day, 5); // a regular Friday
    EXPECT_TRUE(planDate(special, QDate(2026, 12, 18)).isRegular());
    EXPECT_EQ(planDate(special, QDate(2026, 12, 31)).day, kNoBellsDay);
    EXPECT_EQ(planDate(special, QDate(2027, 1, 4)).day, kExam);
    EXPECT_EQ(planDate(special, QDate(2027, 1, 4)).calendarEntry, 1);
    EXPECT_EQ(planDate(special, QDate(2027, 1, 5)).day, kNoBellsDay);
    EXPECT_EQ(planDate(special, QDate(2027, 1, 7)).day, 4); // a regular Thursday
    EXPECT_EQ(planDate(special, QDate(2028, 2, 29)).day, kHalf);
    EXPECT_EQ(planDate(special, QDate(2028, 2, 28)).day, 1);

    // Moving the exam day under the holidays lets the holidays win.
    std::swap(special.calendar[0], special.calendar[1]);
    EXPECT_EQ(planDate(special, QDate(2027, 1, 4)).day, kNoBellsDay);
    EXPECT_EQ(special.entriesUsing(kNoBellsDay), std::vector<int>{1});
}

TEST(DayPlan, TheWeekAheadGivesEachWeekdayTheDateThatFallsOnIt)
{
    ProgramCalendar special = examAndHalfDay();
    special.calendar.push_back({QDate(2026, 12, 16), QDate(2026, 12, 16), kExam, QString()}); // a Wednesday

    // From Thursday 10 December: the Wednesday ahead is the 16th, the exam day.
    const auto week = planWeekAhead(special, QDate(2026, 12, 10));
    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(week[size_t(d - 1)].weekday, d);
        EXPECT_GE(week[size_t(d - 1)].date, QDate(2026, 12, 10));
        EXPECT_LE(week[size_t(d - 1)].date, QDate(2026, 12, 16));
    }
    EXPECT_EQ(week[2].day, kExam);
    EXPECT_EQ(week[3].date, QDate(2026, 12, 10));
    EXPECT_EQ(week[3].day, 4);
    // From the day after, Wednesday is the regular one of the 23rd again.
    EXPECT_EQ(planWeekAhead(special, QDate(2026, 12, 17))[2].day, 3);
    EXPECT_TRUE(planDates(special, QDate(), 7).empty());
}

TEST(ProgramCalendar, NamesAndEntriesAreCheckedBeforeAChange)
{
    const ProgramCalendar special = examAndHalfDay();
    using F = ProgramCalendarFault;
    EXPECT_EQ(checkProgramName(special, QStringLiteral("  ")), F::EmptyName);
    EXPECT_EQ(checkProgramName(special, QStringLiteral("exam DAY")), F::NameTaken);
    EXPECT_EQ(checkProgramName(special, QStringLiteral("no bells")), F::NameTaken);
    EXPECT_EQ(checkProgramName(special, QStringLiteral("Exam day"), kExam), std::nullopt); // renamed to itself
    EXPECT_EQ(checkProgramName(special, QStringLiteral("Quiet"), kNoBellsDay), F::NoBellsIsFixed);
    EXPECT_EQ(checkProgramName(special, QStringLiteral("Sports day")), std::nullopt);
    EXPECT_EQ(checkCalendarEntry(special, {QDate(2027, 1, 2), QDate(2027, 1, 1), kExam, QString()}),
              F::LastBeforeFirst);
    EXPECT_EQ(checkCalendarEntry(special, {QDate(2027, 1, 1), QDate(2027, 1, 1), 77, QString()}), F::NoSuchProgram);
    EXPECT_EQ(checkCalendarEntry(special, {QDate(), QDate(2027, 1, 1), kExam, QString()}), F::InvalidDate);
    EXPECT_EQ(special.nextProgramDay(), kHalf + 1);

    // No more programs than a file loads again; renaming one is still fine.
    ProgramCalendar full;
    for (int i = 0; i < 100; ++i)
        full.programs.push_back({full.nextProgramDay(), QString::number(i)});
    EXPECT_EQ(checkProgramName(full, QStringLiteral("One more")), F::TooManyPrograms);
    EXPECT_EQ(checkProgramName(full, QStringLiteral("Renamed"), full.programs.back().day), std::nullopt);
}
