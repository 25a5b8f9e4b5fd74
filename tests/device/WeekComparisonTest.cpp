#include "device/WeekComparison.h"
#include "schedule/Weekday.h"
#include "support/MakeEntry.h"

#include <gtest/gtest.h>

namespace {

DayImage imageOf(std::initializer_list<ScheduleEntry> entries)
{
    DaySchedule day;
    for (const ScheduleEntry &e : entries)
        day.append(e);
    DayImage image;
    image.Encode(day);
    return image;
}

} // namespace

TEST(WeekComparison, IdenticalWeekdaysAreSameAndOneChangedMinuteIsNamed)
{
    const DayImage monday = imageOf({makeEntry(8, 30, "Voice", 3, "ON", "1010"), makeEntry(12, 0, "Melody", 1, "")});
    DayImage changed = monday;
    changed.bytes()[(12 * 60) * 4 + 2] = 0x35; // noon: Melody 5 on the device

    const auto week = compareWeek({{kMonday, monday}, {kTuesday, monday}}, {{kMonday, monday}, {kTuesday, changed}});
    ASSERT_EQ(week.size(), 2u);
    EXPECT_TRUE(week[0].same());
    ASSERT_EQ(week[1].differences.size(), 1u);
    const MinuteDifference &d = week[1].differences[0];
    EXPECT_EQ(d.minuteOfDay, 720);
    ASSERT_TRUE(d.file && d.device);
    EXPECT_EQ(d.file->selection, 1);
    EXPECT_EQ(d.device->selection, 5);
    EXPECT_TRUE(d.device->pm);
    EXPECT_EQ(d.device->hour12, 12);

    EXPECT_EQ(comparisonLines(week),
              (std::vector<std::string>{
                  "Monday: same",
                  "Tuesday: differs in 1 minute",
                  "Tuesday 12:00  file: PM 12:00 Melody 1 - 0 0 0 0  device: PM 12:00 Melody 5 - 0 0 0 0",
              }));
}

TEST(WeekComparison, FileSideIsWhatTheDeviceWouldHold)
{
    // Two rows in one minute merge, a row with neither sound nor AC is absent: the device,
    // holding the single merged event, is the same as the file.
    const DayImage file = imageOf(
        {makeEntry(7, 5, "Voice", 3, ""), makeEntry(7, 5, "Melody", 5, "ON"), makeEntry(9, 0, "", 0, "", "1111")});
    DayImage device;
    uint8_t *slot = &device.bytes()[(7 * 60 + 5) * 4];
    slot[0] = 0x30 | MinuteSlot::kVoice | MinuteSlot::kMelody | MinuteSlot::kAcOn;
    slot[1] = 0x43;
    slot[2] = 0x35;
    device.bytes()[(9 * 60) * 4 + 3] = 0x4F; // leftover channels without an event are no event
    EXPECT_TRUE(compareDay(kWednesday, file, device).same());
}

TEST(WeekComparison, WeekdayTheDeviceHasBlankListsEveryEventOfTheFile)
{
    const DayImage file = imageOf({makeEntry(0, 0, "Voice", 15, "OFF", "0001"), makeEntry(23, 59, "Melody", 2, "")});
    const auto week = compareWeek({{kSunday, file}}, {{kSunday, DayImage()}, {kSaturday, DayImage()}});
    ASSERT_EQ(week.size(), 2u);
    EXPECT_EQ(week[0].day, kSaturday); // the file lacks Saturday: blank against blank
    EXPECT_TRUE(week[0].same());
    const std::vector<std::string> lines = comparisonLines({week[1]});
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "Sunday: differs in 2 minutes",
                  "Sunday 00:00  file: AM 00:00 Voice 15 OFF 0 0 0 1  device: (none)",
                  "Sunday 23:59  file: PM 11:59 Melody 2 - 0 0 0 0  device: (none)",
              }));

    // A named sound follows the eight fields in quotes; one without a name adds nothing.
    SoundNames names;
    names.setName(SoundKind::Voice, 15, QStringLiteral("Say \"stop\""));
    names.setName(SoundKind::Melody, 15, QStringLiteral("Not this one"));
    EXPECT_EQ(comparisonLines({week[1]}, &names)[1],
              "Sunday 00:00  file: AM 00:00 Voice 15 OFF 0 0 0 1 \"Say \"\"stop\"\"\"  device: (none)");
    EXPECT_EQ(comparisonLines({week[1]}, &names)[2], lines[2]);
}
