#include "support/MakeEntry.h"

#include "device/DownloadWarnings.h"
#include "device/MessageQueue.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <gtest/gtest.h>

// Entries the image leaves out share no minute; those it carries into one minute are named
// there, and only for the weekdays being sent.
TEST(DownloadWarnings, NameTheMinutesEntriesShareAndTheEntriesLeftOut)
{
    WeeklySchedule week;
    DaySchedule &monday = week.day(kMonday);
    monday.append(makeEntry(8, 0, "Voice", 4));
    monday.append(makeEntry(7, 0, "Melody", 1));
    monday.append(makeEntry(8, 0, "Melody", 5));
    monday.append(makeEntry(7, 0, "Melody", 16)); // left out: shares nothing
    monday.append(makeEntry(12, 30, " ", 0, "ON"));
    monday.append(makeEntry(12, 30, " ", 0, "OFF"));
    week.day(kTuesday).append(makeEntry(9, 0, "Voice", 1));
    week.day(kTuesday).append(makeEntry(9, 0, "Voice", 2));

    const DownloadWarnings warnings = downloadWarnings(week, {kMonday});
    EXPECT_EQ(warnings.shared, (std::vector<SharedMinute>{{kMonday, "08:00", {1, 3}}, {kMonday, "12:30", {5, 6}}}));
    ASSERT_EQ(warnings.unsent.size(), 1u);
    EXPECT_EQ(
        downloadWarningTexts(warnings),
        (QStringList{QStringLiteral(
                         "The device will not get these entries:\nMonday, entry 4: Selection 16 at 07:00 is above 15"),
                     QStringLiteral("These entries share a minute: the device keeps each minute as one event.\n"
                                    "Monday 08:00: entries 1, 3\nMonday 12:30: entries 5, 6")}));

    EXPECT_EQ(downloadWarnings(week, {kTuesday, kSunday}).shared.size(), 1u);
    EXPECT_TRUE(downloadWarnings(week, {kWednesday}).empty());
    EXPECT_TRUE(downloadWarningTexts({}).isEmpty());
}

TEST(MessageQueue, OneAtATimeInTheOrderAskedFor)
{
    MessageQueue<int> queue;
    EXPECT_EQ(queue.post(1), 1);
    EXPECT_EQ(queue.post(2), std::nullopt);
    EXPECT_EQ(queue.post(3), std::nullopt);
    EXPECT_EQ(queue.closed(), 2);
    EXPECT_EQ(queue.closed(), 3);
    EXPECT_EQ(queue.closed(), std::nullopt);
    EXPECT_FALSE(queue.isShowing());
    EXPECT_EQ(queue.post(4), 4);
}
