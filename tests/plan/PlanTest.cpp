#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"
#include "plan/ProgramOnDevice.h"
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
    ProgramCalendar special;
    special.programs.push_back({kExam, QStringLiteral("Exam day")});
    special.calendar.push_back({kExamDate, kExamDate, kExam, QStringLiteral("maths")});
    week.setProgramCalendar(special);
    week.day(kExam).append(makeEntry(9, 0, "Voice", 2, "ON", "0100"));
    week.day(kExam).append(makeEntry(11, 30, "Voice", 3, "", "0100"));
}

// A journal entry carrying the images of these weekdays.
JournalEntry entry(JournalKind kind, const std::vector<std::pair<int, DayImage>> &images,
                   JournalOutcome outcome = JournalOutcome::Completed)
{
    JournalEntry e;
    e.kind = kind;
    e.outcome = outcome;
    for (const auto &[day, image] : images) {
        e.weekdays.push_back(day);
        e.images.push_back({day, bytesOf(image), {}, {}, false});
    }
    return e;
}

// A Download of those weekdays of the plan, as sync records it.
JournalEntry sent(const PlannedWeek &plan, const std::vector<int> &days,
                  JournalOutcome outcome = JournalOutcome::Completed)
{
    std::vector<std::pair<int, DayImage>> images;
    for (int d : days)
        images.emplace_back(d, plan.image(d));
    return entry(JournalKind::Download, images, outcome);
}

DayImage imageWith(int minute)
{
    DaySchedule day;
    day.append(makeEntry(7, minute, "Melody", 1));
    DayImage image;
    image.Encode(day);
    return image;
}

} // namespace

TEST(DeviceHoldings, TheNewestEntryThatTellsDecidesEachWeekday)
{
    const DayImage first = imageWith(0), second = imageWith(5), third = imageWith(10);
    using K = JournalKind;
    using O = JournalOutcome;
    // Newest first. A send that halted after Monday went out leaves Monday and Tuesday in
    // doubt; reading Tuesday back tells again; a reading that failed tells nothing.
    std::vector<JournalEntry> journal = {
        entry(K::ClockSet, {}),
        entry(K::Comparison, {{5, third}}),
        entry(K::Comparison, {{3, third}}, O::LineError),
        entry(K::Upload, {{2, second}}),
        entry(K::Download, {{1, second}, {2, second}}, O::Refused),
        entry(K::Download, {{1, first}, {2, first}, {3, first}}),
        entry(K::AllClear, {}),
    };
    const DeviceHoldings held = DeviceHoldings::fromJournal(journal);
    EXPECT_FALSE(held.image(1));
    const std::array<const DayImage *, 7> expected = {nullptr, &second, &first, nullptr, &third, nullptr, nullptr};
    const DayImage blank;
    for (int d = 2; d <= 7; ++d) {
        ASSERT_TRUE(held.image(d)) << d;
        EXPECT_EQ(held.image(d)->bytes(), (expected[size_t(d - 1)] ? *expected[size_t(d - 1)] : blank).bytes()) << d;
    }

    // An ALL Clear cut short may have blanked any weekday.
    journal.insert(journal.begin(), entry(K::AllClear, {}, O::NoResponse));
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
    EXPECT_EQ(examWeek.day(3).title, "Exam day");
    EXPECT_EQ(examWeek.day(3).entryCount, 2);
    EXPECT_EQ(regular.day(3).title, "Wednesday");

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

// The exam went out on Wednesday's code: a reading of Wednesday that still holds it is the
// program, not the weekday, until another send of Wednesday or an ALL Clear.
TEST(ProgramOnDevice, AWeekdayReadBackIsTheProgramItsLastSendCarried)
{
    WeeklySchedule week;
    fillSchool(week);
    const PlannedWeek examWeek(week, kMonday);
    EXPECT_EQ(examWeek.carried()[2].name, "Exam day");
    EXPECT_TRUE(examWeek.carried()[2].program);
    EXPECT_EQ(examWeek.carried()[1].name, "Tuesday");
    ASSERT_EQ(examWeek.programDays({1, 3, 5}).size(), 1u);
    EXPECT_EQ(examWeek.programDays({1, 3, 5})[0].planned.weekday, 3);

    JournalEntry sync = sent(examWeek, {2, 3});
    for (JournalImage &i : sync.images) {
        i.schedule = examWeek.carried()[size_t(i.day - 1)].name;
        i.program = examWeek.carried()[size_t(i.day - 1)].program;
    }
    const DayImage exam = examWeek.image(3);
    std::vector<JournalEntry> journal = {entry(JournalKind::Upload, {{3, imageWith(1)}}), sync};
    EXPECT_EQ(programHeldOn(journal, 3, exam), "Exam day");
    EXPECT_EQ(programHeldOn(journal, 3, imageWith(1)), std::nullopt); // no longer what was sent
    EXPECT_EQ(programHeldOn(journal, 2, examWeek.image(2)), std::nullopt); // the weekday itself went
    journal.insert(journal.begin(), entry(JournalKind::AllClear, {}));
    EXPECT_EQ(programHeldOn(journal, 3, exam), std::nullopt);

    // Where the reading goes; `before` is the week before the reading.
    journal.erase(journal.begin());
    auto before = std::make_unique<WeeklySchedule>();
    before->copyFrom(week);
    week.day(3).copyFrom(exam.Decode());
    week.day(kExam).clear();
    const std::vector<ProgramOnDevice> held = programsOnDevice(journal, week, {{3, exam}});
    ASSERT_EQ(held.size(), 1u);
    EXPECT_EQ(held[0].programDay, kExam);
    placeReadBack(week, *before, held[0], ReadBackPlace::IntoProgram);
    EXPECT_TRUE(week.day(3).sameEntries(before->day(3)));
    DayImage intoProgram;
    intoProgram.Encode(week.day(kExam));
    EXPECT_EQ(bytesOf(intoProgram), bytesOf(exam));
}
