#include "device/ClockOffset.h"
#include "schedule/Weekday.h"

#include <gtest/gtest.h>

TEST(ClockOffset, CountsWeekdaysAcrossMidnightAndTheWrapOfTheWeek)
{
    const WeekTime device{kMonday, 23, 59, 59};
    EXPECT_EQ(clockOffsetSeconds(device, {kTuesday, 0, 2, 12}), -133);
    EXPECT_EQ(clockOffsetLine(device, -133), "Device: Monday 23:59:59, 2 min 13 s behind this computer");

    // Sunday night on the device, Monday morning here: across the end of the week.
    EXPECT_EQ(clockOffsetSeconds({kSunday, 23, 59, 0}, {kMonday, 0, 1, 0}), -120);
    EXPECT_EQ(clockOffsetSeconds({kMonday, 0, 1, 0}, {kSunday, 23, 59, 0}), 120);
    EXPECT_EQ(clockOffsetLine({kMonday, 0, 1, 0}, 120), "Device: Monday 00:01:00, 2 min ahead of this computer");

    // A whole weekday off, and the largest offsets stay within half a week.
    EXPECT_EQ(clockOffsetSeconds({kWednesday, 10, 0, 0}, {kTuesday, 9, 0, 0}), 25 * 3600);
    EXPECT_EQ(clockOffsetLine({kWednesday, 10, 0, 0}, 25 * 3600),
              "Device: Wednesday 10:00:00, 1 day 1 h ahead of this computer");
    EXPECT_EQ(clockOffsetSeconds({kFriday, 12, 0, 0}, {kMonday, 12, 0, 0}), -3 * 86400);

    // No weekday from the device: only the time of day, the nearer way round.
    const WeekTime noDay = WeekTime::fromClockReply(-1, 0, 0, 30);
    EXPECT_EQ(clockOffsetSeconds(noDay, {kThursday, 23, 59, 50}), 40);
    EXPECT_EQ(clockOffsetLine(noDay, 40), "Device: 00:00:30, 40 s ahead of this computer");
}

TEST(ClockOffset, ReadsTheReplyAndTheComputerAndWordsSmallAndLargeOffsets)
{
    EXPECT_EQ(WeekTime::fromClockReply(0, 1, 2, 3).weekday, kSunday);
    EXPECT_EQ(WeekTime::fromClockReply(6, 1, 2, 3).weekday, kSaturday);
    const WeekTime here = WeekTime::fromLocal(QDateTime(QDate(2026, 12, 9), QTime(21, 54, 7)));
    EXPECT_EQ(here.weekday, kWednesday);
    EXPECT_EQ(clockOffsetSeconds({kWednesday, 21, 54, 8}, here), 1);

    EXPECT_EQ(clockOffsetLine({kWednesday, 21, 54, 8}, 1), "Device: Wednesday 21:54:08, the same as this computer");
    EXPECT_EQ(clockOffsetLine({kWednesday, 21, 54, 8}, -3600 - 5 * 60 - 3),
              "Device: Wednesday 21:54:08, 1 h 5 min behind this computer");
    EXPECT_EQ(clockOffsetLine({kWednesday, 21, 54, 8}, 2 * 86400),
              "Device: Wednesday 21:54:08, 2 days ahead of this computer");
}
