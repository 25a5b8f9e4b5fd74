#include "document/CTavrinDoc.h"
#include "document/commands/CalendarCommands.h"
#include "document/commands/SoundCommands.h"
#include "document/commands/WeekCommands.h"
#include "schedule/WeeklySchedule.h"

#include <gtest/gtest.h>

namespace {

ScheduleEntry bellAt(const std::string &hhmm)
{
    ScheduleEntry e;
    e.Time = std::string(11, ' ') + hhmm;
    e.MelodyVoice = "Melody";
    e.Selection = "1";
    e.AC = "ON";
    e.CH1 = "1";
    e.CH2 = e.CH3 = e.CH4 = "0";
    return e;
}

TEST(CTavrinDoc, AProgramIsMadeFilledAndDeletedAsStepsThatUndo)
{
    CTavrinDoc doc;
    const WeeklySchedule &week = doc.week();
    auto change = [&](const char *text, const std::vector<ChangeProgramCalendar::DayEntries> &days, int from, int to,
                      const ProgramCalendar &special) {
        return doc.perform(std::make_unique<ChangeProgramCalendar>(doc, QString::fromLatin1(text), days, special, to,
                                                                   ListPlace{from, {}, -1, -1}));
    };
    EXPECT_TRUE(week.hasDay(kNoBellsDay));
    EXPECT_FALSE(week.isEditableDay(kNoBellsDay));

    // Made and given a bell in one step.
    ProgramCalendar withExam = week.programCalendar();
    const int exam = week.nextProgramDay();
    withExam.programs.push_back({exam, QStringLiteral("Exam day")});
    ASSERT_TRUE(change("New Program", {{exam, {bellAt("08:00")}}}, 1, exam, withExam));
    EXPECT_EQ(week.shownDay(), exam);
    EXPECT_EQ(week.dayTitle(exam), "Exam day");
    EXPECT_EQ(week.day(exam).count(), 1);
    EXPECT_EQ(week.WorkingDay.count(), 1);
    // "No bells" takes no entries, not even through the one path.
    EXPECT_FALSE(change("Insert", {{kNoBellsDay, {bellAt("09:00")}}}, exam, kNoBellsDay, week.programCalendar()));
    WeeklySchedule written;
    written.copyFrom(week);
    EXPECT_FALSE(written.WriteEntry(kNoBellsDay, 1, bellAt("09:00")));

    // Deleted with its calendar entry and its entries, as one step.
    ProgramCalendar withCalendar = week.programCalendar();
    withCalendar.calendar.push_back({QDate(2027, 1, 4), QDate(2027, 1, 4), exam, QString()});
    ASSERT_TRUE(change("Add Date", {}, exam, exam, withCalendar));
    ProgramCalendar without = week.programCalendar();
    without.programs.pop_back();
    without.calendar.clear();
    ASSERT_TRUE(change("Delete Program", {{exam, {}}}, exam, 1, without));
    EXPECT_FALSE(week.hasDay(exam));
    EXPECT_EQ(week.shownDay(), 1);
    EXPECT_GT(week.nextProgramDay(), exam); // its number is not given to the next program

    doc.undo();
    EXPECT_EQ(week.dayTitle(exam), "Exam day");
    EXPECT_EQ(week.day(exam).count(), 1);
    EXPECT_EQ(week.programCalendar().calendar.size(), 1u);
    EXPECT_EQ(week.shownDay(), exam);
    doc.undo();
    doc.undo();
    EXPECT_FALSE(week.hasDay(exam));
    EXPECT_EQ(week.shownDay(), 1);
    EXPECT_FALSE(doc.isModified());
    doc.redo();
    EXPECT_EQ(week.day(exam).count(), 1);

    // A copy holds the programs and the calendar too.
    WeeklySchedule copy;
    copy.copyFrom(week);
    EXPECT_TRUE(copy.sameDays(week));
    copy.day(exam).clear();
    EXPECT_FALSE(copy.sameDays(week));
}

} // namespace

TEST(CTavrinDoc, ASoundIsNamedInOneStepThatUndoesAndABadNameIsNoStep)
{
    CTavrinDoc doc;
    const ListPlace monday{1, {}, -1, -1};
    auto rename = [&](SoundKind kind, int number, const QString &name) {
        return doc.perform(std::make_unique<RenameSound>(doc, kind, number, name, monday));
    };
    ASSERT_TRUE(rename(SoundKind::Melody, 3, QStringLiteral("Westminster")));
    ASSERT_TRUE(rename(SoundKind::Voice, 3, QStringLiteral("Fire drill")));
    EXPECT_EQ(doc.undoText(), "Name Voice 3");
    EXPECT_TRUE(doc.isModified());

    // The same name, a name too long or with a control character, a sound that is not there.
    EXPECT_FALSE(rename(SoundKind::Melody, 3, QStringLiteral("Westminster")));
    EXPECT_FALSE(rename(SoundKind::Melody, 4, QString(41, QLatin1Char('x'))));
    EXPECT_FALSE(rename(SoundKind::Melody, 4, QStringLiteral("Tab\there")));
    EXPECT_FALSE(rename(SoundKind::Melody, 16, QStringLiteral("Sixteen")));
    EXPECT_EQ(soundNameProblem(QString(41, QLatin1Char('x'))), SoundNameProblem::TooLong);
    EXPECT_EQ(soundNameProblem(QStringLiteral("Tab\there")), SoundNameProblem::ControlCharacter);
    EXPECT_EQ(soundNameProblem(QString(40, QChar(0x0416))), SoundNameProblem::None);

    doc.undo();
    EXPECT_EQ(doc.week().soundNames().name(SoundKind::Voice, 3), "");
    EXPECT_EQ(doc.week().soundNames().name(SoundKind::Melody, 3), "Westminster");
    doc.undo();
    EXPECT_TRUE(doc.week().soundNames().isEmpty());
    EXPECT_FALSE(doc.isModified());
    doc.redo();
    doc.redo();
    EXPECT_EQ(doc.week().soundNames().name(SoundKind::Voice, 3), "Fire drill");
    // Taking a name away is a step too.
    ASSERT_TRUE(rename(SoundKind::Voice, 3, QString()));
    EXPECT_EQ(doc.week().soundNames().name(SoundKind::Voice, 3), "");
}

TEST(CalendarCommands, AddAndDeleteAreOneStepEachAndKeepTheList)
{
    CTavrinDoc doc;
    const ListPlace tuesday{2, {}, -1, -1};
    doc.showDay(2);
    const CalendarEntry holiday{QDate(2027, 1, 4), QDate(2027, 1, 8), kNoBellsDay, QStringLiteral("Break")};
    const CalendarEntry snow{QDate(2027, 2, 1), QDate(2027, 2, 1), kNoBellsDay, QStringLiteral("Bells off")};
    ASSERT_TRUE(doc.perform(std::make_unique<AddCalendarEntry>(doc, holiday, tuesday)));
    ASSERT_TRUE(doc.perform(std::make_unique<AddCalendarEntry>(doc, snow, tuesday, QStringLiteral("Bells Off"))));
    EXPECT_EQ(doc.week().programCalendar().calendar, (std::vector<CalendarEntry>{holiday, snow}));
    EXPECT_EQ(doc.undoText(), "Bells Off");
    EXPECT_EQ(doc.shownDay(), 2);

    ASSERT_TRUE(doc.perform(std::make_unique<RemoveCalendarEntry>(doc, 0, tuesday)));
    EXPECT_EQ(doc.week().programCalendar().calendar, std::vector<CalendarEntry>{snow});
    EXPECT_FALSE(doc.perform(std::make_unique<RemoveCalendarEntry>(doc, 5, tuesday)));
    doc.undo();
    EXPECT_EQ(doc.week().programCalendar().calendar, (std::vector<CalendarEntry>{holiday, snow}));
    doc.undo();
    EXPECT_EQ(doc.week().programCalendar().calendar, std::vector<CalendarEntry>{holiday});
}
