#include "MemoryListControl.h"
#include "support/RecordingMessages.h"

#include "document/commands/WeekCommands.h"
#include "document/CTavrinDoc.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "view/ProgramEdits.h"
#include "view/ScheduleList.h"

#include <gtest/gtest.h>

namespace {

class ProgramEditsTest : public testing::Test {
protected:
    void SetUp() override
    {
        control.rows = [this] { return list.rowCount(); };
    }

    bool apply(const ProgramChange &c)
    {
        EXPECT_FALSE(c.refused.has_value());
        return change(c.text, c.days, c.special, c.shownDay);
    }

    bool change(const QString &text, const std::vector<ChangeProgramCalendar::DayEntries> &days,
                const ProgramCalendar &special, int shownDay)
    {
        return list.perform(std::make_unique<ChangeProgramCalendar>(doc, text, days, special, shownDay, list.place()));
    }

    int make(const QString &name)
    {
        const ProgramChange c = newProgram(week, name);
        EXPECT_TRUE(apply(c));
        return c.shownDay;
    }

    CTavrinDoc doc;
    const WeeklySchedule &week = doc.week();
    CTavrinDoc &changes = doc;
    MemoryListControl control;
    RecordingMessages messages;
    ScheduleList list{doc, control, messages};
};

} // namespace

TEST_F(ProgramEditsTest, NewAndRenameAreCheckedStepsAndAProgramIsEditedLikeAWeekday)
{
    EXPECT_EQ(newProgram(week, QStringLiteral("  ")).refused, ProgramCalendarFault::EmptyName);
    EXPECT_EQ(newProgram(week, QStringLiteral("NO BELLS")).refused, ProgramCalendarFault::NameTaken);

    const int exam = make(QStringLiteral("  Exam day "));
    EXPECT_GT(exam, kNoBellsDay);
    EXPECT_EQ(week.dayTitle(exam), "Exam day");
    EXPECT_EQ(week.shownDay(), exam);
    EXPECT_EQ(changes.undoText(), "New Program (Exam day)");

    // Insert on the program: the row is the program's, Monday has none after a switch
    ASSERT_TRUE(list.insertRow());
    list.ShowDay(kMonday);
    EXPECT_EQ(week.day(kMonday).count(), 0);
    list.ShowDay(exam);
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(week.day(exam).count(), 1);

    EXPECT_EQ(renameProgram(week, exam, QStringLiteral("no bells")).refused, ProgramCalendarFault::NameTaken);
    EXPECT_EQ(renameProgram(week, kNoBellsDay, QStringLiteral("Quiet")).refused, ProgramCalendarFault::NoBellsIsFixed);
    EXPECT_EQ(renameProgram(week, 42, QStringLiteral("Quiet")).refused, ProgramCalendarFault::NoSuchProgram);
    control.selectOnlyRow(0);
    ASSERT_TRUE(apply(renameProgram(week, exam, QStringLiteral("Exams"))));
    EXPECT_EQ(week.dayTitle(exam), "Exams");
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_TRUE(control.isRowSelected(0)); // renaming keeps the operator's place
}

TEST_F(ProgramEditsTest, DeleteTakesTheEntriesAndTheCalendarEntriesThatUsedIt)
{
    const int exam = make(QStringLiteral("Exam day"));
    const int half = make(QStringLiteral("Half day"));
    list.ShowDay(exam);
    list.insertRow();
    list.insertRow();

    ProgramCalendar special = week.programCalendar();
    special.calendar.push_back({QDate(2027, 2, 1), QDate(2027, 2, 5), exam, QStringLiteral("exams")});
    special.calendar.push_back({QDate(2027, 1, 4), QDate(2027, 1, 4), exam, QString()});
    special.calendar.push_back({QDate(2027, 3, 1), QDate(2027, 3, 1), half, QString()});
    ASSERT_TRUE(change(QStringLiteral("Add Dates"), {}, special, exam));

    // earliest first, a range with an en dash
    EXPECT_EQ(calendarDatesOf(week.programCalendar(), exam),
              QStringLiteral("2027-01-04, 2027-02-01 \u2013 2027-02-05"));
    EXPECT_EQ(calendarDatesOf(week.programCalendar(), exam, 1), QStringLiteral("2027-01-04 and 1 more"));
    EXPECT_EQ(calendarDatesOf(week.programCalendar(), kNoBellsDay), QString());

    EXPECT_EQ(deleteProgram(week, kNoBellsDay).refused, ProgramCalendarFault::NoBellsIsFixed);
    EXPECT_EQ(deleteProgram(week, kMonday).refused, ProgramCalendarFault::NoSuchProgram);
    const ProgramChange gone = deleteProgram(week, exam);
    EXPECT_EQ(gone.text, "Delete Program (Exam day)");
    ASSERT_TRUE(apply(gone));
    EXPECT_FALSE(week.hasDay(exam));
    EXPECT_EQ(week.shownDay(), kMonday);
    ASSERT_EQ(week.programCalendar().calendar.size(), 1u);
    EXPECT_EQ(week.programCalendar().calendar[0].program, half);
    // its number is not given again
    EXPECT_GT(newProgram(week, QStringLiteral("Sports day")).shownDay, half);

    changes.undo();
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(week.programCalendar().calendar[0].note, "exams");
}

TEST_F(ProgramEditsTest, NoBellsTakesNoRowsWhateverCommandTries)
{
    list.ShowDay(kMonday);
    list.insertRow();
    list.selectAll();
    list.copyRows();
    const size_t steps = size_t(changes.history().count());

    list.ShowDay(kNoBellsDay);
    EXPECT_EQ(week.shownDay(), kNoBellsDay);
    EXPECT_FALSE(list.canEdit());
    EXPECT_FALSE(list.insertRow());
    list.pasteRows();
    list.NormalizeDay();
    control.selectOnlyRow(0);
    control.setCurrentCell(0, kColumnAc);
    list.toggleCurrentCell();
    list.cutRows();
    list.deleteRows();
    list.StoreList();
    EXPECT_EQ(week.day(kNoBellsDay).count(), 0);
    EXPECT_EQ(size_t(changes.history().count()), steps);
    EXPECT_EQ(list.rowCount(), 0); // the toggle was refused too
}
