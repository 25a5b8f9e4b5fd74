// The week on paper as pages of text, before anything is drawn.
#include "view/WeekReport.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"

#include <gtest/gtest.h>

namespace {

ScheduleEntry bell(int minute, const std::string &kind = "Melody", const std::string &selection = "3")
{
    ScheduleEntry e;
    e.Time = storedTime(minute / 60, minute % 60);
    e.MelodyVoice = kind;
    e.Selection = selection;
    e.AC = "ON";
    e.CH1 = "1";
    e.CH2 = e.CH3 = e.CH4 = "0";
    return e;
}

void fill(WeeklySchedule &week, int day, int count)
{
    for (int i = 0; i < count; ++i)
        week.day(day).append(bell(i));
}

int countLines(const ReportDocument &document, const QString &text)
{
    int n = 0;
    for (const auto &page : document.pages)
        for (const QString &line : page)
            n += line.contains(text) ? 1 : 0;
    return n;
}

} // namespace

TEST(WeekReport, EachDayStartsAPageOfItsOwnAndPagesAreNumberedThroughTheDocument)
{
    EXPECT_EQ(WeekReport::dayPageCount(0), 1);
    EXPECT_EQ(WeekReport::dayPageCount(55), 1);
    EXPECT_EQ(WeekReport::dayPageCount(56), 2);
    EXPECT_EQ(WeekReport::dayPageCount(1439), 27);

    WeeklySchedule week;
    fill(week, 1, 1439);
    fill(week, 3, 56);
    WeekReportOptions options;
    options.scheduleName = QStringLiteral("school.mdb");
    const ReportDocument document = WeekReport::build(week, options);
    ASSERT_EQ(document.pages.size(), 27u + 1 + 2 + 4);
    EXPECT_TRUE(document.pages[0][0].startsWith(QStringLiteral("school.mdb ")));
    EXPECT_TRUE(document.pages[0][0].endsWith(QStringLiteral("page 1 of 34")));
    EXPECT_TRUE(document.pages[33][0].endsWith(QStringLiteral("page 34 of 34")));
    EXPECT_EQ(document.pages[27][2], QStringLiteral("  *****   Schedule of Tuesday   ***** "));
    EXPECT_EQ(document.pages[1][2], QStringLiteral("  Monday, continued"));
    EXPECT_EQ(countLines(document, QStringLiteral("Schedule of Monday")), 1);

    // 55 entries and 10 dashed rules on a full page; Wednesday's second page holds its 56th
    EXPECT_EQ(document.pages[0].size(), 8u + 55 + 10);
    EXPECT_EQ(document.pages[26].size(), 8u + 1439 - 26 * 55 + (1439 - 26 * 55 - 1) / 5);
    ASSERT_EQ(document.pages[29].size(), 9u);
    EXPECT_TRUE(document.pages[29][8].startsWith(QStringLiteral("56 ")));
    EXPECT_EQ(document.mostLines(), 73);
}

TEST(WeekReport, SoundsShowByNameAfterTheirEntriesAndProgramsAndCalendarComeWhenAsked)
{
    WeeklySchedule week;
    week.day(2).append(bell(7 * 60 + 5, "Melody", "3"));
    week.day(2).append(bell(8 * 60, "Voice", "3"));
    week.day(2).append(bell(9 * 60, "", "0"));
    SoundNames names;
    names.setName(SoundKind::Melody, 3, QStringLiteral("Westminster"));
    week.setSoundNames(names);
    ProgramCalendar special;
    special.programs.push_back({9, QStringLiteral("Exam day")});
    special.calendar.push_back({QDate(2027, 1, 4), QDate(2027, 1, 4), 9, QStringLiteral("Maths")});
    special.calendar.push_back({QDate(2026, 12, 1), QDate(2026, 12, 31), kNoBellsDay, QStringLiteral("Past")});
    special.calendar.push_back({QDate(2028, 6, 1), QDate(2028, 6, 1), 9, QStringLiteral("Too far")});
    week.setProgramCalendar(special);
    week.day(9).append(bell(10 * 60, "Melody", "3"));

    WeekReportOptions options;
    options.weekdays = {2};
    ReportDocument document = WeekReport::build(week, options);
    ASSERT_EQ(document.pages.size(), 1u);
    const std::vector<QString> &tuesday = document.pages[0];
    EXPECT_EQ(tuesday[5].indexOf(QStringLiteral("SOUND")), 120);
    EXPECT_EQ(tuesday[8].indexOf(QStringLiteral("Westminster")), 120);
    EXPECT_TRUE(tuesday[8].startsWith(QStringLiteral("1           AM          07:05       Melody      3 ")));
    EXPECT_FALSE(tuesday[9].contains(QStringLiteral("Westminster"))); // Voice 3 has no name
    EXPECT_FALSE(tuesday[10].contains(QStringLiteral("Westminster")));

    options.programs = true;
    options.calendar = true;
    options.calendarFrom = QDate(2027, 1, 1);
    document = WeekReport::build(week, options);
    ASSERT_EQ(document.pages.size(), 3u);
    EXPECT_EQ(document.pages[1][2], QStringLiteral("  *****   Schedule of Exam day   ***** "));
    EXPECT_TRUE(document.pages[1][8].contains(QStringLiteral("Westminster")));
    EXPECT_TRUE(document.pages[2][2].contains(QStringLiteral("Calendar from 2027-01-01 to 2027-12-31")));
    ASSERT_EQ(document.pages[2].size(), 9u);
    EXPECT_TRUE(document.pages[2][8].startsWith(QStringLiteral("2027-01-04  2027-01-04  Exam day")));
    EXPECT_TRUE(document.pages[2][8].endsWith(QStringLiteral("Maths")));
}
