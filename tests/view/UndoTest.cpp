#include "MemoryListControl.h"
#include "support/RecordingMessages.h"

#include "document/commands/WeekCommands.h"
#include "document/CTavrinDoc.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "view/AutoSetupForm.h"
#include "view/ScheduleList.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

ScheduleEntry event(const std::string &hhmm, const std::string &mv = "Melody", const std::string &sel = "1",
                    const std::string &ac = "")
{
    return ScheduleEntry{"           " + hhmm, mv, sel, ac, "1", "0", "0", "0"};
}

// Everything a step may touch and undo must give back.
struct Picture {
    std::array<std::vector<ScheduleEntry>, 7> days;
    int shownDay = 0;
    std::vector<ListRow> rows;
    std::set<int> selected;
    int currentRow = -1;
    bool operator==(const Picture &) const = default;
};

class Undo : public testing::Test {
public:
    void SetUp() override
    {
        control.rows = [this] { return list.rowCount(); };
        auto start = std::make_unique<WeeklySchedule>();
        setDay(*start, kTuesday, {event("09:00"), event("08:00", "Voice", "3", "ON"), event("10:30")});
        setDay(*start, kWednesday, {event("12:00")});
        setDay(*start, kSunday, {event("07:00")});
        start->setShownDay(kTuesday);
        doc.replaceWeek(*start);
    }

    static void setDay(WeeklySchedule &week, int d, const std::vector<ScheduleEntry> &entries)
    {
        week.day(d).clear();
        for (const ScheduleEntry &e : entries)
            week.day(d).append(e);
    }

    std::vector<ListRow> rows() const { return shownRows(list); }

    Picture picture() const
    {
        Picture p;
        for (int d = kMonday; d <= kSunday; ++d)
            p.days[size_t(d - 1)] = week.day(d).entries();
        p.shownDay = week.shownDay();
        p.rows = rows();
        p.selected = control.selected;
        p.currentRow = control.currentRow();
        return p;
    }

    void edit(int row, int column, const std::string &typed)
    {
        control.setCurrentCell(row, column);
        list.activateCurrentCell();
        control.setCellEditorText(typed);
    }

    CTavrinDoc doc;
    const WeeklySchedule &week = doc.week();
    CTavrinDoc &changes = doc;
    MemoryListControl control;
    RecordingMessages messages;
    ScheduleList list{doc, control, messages};
};

struct StepKind {
    const char *text;
    std::function<void(Undo &)> prepare;
    std::function<void(Undo &)> act;
};

TEST_F(Undo, EveryKindOfStepUndoesAndRedoesExactly)
{
    const auto none = [](Undo &) {};
    const std::vector<StepKind> kinds = {
        {"Insert Row", [](Undo &t) { t.control.click(1); }, [](Undo &t) { t.list.insertRow(); }},
        {"Delete 2 Rows",
         [](Undo &t) {
             t.control.click(0);
             t.control.selectRow(2);
         },
         [](Undo &t) { t.list.deleteRows(); }},
        {"Cut Row", [](Undo &t) { t.control.click(1); }, [](Undo &t) { t.list.cutRows(); }},
        {"Paste",
         [](Undo &t) {
             t.control.click(0);
             t.list.copyRows();
             t.list.ShowDay(kWednesday);
         },
         [](Undo &t) { t.list.pasteRows(); }},
        {"Toggle AC", [](Undo &t) { t.control.setCurrentCell(1, kColumnAc); },
         [](Undo &t) { t.list.toggleCurrentCell(); }},
        {"Edit Time", [](Undo &t) { t.edit(2, kColumnTime, "11:45"); }, [](Undo &t) { t.list.CommitCellEdit(); }},
        {"Edit Selection", [](Undo &t) { t.edit(0, kColumnSelection, "7"); }, [](Undo &t) { t.list.StoreList(); }},
        {"Sort by Time", [](Undo &t) { t.control.click(2); }, [](Undo &t) { t.list.NormalizeDay(); }},
        {"Auto Set (Sunday)", none,
         [](Undo &t) {
             // As the dialog does it: a copy of the week is written, then the list shows the day
             // made.
             AutoSetupForm form;
             form.dayIndex = autoSetupPositionForDay(kSunday);
             form.startText = "08:00";
             form.endText = "09:00";
             form.intervalText = "30";
             form.melodyVoiceIndex = AutoSetupLists::kMelody;
             auto step =
                 ReplaceDays::through(t.doc, QStringLiteral("Auto Set"), true, t.list.place(),
                                      [&](WeeklySchedule &week) { return acceptAutoSetup(form, week, t.messages); });
             ASSERT_TRUE(step);
             t.list.perform(std::move(step));
         }},
    };
    for (const StepKind &kind : kinds) {
        SCOPED_TRACE(kind.text);
        SetUp();
        doc.replaceWeek(week);
        kind.prepare(*this);
        const Picture before = picture();
        kind.act(*this);
        const Picture after = picture();
        ASSERT_NE(before.days, after.days);
        EXPECT_EQ(changes.undoText().toStdString(), kind.text);
        EXPECT_TRUE(changes.isModified());

        list.ShowDay(kMonday); // undo shows the day the step was made on
        changes.undo();
        EXPECT_EQ(picture(), before);
        EXPECT_FALSE(changes.isModified());
        changes.redo();
        EXPECT_EQ(picture(), after);
    }

    // A change that changes nothing is no step.
    SetUp();
    doc.replaceWeek(week);
    list.NormalizeDay();
    list.NormalizeDay();
    list.pasteRows(); // a copied row the sorted day already holds
    EXPECT_EQ(changes.history().count(), 1);
}

TEST_F(Undo, ARandomRunUndoesToTheStartAndRedoesToTheEnd)
{
    std::mt19937 random(20261209);
    auto pick = [&](int n) { return n > 0 ? int(random() % unsigned(n)) : 0; };
    const Picture start = picture();
    int steps = 0;
    for (int i = 0; i < 600; ++i) {
        const int rows = list.rowCount();
        if (rows > 0)
            control.click(pick(rows));
        switch (pick(8)) {
        case 0:
            list.ShowDay(1 + pick(7));
            break;
        case 1:
            list.insertRow();
            break;
        case 2:
            list.deleteRows();
            break;
        case 3:
            list.copyRows();
            list.ShowDay(1 + pick(7));
            list.pasteRows();
            break;
        case 4:
            control.setCurrentCell(pick(rows), kColumnAmPm + pick(9));
            list.toggleCurrentCell();
            break;
        case 5:
            edit(pick(rows), kColumnTime, std::to_string(pick(12)) + ":" + std::to_string(10 + pick(50)));
            break;
        case 6:
            list.NormalizeDay();
            break;
        case 7:
            list.cutRows();
            break;
        }
        steps = changes.history().index();
    }
    list.StoreList();
    const Picture end = picture();
    ASSERT_GT(steps, 150);

    while (changes.canUndo())
        list.undo();
    EXPECT_EQ(picture().days, start.days);
    while (changes.canRedo())
        list.redo();
    EXPECT_EQ(picture().days, end.days);
    // The list shows what the week holds.
    const std::vector<ListRow> shown = rows();
    list.reloadShownDay();
    EXPECT_EQ(rows(), shown);
}

TEST_F(Undo, TheCleanPointIsWhereTheWeekWasSavedAndClearingForgetsTheSteps)
{
    control.click(0);
    list.deleteRows();
    doc.setClean(); // saved
    EXPECT_FALSE(changes.isModified());
    list.undo();
    EXPECT_TRUE(changes.isModified());
    list.redo();
    EXPECT_FALSE(changes.isModified());

    // A step made after undoing past the saved point can never come back to it.
    list.undo();
    control.click(0);
    list.insertRow();
    EXPECT_TRUE(changes.isModified());
    list.undo();
    EXPECT_TRUE(changes.isModified());

    doc.replaceWeek(week); // a week was opened
    EXPECT_FALSE(changes.canUndo());
    EXPECT_FALSE(changes.canRedo());
    EXPECT_FALSE(changes.isModified());
}

} // namespace
