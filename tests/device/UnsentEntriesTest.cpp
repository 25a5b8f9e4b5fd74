#include "device/UnsentEntries.h"
#include "device/DayImage.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"

#include <gtest/gtest.h>

namespace {

ScheduleEntry entry(const std::string &time, const std::string &mv, const std::string &sel, const std::string &ac)
{
    return ScheduleEntry{time, mv, sel, ac, "1", "0", "0", "1"};
}

TEST(UnsentEntries, NamesEveryEntryTheImageDoesNotCarry)
{
    DaySchedule day;
    day.append(entry(storedTime(6, 0), "Melody", "15", ""));
    day.append(entry(storedTime(7, 5), "Voice", "16", "ON"));
    day.append(entry(storedTime(8, 0), "", "", ""));
    day.append(entry("           25:10", "Melody", "1", ""));
    day.append(entry(storedTime(9, 0), " ", "0", "OFF"));
    day.append(entry(storedTime(10, 0), "", "99", "ON")); // the number is not used without a sound

    const std::vector<UnsentEntry> unsent = entriesNotEncoded(day);
    ASSERT_EQ(unsent.size(), 3u);
    EXPECT_EQ(unsent[0], (UnsentEntry{2, UnsentEntry::Reason::SelectionAbove15, "07:05", 16}));
    EXPECT_EQ(unsent[1], (UnsentEntry{3, UnsentEntry::Reason::NothingToDo, "08:00", 0}));
    EXPECT_EQ(unsent[2], (UnsentEntry{4, UnsentEntry::Reason::NoTime, "25:10", 0}));
    EXPECT_EQ(describeUnsent(unsent[0]), "Selection 16 at 07:05 is above 15");
    EXPECT_EQ(describeUnsent(unsent[1]), "08:00 has neither Melody/Voice nor AC");
    EXPECT_EQ(describeUnsent(unsent[2]), "Time \"25:10\" is not a time of day");

    // What it names is exactly what the image loses: the others come back.
    DayImage image;
    image.Encode(day);
    EXPECT_EQ(image.Decode().count(), 3);
}

TEST(UnsentEntries, TheWeekIsReportedDayByDay)
{
    WeeklySchedule week;
    week.day(3).append(entry(storedTime(7, 5), "Melody", "20", ""));
    week.day(7).append(entry(storedTime(0, 0), "", "0", ""));
    week.day(1).append(entry(storedTime(0, 0), "Voice", "3", ""));
    const std::vector<UnsentWeekdayEntry> unsent = weekEntriesNotEncoded(week);
    ASSERT_EQ(unsent.size(), 2u);
    EXPECT_EQ(describeUnsent(unsent[0]), "Wednesday, entry 1: Selection 20 at 07:05 is above 15");
    EXPECT_EQ(describeUnsent(unsent[1]), "Sunday, entry 1: 00:00 has neither Melody/Voice nor AC");
}

} // namespace
