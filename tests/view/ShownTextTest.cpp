#include "document/ShownText.h"

#include <gtest/gtest.h>

namespace {
ScheduleEntry at(const std::string &time)
{
    ScheduleEntry e;
    e.Time = time;
    e.CH1 = "1";
    e.CH2 = "0";
    e.CH3 = "";
    e.CH4 = "1";
    return e;
}
} // namespace

TEST(ShownText, TwentyFourToTwelveHourFaces)
{
    const ListRow early = shownRow(at("           00:30"), 1);
    EXPECT_EQ(early[kColumnAmPm], "AM");
    EXPECT_EQ(early[kColumnTime], "00:30");
    const ListRow noon = shownRow(at("           12:30"), 2);
    EXPECT_EQ(noon[kColumnAmPm], "PM");
    EXPECT_EQ(noon[kColumnTime], "12:30");
    const ListRow late = shownRow(at("           23:59"), 3);
    EXPECT_EQ(late[kColumnAmPm], "PM");
    EXPECT_EQ(late[kColumnTime], "11:59");
    EXPECT_EQ(late[kColumnId], "3");
    EXPECT_EQ(late[kColumnCh1], "ON");
    EXPECT_EQ(late[kColumnCh2], "");
    EXPECT_EQ(late[kColumnCh3], "");
    EXPECT_EQ(late[kColumnCh4], "ON");

    // A time read back from a database carries a date and seconds.
    const ListRow dated = shownRow(at("2024-05-06 20:15:00"), 4);
    EXPECT_EQ(dated[kColumnAmPm], "PM");
    EXPECT_EQ(dated[kColumnTime], "08:15");
    EXPECT_EQ(storedEntry(dated).Time, "           20:15");

    // Short times show as the device reads them; a missing one shows empty.
    EXPECT_EQ(shownRow(at(""), 5)[kColumnTime], "");
    EXPECT_EQ(shownRow(at("           1"), 5)[kColumnTime], "01:00");
    const ListRow shortTime = shownRow(at("           13:5"), 6);
    EXPECT_EQ(shortTime[kColumnAmPm], "PM");
    EXPECT_EQ(shortTime[kColumnTime], "01:05");
}

TEST(ShownText, TwelveToTwentyFourHourEveryHour)
{
    EXPECT_EQ(storedTimeFromShown("PM", "00:15"), "           12:15");
    EXPECT_EQ(storedTimeFromShown("AM", "12:15"), "           12:15");
    EXPECT_EQ(storedTimeFromShown("PM", "12:15"), "           12:15");
    EXPECT_EQ(storedTimeFromShown("AM", "00:00"), "           00:00");
    EXPECT_EQ(storedTimeFromShown("PM", "11:59"), "           23:59");
    // Every hour survives the trip through the list face.
    for (int h = 0; h < 24; ++h) {
        char stored[32];
        std::snprintf(stored, sizeof stored, "           %02d:07", h);
        const ListRow row = shownRow(at(stored), 1);
        EXPECT_EQ(storedEntry(row).Time, stored) << h;
    }
    const ScheduleEntry back = storedEntry(shownRow(at("           10:00"), 1));
    EXPECT_EQ(back.CH1, "1");
    EXPECT_EQ(back.CH2, "0");
    EXPECT_EQ(back.CH3, "0");
    EXPECT_EQ(back.CH4, "1");
}

TEST(ShownText, ToggleCycles)
{
    EXPECT_EQ(toggledAmPm("AM"), "PM");
    EXPECT_EQ(toggledAmPm("PM"), "AM");
    EXPECT_EQ(toggledAmPm("x"), "AM");
    EXPECT_EQ(toggledMelodyVoice("Melody"), "Voice");
    EXPECT_EQ(toggledMelodyVoice("Voice"), "");
    EXPECT_EQ(toggledMelodyVoice(""), "Melody");
    EXPECT_EQ(toggledMelodyVoice(" "), " ");
    EXPECT_EQ(toggledAc("ON"), "OFF");
    EXPECT_EQ(toggledAc("OFF"), "");
    EXPECT_EQ(toggledAc(""), "ON");
    EXPECT_EQ(toggledAc("on"), "on");
    EXPECT_EQ(toggledChannel("ON"), "");
    EXPECT_EQ(toggledChannel(""), "ON");
    EXPECT_EQ(toggledChannel("1"), "ON");
}

TEST(ShownText, TimeCommitRules)
{
    TimeCommit c = committedTime("17:05", "AM");
    EXPECT_EQ(c.amPm, "PM");
    EXPECT_EQ(c.time, "05:05");

    EXPECT_EQ(committedTime("5", "AM").time, "00:05");
    EXPECT_FALSE(committedTime("5", "PM").time);
    EXPECT_EQ(committedTime("9:7", "AM").time, "09:07");
    EXPECT_FALSE(committedTime("12:00", "AM").time);
    EXPECT_EQ(committedTime("12:00", "PM").time, "12:00");
    EXPECT_EQ(committedTime("0:30", "AM").time, "00:30");
    EXPECT_FALSE(committedTime("0:30", "PM").time);
    EXPECT_EQ(committedTime("11:59", "AM").time, "11:59");
    EXPECT_FALSE(committedTime("24:00", "AM").amPm);
    EXPECT_FALSE(committedTime("24:00", "AM").time);

    // An out-of-range minute refuses the time, and with it the switch to PM.
    c = committedTime("13:60", "AM");
    EXPECT_FALSE(c.amPm);
    EXPECT_FALSE(c.time);
    c = committedTime("15:75", "AM");
    EXPECT_FALSE(c.amPm);
    EXPECT_FALSE(c.time);

    // The last colon splits; a three-digit minute is written as two digits.
    EXPECT_EQ(committedTime("1:2:03", "AM").time, "01:03");
    EXPECT_EQ(committedTime("9:045", "AM").time, "09:45");
    EXPECT_EQ(committedTime("", "AM").time, "00:00");
    EXPECT_FALSE(committedTime("99999999999:1", "AM").time);
}

TEST(ShownText, SelectionCommitRules)
{
    EXPECT_FALSE(committedSelection("16", "Melody"));
    EXPECT_FALSE(committedSelection("0", "Melody"));
    EXPECT_FALSE(committedSelection("", "Melody"));
    EXPECT_EQ(committedSelection("15", "Voice"), "15");
    EXPECT_EQ(committedSelection("1", "Melody"), "1");
    EXPECT_EQ(committedSelection("07", "Melody"), "07") << "kept as typed";
    EXPECT_EQ(committedSelection("7:", "Melody"), "7");
    EXPECT_EQ(committedSelection("7", ""), "0");
    EXPECT_EQ(committedSelection("7", " "), "7");
}
