#include "view/AutoSetupInterval.h"
#include "view/AutoSetupTime.h"

#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

TEST(AutoSetupNormalize, TimeBoxesShowWhatCounts)
{
    struct Case {
        const char *typed;
        const char *shown;
        int minute;
    };
    const Case cases[] = {
        {"7", "00:07", 7},        {"8:5", "08:05", 485},   {"25:00", "00:00", 0},   {"12:30", "12:30", 750},
        {"23:59", "23:59", 1439}, {"1:60", "00:00", 0},    {"", "00:00", 0},        {"ab", "00:00", 0},
        {"1:2:3", "01:03", 63},   {"012:3", "12:03", 723}, {"9:30x", "09:30", 570}, {"24:00", "00:00", 0},
    };
    for (const Case &c : cases) {
        const NormalizedTime t = NormalizeStartTime(c.typed);
        EXPECT_EQ(t.text, c.shown) << c.typed;
        EXPECT_EQ(t.minuteOfDay(), c.minute) << c.typed;
    }

    // 24:00 is the end of the day, for the end box only.
    EXPECT_EQ(NormalizeEndTime("24:00").text, "24:00");
    EXPECT_EQ(NormalizeEndTime("24:0").minuteOfDay(), 1440);
    EXPECT_EQ(NormalizeEndTime("24:01").text, "00:00");
    EXPECT_EQ(NormalizeEndTime("8:5").text, "08:05");
}

TEST(AutoSetupNormalize, IntervalFallsBackToOneMinute)
{
    RecordingMessages messages;
    auto interval = [&](const char *start, const char *end, const char *typed) {
        return NormalizeInterval(start, end, typed, messages);
    };

    EXPECT_EQ(interval("08:00", "09:00", "15").minutes, 15);
    EXPECT_EQ(interval("08:00", "09:00", "15").text, "15  Minute");
    EXPECT_EQ(interval("08:00", "09:00", "60").minutes, 1); // not shorter than the span
    EXPECT_EQ(interval("08:00", "09:00", "59").minutes, 59);
    EXPECT_EQ(interval("08:00", "09:00", "0").minutes, 1);
    EXPECT_EQ(interval("08:00", "09:00", "").minutes, 1);
    EXPECT_EQ(interval("08:00", "09:00", "1  Minute").minutes, 1);
    EXPECT_EQ(interval("23:00", "24:00", "30").minutes, 30);
    EXPECT_TRUE(messages.shown.isEmpty());

    // Start not before end: told once per normalisation, interval back to 1.
    const NormalizedInterval same = interval("00:00", "00:00", "");
    EXPECT_FALSE(same.spanValid());
    EXPECT_EQ(same.text, "1  Minute");
    const NormalizedInterval backwards = interval("10:00", "9:00", "5");
    EXPECT_FALSE(backwards.spanValid());
    EXPECT_EQ(backwards.minutes, 1);
    EXPECT_EQ(backwards.start.text, "10:00");
    EXPECT_EQ(backwards.end.text, "09:00");
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0], "Invalid Input between Start Time and End Time.");
}
