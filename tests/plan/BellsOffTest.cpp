#include "plan/BellsOff.h"
#include "device/DayImage.h"
#include "journal/JournalEntry.h"
#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"
#include "schedule/WeeklySchedule.h"
#include "support/MakeEntry.h"

#include <gtest/gtest.h>

namespace {

const QDate kTuesday(2027, 3, 9);

JournalEntry sent(int weekday, const DayImage &image)
{
    JournalEntry e;
    e.kind = JournalKind::Download;
    e.outcome = JournalOutcome::Completed;
    e.weekdays = {weekday};
    e.images = {{weekday,
                 QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(DayImage::kSize)),
                 {},
                 {},
                 false}};
    return e;
}

} // namespace

TEST(BellsOff, TheEntryCoversTodayUntilAnotherEntryWinsAndTheDeviceStaysSilentUntilSent)
{
    const CalendarEntry off = bellsOffEntry(kTuesday, kTuesday.addDays(-3));
    EXPECT_EQ(off, (CalendarEntry{kTuesday, kTuesday, kNoBellsDay, QStringLiteral("Bells off")}));

    ProgramCalendar special;
    special.calendar.push_back({kTuesday, kTuesday, kNoBellsDay, QStringLiteral("snow")}); // not Bells Off
    EXPECT_EQ(bellsOffEntryToday(special, kTuesday), -1);
    special.calendar.push_back(bellsOffEntry(kTuesday, kTuesday.addDays(2)));
    EXPECT_EQ(bellsOffEntryToday(special, kTuesday.addDays(2)), 1);
    EXPECT_EQ(bellsOffEntryToday(special, kTuesday.addDays(3)), -1);
    special.programs.push_back({9, QStringLiteral("Exam day")});
    special.calendar.push_back({kTuesday, kTuesday, 9, QString()}); // added later: it wins
    EXPECT_EQ(bellsOffEntryToday(special, kTuesday), -1);

    // The journal says Tuesday went out blank; the plan rings on Tuesday: silent. Once the
    // regular image went out after it, not.
    WeeklySchedule week;
    week.day(2).append(makeEntry(8, 0, "Melody", 1, "ON", "1000"));
    const PlannedWeek plan(week, kTuesday);
    const DayImage blank;
    EXPECT_EQ(silentWeekdays(plan, DeviceHoldings::fromJournal({sent(2, blank)})), std::vector<int>{2});
    EXPECT_TRUE(silentWeekdays(plan, DeviceHoldings::fromJournal({sent(2, plan.image(2)), sent(2, blank)})).empty());
    // A weekday that plays nothing anyway is not called silent.
    EXPECT_TRUE(silentWeekdays(plan, DeviceHoldings::fromJournal({sent(3, blank)})).empty());
}
