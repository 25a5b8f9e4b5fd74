#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"
#include "plan/SyncDecision.h"
#include "schedule/WeeklySchedule.h"
#include "support/MakeEntry.h"

#include <gtest/gtest.h>

namespace {

constexpr int kExam = 9;
// 2027-03-08 is a Monday; the exam is on Wednesday the 10th.
const QDate kMonday(2027, 3, 8);
const QDate kExamDate(2027, 3, 10);

QByteArray bytesOf(const DayImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(DayImage::kSize));
}

// Every weekday rings at its own minute; the exam program twice.
void fillSchool(WeeklySchedule &week)
{
    for (int d = 1; d <= 7; ++d)
        week.day(d).append(makeEntry(8, d, "Melody", d, "ON", "1000"));
    SpecialDays special;
    special.programs.push_back({kExam, "Exam day"});
    special.calendar.push_back({kExamDate, kExamDate, kExam, "maths"});
    week.setSpecialDays(special);
    week.day(kExam).append(makeEntry(9, 0, "Voice", 2, "ON", "0100"));
    week.day(kExam).append(makeEntry(11, 30, "Voice", 3, "", "0100"));
}

JournalEntry entry(JournalKind kind, std::vector<int> days, JournalOutcome outcome = JournalOutcome::Completed)
{
    JournalEntry e;
    e.kind = kind;
    e.weekdays = std::move(days);
    e.outcome = outcome;
    return e;
}

// A Download of those weekdays of the plan, as sync records it.
JournalEntry sent(const PlannedWeek &plan, const std::vector<int> &days,
                  JournalOutcome outcome = JournalOutcome::Completed)
{
    JournalEntry e = entry(JournalKind::Download, days, outcome);
    for (int d : days)
        e.images.push_back({d, bytesOf(plan.image(d)), {}});
    return e;
}

DayImage imageWith(const ScheduleEntry &e)
{
    DaySchedule day;
    day.append(e);
    DayImage image;
    image.Encode(day);
    return image;
}

} // namespace

TEST(PlannedWeek, GivesEachWeekdayTheScheduleItsDatePlays)
{
    WeeklySchedule week;
    fillSchool(week);
    const PlannedWeek plan(week, kMonday);
    EXPECT_EQ(plan.day(3).planned.date, kExamDate);
    EXPECT_EQ(plan.day(3).title, "Exam day");
    EXPECT_EQ(plan.day(3).entryCount, 2);
    EXPECT_EQ(plan.day(4).title, "Thursday");
    EXPECT_EQ(plan.day(4).entryCount, 1);

    WeeklySchedule scratch;
    plan.fillWeekdays(week, scratch);
    EXPECT_TRUE(scratch.day(3).sameEntries(week.day(kExam)));
    EXPECT_TRUE(scratch.day(4).sameEntries(week.day(4)));
    DayImage image;
    image.Encode(scratch.day(3));
    EXPECT_EQ(image.bytes(), plan.image(3).bytes());

    // From Thursday on, the Wednesday ahead is a regular one again.
    EXPECT_EQ(PlannedWeek(week, kExamDate.addDays(1)).day(3).title, "Wednesday");
}

TEST(DeviceHoldings, TheNewestEntryThatTellsDecidesEachWeekday)
{
    const DayImage monday = imageWith(makeEntry(7, 0, "Melody", 1));
    const DayImage tuesday = imageWith(makeEntry(7, 5, "Melody", 2));
    const DayImage friday = imageWith(makeEntry(7, 10, "Voice", 4));

    std::vector<JournalEntry> journal; // built oldest first, read newest first
    journal.push_back(entry(JournalKind::AllClear, {}));
    JournalEntry download = entry(JournalKind::Download, {1, 2, 3});
    download.images = {{1, bytesOf(monday), {}}, {2, bytesOf(monday), {}}, {3, bytesOf(monday), {}}};
    journal.push_back(download);
    // A later send halted on Tuesday after Monday went out: both in doubt.
    JournalEntry refused = entry(JournalKind::Download, {1, 2}, JournalOutcome::Refused);
    refused.images = {{1, bytesOf(tuesday), {}}, {2, bytesOf(tuesday), {}}};
    journal.push_back(refused);
    // Reading Tuesday back tells again; a reading that failed tells nothing.
    JournalEntry upload = entry(JournalKind::Upload, {2});
    upload.images = {{2, bytesOf(tuesday), {}}};
    journal.push_back(upload);
    JournalEntry failedReading = entry(JournalKind::Comparison, {3}, JournalOutcome::LineError);
    failedReading.images = {{3, bytesOf(friday), {}}};
    journal.push_back(failedReading);
    JournalEntry comparison = entry(JournalKind::Comparison, {5});
    comparison.images = {{5, bytesOf(friday), {}}};
    journal.push_back(comparison);
    journal.push_back(entry(JournalKind::ClockSet, {6}));
    std::reverse(journal.begin(), journal.end());

    const DeviceHoldings held = DeviceHoldings::fromJournal(journal);
    EXPECT_FALSE(held.image(1));
    ASSERT_TRUE(held.image(2));
    EXPECT_EQ(held.image(2)->bytes(), tuesday.bytes());
    ASSERT_TRUE(held.image(3));
    EXPECT_EQ(held.image(3)->bytes(), monday.bytes());
    ASSERT_TRUE(held.image(5));
    EXPECT_EQ(held.image(5)->bytes(), friday.bytes());
    for (int d : {4, 6, 7}) {
        ASSERT_TRUE(held.image(d)) << d;
        EXPECT_EQ(held.image(d)->bytes(), DayImage().bytes()) << d; // blanked by ALL Clear
    }

    // An ALL Clear cut short may have blanked any weekday; before it nothing was known.
    journal.insert(journal.begin(), entry(JournalKind::AllClear, {}, JournalOutcome::NoResponse));
    for (int d = 1; d <= 7; ++d)
        EXPECT_FALSE(DeviceHoldings::fromJournal(journal).image(d)) << d;
    EXPECT_FALSE(DeviceHoldings::fromJournal({}).image(4));
}

TEST(SyncDecision, SendsWhatDiffersOrIsUnknownAndTellsWhetherTomorrowIsReady)
{
    WeeklySchedule week;
    fillSchool(week);
    const PlannedWeek regular(week, kExamDate.addDays(1));
    const PlannedWeek examWeek(week, kMonday);

    // A journal that knows nothing: every weekday.
    EXPECT_EQ(weekdaysToSend(examWeek, DeviceHoldings()), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(tomorrowState(examWeek, DeviceHoldings()), TomorrowState::Unknown);

    // The device holds the regular week: only Wednesday changes for the exam week.
    std::vector<JournalEntry> journal = {sent(regular, {1, 2, 3, 4, 5, 6, 7})};
    EXPECT_TRUE(weekdaysToSend(regular, DeviceHoldings::fromJournal(journal)).empty());
    EXPECT_EQ(weekdaysToSend(examWeek, DeviceHoldings::fromJournal(journal)), std::vector<int>{3});
    const PlannedWeek fromTuesday(week, kMonday.addDays(1));
    EXPECT_EQ(tomorrowState(fromTuesday, DeviceHoldings::fromJournal(journal)), TomorrowState::NotUpToDate);
    EXPECT_EQ(tomorrowState(examWeek, DeviceHoldings::fromJournal(journal)), TomorrowState::UpToDate);

    // A send of it that failed leaves Wednesday in doubt; one that completed makes it ready.
    journal.insert(journal.begin(), sent(examWeek, {3}, JournalOutcome::NoResponse));
    EXPECT_EQ(tomorrowState(fromTuesday, DeviceHoldings::fromJournal(journal)), TomorrowState::Unknown);
    EXPECT_EQ(weekdaysToSend(examWeek, DeviceHoldings::fromJournal(journal)), std::vector<int>{3});
    journal.insert(journal.begin(), sent(examWeek, {3}));
    EXPECT_EQ(tomorrowState(fromTuesday, DeviceHoldings::fromJournal(journal)), TomorrowState::UpToDate);
    EXPECT_TRUE(weekdaysToSend(examWeek, DeviceHoldings::fromJournal(journal)).empty());
    // After the exam the regular Wednesday goes back.
    EXPECT_EQ(weekdaysToSend(regular, DeviceHoldings::fromJournal(journal)), std::vector<int>{3});
}
