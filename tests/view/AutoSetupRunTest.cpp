#include "view/AutoSetupDays.h"
#include "view/AutoSetupForm.h"
#include "view/AutoSetupMerge.h"

#include "device/DayImage.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class AutoSetupRun : public ::testing::Test {
protected:
    // Runs OK on the form; the form's day is Monday unless a test chooses another.
    bool ok(AutoSetupForm &form) { return acceptAutoSetup(form, *week, messages); }

    static AutoSetupForm form(const char *start, const char *end, const char *interval)
    {
        AutoSetupForm f;
        f.dayIndex = autoSetupPositionForDay(kMonday);
        f.startText = start;
        f.endText = end;
        f.intervalText = interval;
        f.melodyVoiceIndex = AutoSetupLists::kMelody;
        f.selectionIndex = 4; // "  5"
        return f;
    }

    std::vector<std::string> times(int dayNumber) const
    {
        std::vector<std::string> out;
        for (const ScheduleEntry &e : week->day(dayNumber).entries())
            out.push_back(timeOfDayText(e.Time));
        return out;
    }

    std::unique_ptr<WeeklySchedule> week = std::make_unique<WeeklySchedule>();
    RecordingMessages messages;
};

ScheduleEntry entry(int hour, int minute, const char *sound, const char *selection, const char *ac)
{
    return {storedTime(hour, minute), sound, selection, ac, "0", "0", "0", "0"};
}

} // namespace

TEST_F(AutoSetupRun, RunsStopBeforeTheEndMinute)
{
    AutoSetupForm quarter = form("08:00", "09:00", "15");
    ASSERT_TRUE(ok(quarter));
    EXPECT_EQ(times(kMonday), (std::vector<std::string>{"08:00", "08:15", "08:30", "08:45"}));
    const ScheduleEntry first = week->day(kMonday).entry(1);
    EXPECT_EQ(first, (ScheduleEntry{"           08:00", "Melody", "5", "", "0", "0", "0", "0"}));

    week = std::make_unique<WeeklySchedule>();
    AutoSetupForm hourly = form("08:00", "09:00", "60");
    ASSERT_TRUE(ok(hourly));
    EXPECT_EQ(hourly.intervalText, "1  Minute");
    ASSERT_EQ(week->day(kMonday).count(), 60);
    EXPECT_EQ(timeOfDayText(week->day(kMonday).entry(60).Time), "08:59");

    week = std::make_unique<WeeklySchedule>();
    AutoSetupForm single = form("08:00", "08:01", "1");
    ASSERT_TRUE(ok(single));
    EXPECT_EQ(times(kMonday), std::vector<std::string>{"08:00"});

    week = std::make_unique<WeeklySchedule>();
    AutoSetupForm lateEvening = form("23:00", "24:00", "30");
    ASSERT_TRUE(ok(lateEvening));
    EXPECT_EQ(lateEvening.endText, "24:00");
    EXPECT_EQ(times(kMonday), (std::vector<std::string>{"23:00", "23:30"}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(AutoSetupRun, WholeDayKeepsAll1440Minutes)
{
    AutoSetupForm all = form("00:00", "24:00", "1");
    ASSERT_TRUE(ok(all));
    const DaySchedule &monday = week->day(kMonday);
    ASSERT_EQ(monday.count(), 1440);
    EXPECT_EQ(week->WorkingDay.count(), 1440);
    EXPECT_EQ(timeOfDayText(monday.entry(1).Time), "00:00");
    EXPECT_EQ(timeOfDayText(monday.entry(1440).Time), "23:59");
}

TEST_F(AutoSetupRun, StartNotBeforeEndWritesNothing)
{
    week->WriteEntry(kTuesday, 1, entry(7, 0, "Voice", "2", ""));
    AutoSetupForm defaults;
    EXPECT_FALSE(ok(defaults));
    AutoSetupForm backwards = form("09:00", "08:00", "5");
    EXPECT_FALSE(ok(backwards));
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(backwards.intervalText, "1  Minute");
    EXPECT_EQ(week->shownDay(), kTuesday);
    EXPECT_EQ(week->day(kSunday).count(), 0);
    EXPECT_EQ(week->day(kMonday).count(), 0);
}

TEST_F(AutoSetupRun, OwnDecodingTexts)
{
    AutoSetupForm melodyZero = form("08:00", "08:01", "1");
    melodyZero.selectionIndex = AutoSetupLists::kDefaultSelectionIndex; // "  0"
    ASSERT_TRUE(ok(melodyZero));
    EXPECT_EQ(week->day(kMonday).entry(1).MelodyVoice, "Melody");
    EXPECT_EQ(week->day(kMonday).entry(1).Selection, "");

    AutoSetupForm voiceZero = form("09:00", "09:01", "1");
    voiceZero.melodyVoiceIndex = AutoSetupLists::kVoice;
    voiceZero.selectionIndex = AutoSetupLists::kDefaultSelectionIndex;
    ASSERT_TRUE(ok(voiceZero));
    EXPECT_EQ(week->day(kMonday).entry(2).MelodyVoice, "Voice");
    EXPECT_EQ(week->day(kMonday).entry(2).Selection, "0");

    AutoSetupForm acOff = form("10:00", "10:01", "1");
    acOff.melodyVoiceIndex = AutoSetupLists::kNoSound;
    acOff.acIndex = AutoSetupLists::kAcOff;
    acOff.channels = {true, false, false, true};
    ASSERT_TRUE(ok(acOff));
    ASSERT_EQ(week->day(kMonday).count(), 3);
    EXPECT_EQ(week->day(kMonday).entry(3), (ScheduleEntry{"           10:00", "", "", "OFF", "1", "0", "0", "1"}));
}

TEST_F(AutoSetupRun, MergesIntoTheWeekdayInTimeOrder)
{
    // Monday holds, out of order: Voice 3 at 08:15, an AC entry at 07:00 and a channels-only row.
    week->WriteEntry(kMonday, 1, entry(8, 15, "Voice", "3", ""));
    week->WriteEntry(kMonday, 2, entry(7, 0, "", "", "ON"));
    week->WriteEntry(kMonday, 3, {storedTime(6, 0), "", "", "", "1", "1", "1", "1"});
    week->WriteEntry(kWednesday, 1, entry(5, 0, "Melody", "1", ""));

    AutoSetupForm run = form("08:00", "08:30", "15");
    ASSERT_TRUE(ok(run));
    EXPECT_EQ(week->shownDay(), kMonday);
    EXPECT_EQ(times(kMonday), (std::vector<std::string>{"07:00", "08:00", "08:15"}));
    EXPECT_EQ(week->day(kMonday).entry(1).MelodyVoice, ""); // neither "Melody" nor "Voice"
    EXPECT_EQ(week->day(kMonday).entry(1).AC, "ON");
    EXPECT_EQ(week->day(kMonday).entry(3).MelodyVoice, "Melody");
    EXPECT_EQ(week->day(kMonday).entry(3).Selection, "5");
    EXPECT_EQ(week->day(kWednesday).count(), 1); // other days untouched
}

TEST_F(AutoSetupRun, ChosenWeekdayBecomesTheShownDay)
{
    week->setShownDay(kMonday);
    AutoSetupForm sunday = form("08:00", "08:02", "1");
    sunday.dayIndex = 0; // " Sunday"
    ASSERT_TRUE(ok(sunday));
    EXPECT_EQ(week->shownDay(), kSunday);
    EXPECT_EQ(week->day(kSunday).count(), 2);
    EXPECT_EQ(week->WorkingDay.count(), 2);
    EXPECT_EQ(week->day(kMonday).count(), 0);
}

TEST_F(AutoSetupRun, AProgramFollowsSaturdayAndNoBellsIsNotOffered)
{
    ProgramCalendar special = week->programCalendar();
    special.programs.push_back({9, QStringLiteral("Exam day")});
    week->setProgramCalendar(special);
    EXPECT_EQ(autoSetupDays(*week),
              (std::vector<int>{kSunday, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday, 9}));
    AutoSetupForm exam = form("08:00", "08:03", "1");
    exam.dayIndex = 7;
    ASSERT_TRUE(ok(exam));
    EXPECT_EQ(week->shownDay(), 9);
    EXPECT_EQ(times(9), (std::vector<std::string>{"08:00", "08:01", "08:02"}));
    EXPECT_EQ(week->day(kMonday).count(), 0);

    // a position the list does not have is Sunday, as it always was
    AutoSetupForm beyond = form("09:00", "09:01", "1");
    beyond.dayIndex = 8;
    ASSERT_TRUE(ok(beyond));
    EXPECT_EQ(week->day(kSunday).count(), 1);
    EXPECT_EQ(week->day(kNoBellsDay).count(), 0);
}

TEST_F(AutoSetupRun, BlankRunChangesNothingOnAnEmptyDay)
{
    week->setShownDay(kFriday);
    AutoSetupForm channelsOnly = form("08:00", "09:00", "1");
    channelsOnly.melodyVoiceIndex = AutoSetupLists::kNoSound;
    channelsOnly.channels = {true, true, true, true};
    EXPECT_TRUE(ok(channelsOnly));
    EXPECT_EQ(week->shownDay(), kFriday);
    EXPECT_EQ(week->day(kMonday).count(), 0);
}

TEST(AutoSetupMerge, SameMinuteSlotsCombine)
{
    WeeklySchedule week;
    week.WriteEntry(kThursday, 1, {storedTime(12, 0), "Voice", "3", "OFF", "1", "0", "0", "0"});
    DayImage generated;
    uint8_t *s = &generated.bytes()[720 * 4];
    s[0] |= MinuteSlot::kVoice | MinuteSlot::kAcOn;
    s[1] |= 4;
    s[3] |= 0x04;
    ASSERT_EQ(MergeAndStore(week, kThursday, generated), 1);
    EXPECT_EQ(week.day(kThursday).entry(1), (ScheduleEntry{storedTime(12, 0), "Voice", "7", "ON", "1", "0", "1", "0"}));
}
