#include "schedule/WeeklySchedule.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"

#include <gtest/gtest.h>

namespace {

ScheduleEntry entryAt(const std::string &hhmm, const std::string &melodyVoice = "Melody")
{
    ScheduleEntry e;
    e.Time = std::string(11, ' ') + hhmm;
    e.MelodyVoice = melodyVoice;
    e.Selection = "1";
    e.AC = "ON";
    e.CH1 = "1";
    e.CH2 = e.CH3 = e.CH4 = "0";
    return e;
}

// What the list does on a weekday switch: store every row through WorkingDay, switch, reload.
void storeRows(WeeklySchedule &week, const std::vector<ScheduleEntry> &rows)
{
    week.WorkingDay.setCount(int(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        week.WorkingDay.setEntry(int(i) + 1, rows[i]);
        week.StoreWorkingEntry(int(i) + 1);
    }
    if (rows.empty())
        week.StoreWorkingEntry(0);
}

} // namespace

TEST(WeekdayNumbering, ConvertsBetweenModelDeviceAndAutoSetupNumbers)
{
    const char codes[] = {'B', 'C', 'D', 'E', 'F', 'G', 'A'};
    for (int d = kMonday; d <= kSunday; ++d) {
        EXPECT_EQ(dayCodeForDay(d), codes[d - 1]);
        EXPECT_EQ(dayForDayCode(codes[d - 1]), d);
    }
    EXPECT_EQ(dayForDayCode('H'), 0);
    EXPECT_EQ(dayForDayCode('a'), 0);

    EXPECT_EQ(dayForAutoSetupPosition(0), kSunday);
    EXPECT_EQ(dayForAutoSetupPosition(1), kMonday);
    EXPECT_EQ(dayForAutoSetupPosition(6), kSaturday);
    for (int d = kMonday; d <= kSunday; ++d)
        EXPECT_EQ(dayForAutoSetupPosition(autoSetupPositionForDay(d)), d);

    EXPECT_EQ(weekdayFromName("wednesday"), kWednesday);
    EXPECT_EQ(weekdayFromName("SUN"), kSunday);
    EXPECT_EQ(weekdayFromName("Mo"), 0);
    EXPECT_EQ(weekdayFromName("Mondays"), 0);
    EXPECT_EQ(weekdayName(7), "Sunday");
    EXPECT_TRUE(weekdayName(8).empty());
}

TEST(WeeklySchedule, SwitchingToTheShownDayKeepsItsEntriesRenumbered)
{
    WeeklySchedule week;
    storeRows(week, {entryAt("08:00"), entryAt("07:00"), entryAt("09:00")});
    week.setShownDay(kMonday);
    week.LoadWorkingDay();

    ASSERT_EQ(week.WorkingDay.count(), 3);
    EXPECT_EQ(week.WorkingDay.entry(1).Time, entryAt("08:00").Time);
    EXPECT_EQ(week.WorkingDay.entry(2).Time, entryAt("07:00").Time);
    EXPECT_EQ(week.WorkingDay.entry(3).Time, entryAt("09:00").Time);
}

TEST(WeeklySchedule, AnEmptyListStoresAnEmptyDay)
{
    WeeklySchedule week;
    storeRows(week, {entryAt("08:00"), entryAt("09:00")});
    storeRows(week, {});
    week.setShownDay(kTuesday);
    week.LoadWorkingDay();
    EXPECT_EQ(week.day(kMonday).count(), 0);
    EXPECT_TRUE(week.day(kMonday).entries().empty());
}

TEST(WeeklySchedule, WritersFollowTheEntryWritingRule)
{
    WeeklySchedule week;
    week.setShownDay(kMonday);
    week.day(kThursday).append(entryAt("06:00"));
    week.day(kThursday).append(entryAt("06:30"));
    week.day(kThursday).append(entryAt("07:00"));

    ASSERT_TRUE(week.WriteEntry(kThursday, 1, entryAt("10:00")));
    EXPECT_EQ(week.shownDay(), kThursday);
    EXPECT_EQ(week.day(kThursday).count(), 1);
    EXPECT_EQ(week.WorkingDay.count(), 1);
    EXPECT_EQ(week.day(kThursday).entry(1), entryAt("10:00"));

    // k = 0 with an empty entry leaves the day empty and shown
    ASSERT_TRUE(week.WriteEntry(kSaturday, 0, ScheduleEntry{}));
    EXPECT_EQ(week.shownDay(), kSaturday);
    EXPECT_EQ(week.day(kSaturday).count(), 0);

    // a full day takes every minute; nothing is written beyond it, nor for a non-weekday
    for (int k = 1; k <= DaySchedule::kCapacity; ++k)
        ASSERT_TRUE(week.WriteEntry(kFriday, k, entryAt(storedTime((k - 1) / 60, (k - 1) % 60).substr(11))));
    EXPECT_EQ(week.day(kFriday).count(), 1440);
    EXPECT_FALSE(week.WriteEntry(kFriday, 1441, entryAt("00:00")));
    EXPECT_FALSE(week.WriteEntry(0, 1, entryAt("00:00")));
    EXPECT_FALSE(week.WriteEntry(8, 1, entryAt("00:00")));
    EXPECT_FALSE(week.WriteEntry(kFriday, -1, entryAt("00:00")));
    EXPECT_EQ(week.day(kFriday).count(), 1440);
    EXPECT_EQ(week.shownDay(), kFriday);

    EXPECT_FALSE(week.day(kFriday).append(entryAt("00:00")));
    EXPECT_FALSE(week.day(kFriday).setEntry(1441, entryAt("00:00")));
    EXPECT_FALSE(week.day(kFriday).setCount(1441));
    EXPECT_EQ(week.day(kFriday).entry(5000), ScheduleEntry{});
}

TEST(WeeklySchedule, ClearAllDaysEmptiesEveryDay)
{
    WeeklySchedule week;
    for (int d = kMonday; d <= kSunday; ++d)
        week.day(d).append(entryAt("12:00"));
    week.ClearAllDays();
    for (int d = kMonday; d <= kSunday; ++d)
        EXPECT_EQ(week.day(d).count(), 0) << d;
    EXPECT_FALSE(week.setShownDay(0));
    EXPECT_EQ(week.shownDay(), kMonday);
}

TEST(WeeklySchedule, SameDaysComparesEntriesNotTheShownDayOrStaleTexts)
{
    WeeklySchedule a, b;
    a.day(kSunday).append(entryAt("12:00"));
    b.copyFrom(a);
    b.setShownDay(kSunday);
    EXPECT_TRUE(a.sameDays(b));

    // a text beyond the count is stale, not part of the day
    b.day(kMonday).setEntry(5, entryAt("13:00"));
    EXPECT_TRUE(a.sameDays(b));

    b.day(kSunday).setEntry(1, entryAt("12:00", "Voice"));
    EXPECT_FALSE(a.sameDays(b));
    b.day(kSunday).setEntry(1, entryAt("12:00"));
    b.day(kSunday).append(entryAt("12:01"));
    EXPECT_FALSE(a.sameDays(b));
}

TEST(TimeText, ADatePrefixedTimeShowsAsHourMinuteAndStoresBackWithBlanks)
{
    const std::string fromDatabase = "1899-12-30 08:05:00";
    EXPECT_EQ(timeOfDayText(fromDatabase), "08:05");
    EXPECT_EQ(withBlankPrefix(fromDatabase), "           08:05");
    EXPECT_EQ(minuteOfDay(fromDatabase), 8 * 60 + 5);

    EXPECT_EQ(storedTime(0, 0), "           00:00");
    EXPECT_EQ(minuteOfDay("           23:59"), 1439);
    EXPECT_EQ(minuteOfDay("           24:00"), std::nullopt);
    EXPECT_EQ(minuteOfDay("           12:60"), std::nullopt);
    EXPECT_EQ(minuteOfDay(""), std::nullopt);
    EXPECT_EQ(minuteOfDay("           "), std::nullopt);
    EXPECT_EQ(minuteOfDay("           ab:cd"), std::nullopt);
    EXPECT_EQ(withBlankPrefix("           ab:cd"), "           ab:cd");
    // Short times read by the device's number rule, bare ones too.
    for (const char *text :
         {"           7:05", "           07:5", "           07:05", "07:05", "7:05", "  07:05", "            7: 5"}) {
        EXPECT_EQ(minuteOfDay(text), 7 * 60 + 5) << '"' << text << '"';
        EXPECT_EQ(timeOfDayText(text), "07:05") << '"' << text << '"';
    }

    EXPECT_EQ(readNumber("  12x"), 12);
    EXPECT_EQ(readNumber("abc"), 0);
    EXPECT_EQ(readNumber(""), 0);
    EXPECT_EQ(readNumber("-3"), 0);
    EXPECT_GT(readNumber("99999999999999999999"), 15);
}
