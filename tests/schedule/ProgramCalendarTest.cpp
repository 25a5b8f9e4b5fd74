#include "schedule/DayPlan.h"
#include "schedule/WeekEditor.h"
#include "schedule/WeeklySchedule.h"

#include <gtest/gtest.h>

namespace {

ScheduleEntry bellAt(const std::string &hhmm)
{
    ScheduleEntry e;
    e.Time = std::string(11, ' ') + hhmm;
    e.MelodyVoice = "Melody";
    e.Selection = "1";
    e.AC = "ON";
    e.CH1 = "1";
    e.CH2 = e.CH3 = e.CH4 = "0";
    return e;
}

ListPlace on(int day)
{
    ListPlace place;
    place.day = day;
    return place;
}

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

TEST(ProgramCalendar, AProgramIsMadeFilledAndDeletedAsStepsThatUndo)
{
    WeeklySchedule week;
    WeekEditor editor(week);
    EXPECT_TRUE(week.hasDay(kNoBellsDay));
    EXPECT_FALSE(week.isEditableDay(kNoBellsDay));

    // Made and given a bell in one step.
    ProgramCalendar withExam = week.programCalendar();
    const int exam = week.nextProgramDay();
    withExam.programs.push_back({exam, QStringLiteral("Exam day")});
    ASSERT_TRUE(
        editor.change(QStringLiteral("New Program"), {{exam, {}, {bellAt("08:00")}}}, on(1), on(exam), withExam));
    EXPECT_EQ(week.shownDay(), exam);
    EXPECT_EQ(week.dayTitle(exam), "Exam day");
    EXPECT_EQ(week.day(exam).count(), 1);
    EXPECT_EQ(week.WorkingDay.count(), 1);
    // "No bells" takes no entries, not even through the one path.
    EXPECT_FALSE(
        editor.change(QStringLiteral("Insert"), {{kNoBellsDay, {}, {bellAt("09:00")}}}, on(exam), on(kNoBellsDay)));
    EXPECT_FALSE(week.WriteEntry(kNoBellsDay, 1, bellAt("09:00")));

    // Deleted with its calendar entry and its entries, as one step.
    ProgramCalendar withCalendar = week.programCalendar();
    withCalendar.calendar.push_back({QDate(2027, 1, 4), QDate(2027, 1, 4), exam, QString()});
    ASSERT_TRUE(editor.change(QStringLiteral("Add Date"), {}, on(exam), on(exam), withCalendar));
    ProgramCalendar without = week.programCalendar();
    without.programs.pop_back();
    without.calendar.clear();
    ASSERT_TRUE(editor.change(QStringLiteral("Delete Program"), {{exam, week.day(exam).entries(), {}}}, on(exam), on(1),
                              without));
    EXPECT_FALSE(week.hasDay(exam));
    EXPECT_EQ(week.shownDay(), 1);
    EXPECT_GT(week.nextProgramDay(), exam); // its number is not given to the next program

    editor.undo();
    EXPECT_EQ(week.dayTitle(exam), "Exam day");
    EXPECT_EQ(week.day(exam).count(), 1);
    EXPECT_EQ(week.programCalendar().calendar.size(), 1u);
    EXPECT_EQ(week.shownDay(), exam);
    editor.undo();
    editor.undo();
    EXPECT_FALSE(week.hasDay(exam));
    EXPECT_EQ(week.shownDay(), 1);
    EXPECT_FALSE(editor.isModified());
    editor.redo();
    EXPECT_EQ(week.day(exam).count(), 1);

    // A copy holds the programs and the calendar too.
    WeeklySchedule copy;
    copy.copyFrom(week);
    EXPECT_TRUE(copy.sameDays(week));
    copy.day(exam).clear();
    EXPECT_FALSE(copy.sameDays(week));
}
