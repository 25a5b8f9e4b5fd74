#include "MemoryListControl.h"
#include "support/RecordingMessages.h"

#include "schedule/WeeklySchedule.h"
#include "view/ScheduleList.h"

#include <gtest/gtest.h>

namespace {

ScheduleEntry event(const std::string &hhmm, const std::string &mv = "Melody", const std::string &sel = "1",
                    const std::string &ac = "", const std::string &ch1 = "1")
{
    return ScheduleEntry{"           " + hhmm, mv, sel, ac, ch1, "0", "0", "0"};
}

class ScheduleListTest : public testing::Test {
protected:
    void SetUp() override
    {
        list.onChanged = [this] { ++changes; };
    }

    void setDay(int d, const std::vector<ScheduleEntry> &entries)
    {
        DaySchedule &day = week.day(d);
        day.clear();
        for (const ScheduleEntry &e : entries)
            day.append(e);
    }

    void show(int d)
    {
        week.setShownDay(d);
        list.reloadShownDay();
    }

    std::vector<std::string> column(int c) const
    {
        std::vector<std::string> texts;
        for (const ListRow &r : control.rows)
            texts.push_back(r[size_t(c)]);
        return texts;
    }

    WeeklySchedule week;
    MemoryListControl control;
    RecordingMessages messages;
    ScheduleList list{week, control, messages};
    int changes = 0;
};

using Texts = std::vector<std::string>;

TEST_F(ScheduleListTest, FillAndStoreKeepTheDayAndDropTheDate)
{
    setDay(1, {event("08:00"), ScheduleEntry{"2024-01-01 21:30:00", "Voice", "3", "ON", "0", "1", "0", "1"}});
    show(1);
    ASSERT_EQ(control.rowCount(), 2);
    EXPECT_EQ(control.rows[1], (ListRow{"2", "PM", "09:30", "Voice", "3", "ON", "", "ON", "", "ON"}));

    list.StoreList();
    EXPECT_EQ(week.day(1).count(), 2);
    EXPECT_EQ(week.day(1).entry(2).Time, "           21:30");
    EXPECT_EQ(week.day(1).entry(1), event("08:00"));

    // The same day shown again: rows stay, IDs renumbered.
    control.rows[0][kColumnId] = "7";
    list.ShowDay(1);
    EXPECT_EQ(column(kColumnId), (Texts{"1", "2"}));
    EXPECT_EQ(control.rowCount(), 2);

    // An emptied list leaves the day with no entries after a switch.
    control.deleteAllRows();
    list.ShowDay(2);
    EXPECT_EQ(week.day(1).count(), 0);
    EXPECT_EQ(week.shownDay(), 2);
}

TEST_F(ScheduleListTest, InsertPositionsAndCapacity)
{
    setDay(1, {event("01:00"), event("02:00"), event("03:00")});
    show(1);
    list.insertRow(); // nothing selected: appended
    EXPECT_EQ(control.rowCount(), 4);
    EXPECT_EQ(control.rows[3], (ListRow{"4", "AM", "00:00", "", "0", "", "", "", "", ""}));
    EXPECT_EQ(week.WorkingDay.count(), 4);
    EXPECT_EQ(week.day(1).count(), 3) << "Insert changes only the list";

    control.click(1);
    list.insertRow(); // above the mark, later IDs shift
    EXPECT_EQ(column(kColumnTime), (Texts{"01:00", "00:00", "02:00", "03:00", "00:00"}));
    EXPECT_EQ(column(kColumnId), (Texts{"1", "2", "3", "4", "5"}));

    // Selected rows without a mark: the row goes to the end.
    control.selected = {0, 1};
    control.mark = -1;
    list.insertRow();
    EXPECT_EQ(control.rowCount(), 6);
    EXPECT_EQ(control.rows[5][kColumnId], "6");
    EXPECT_EQ(week.WorkingDay.count(), 6);

    control.deleteAllRows();
    for (int i = 0; i < ScheduleList::kMaxRows; ++i)
        control.insertRow(i, ListRow{});
    EXPECT_FALSE(list.insertRow());
    EXPECT_EQ(control.rowCount(), ScheduleList::kMaxRows);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(ScheduleListTest, DeleteAndCutStoreAndRenumber)
{
    setDay(3, {event("01:00"), event("02:00"), event("03:00"), event("04:00"), event("05:00")});
    show(3);
    list.deleteRows(); // nothing selected
    EXPECT_EQ(control.rowCount(), 5);

    control.selected = {0, 2, 4};
    list.deleteRows();
    EXPECT_EQ(column(kColumnTime), (Texts{"02:00", "04:00"}));
    EXPECT_EQ(column(kColumnId), (Texts{"1", "2"}));
    EXPECT_EQ(week.day(3).count(), 2);
    EXPECT_EQ(week.day(3).entry(2).Time, "           04:00");

    control.selected = {1};
    list.cutRows();
    EXPECT_EQ(column(kColumnTime), (Texts{"02:00"}));
    EXPECT_EQ(week.day(3).count(), 1);
    ASSERT_EQ(list.clipboard().count(), 1);
    EXPECT_EQ(list.clipboard().row(0)[1], "04:00");

    control.selected = {0};
    list.cutRows();
    EXPECT_EQ(week.day(3).count(), 0);
    EXPECT_EQ(week.WorkingDay.count(), 0);
}

TEST_F(ScheduleListTest, CopyOnOneDayPasteOnAnotherSortsAndMerges)
{
    setDay(1, {event("09:00", "Melody", "5", "", "1"), event("08:15", "Voice", "3", "", "1")});
    setDay(2, {event("10:00"), event("08:15", "", "", "ON", "0")});
    show(1);
    control.selected = {0, 1};
    list.copyRows();
    ASSERT_EQ(list.clipboard().count(), 2);
    EXPECT_EQ(list.clipboard().row(0)[1], "08:15") << "copied from the last row up";

    list.ShowDay(2);
    changes = 0;
    list.pasteRows();
    EXPECT_EQ(column(kColumnTime), (Texts{"08:15", "09:00", "10:00"}));
    EXPECT_EQ(column(kColumnId), (Texts{"1", "2", "3"}));
    EXPECT_EQ(control.rows[0][kColumnMelodyVoice], "Voice");
    EXPECT_EQ(control.rows[0][kColumnAc], "ON");
    EXPECT_EQ(week.day(2).count(), 3);
    EXPECT_GT(changes, 0);
    EXPECT_EQ(list.clipboard().count(), 2) << "Paste keeps the clipboard";
    EXPECT_EQ(week.day(1).count(), 2);
}

TEST_F(ScheduleListTest, ReSortDropsEmptyRowsAndFillsAcOnlyRows)
{
    setDay(5, {event("12:00"), event("07:00", "", "", ""), event("06:00", "", "9", "OFF", "0")});
    show(5);
    list.NormalizeDay();
    ASSERT_EQ(control.rowCount(), 2);
    EXPECT_EQ(control.rows[0], (ListRow{"1", "AM", "06:00", " ", "0", "OFF", "", "", "", ""}));
    EXPECT_EQ(control.rows[1][kColumnTime], "12:00");
    EXPECT_EQ(control.rows[1][kColumnAmPm], "PM");
    EXPECT_EQ(week.shownDay(), 5);
}

TEST_F(ScheduleListTest, PasteStopsAtAFullDayAndSaysHowManyWereLeftOut)
{
    std::vector<ScheduleEntry> full;
    for (int m = 0; m < 1438; ++m) {
        char t[8];
        std::snprintf(t, sizeof t, "%02d:%02d", m / 60, m % 60);
        full.push_back(event(t));
    }
    setDay(1, full);
    setDay(2, {event("00:00"), event("00:01"), event("23:58"), event("23:59")});
    show(2);
    control.selected = {0, 1, 2, 3};
    list.copyRows();
    list.ShowDay(1);
    list.pasteRows();
    EXPECT_EQ(control.rowCount(), 1440);
    EXPECT_EQ(week.day(1).count(), 1440);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("2 "));
}

TEST_F(ScheduleListTest, CellToggles)
{
    setDay(1, {event("10:00", "Melody", "1", "", "1")});
    show(1);
    control.click(0);
    auto dbl = [&](int column) { list.doubleClicked(0, column); };
    dbl(kColumnId);
    EXPECT_FALSE(list.isEditing());
    dbl(kColumnAmPm);
    EXPECT_EQ(control.rows[0][kColumnAmPm], "PM");
    dbl(kColumnMelodyVoice);
    dbl(kColumnMelodyVoice);
    EXPECT_EQ(control.rows[0][kColumnMelodyVoice], "");
    dbl(kColumnAc);
    EXPECT_EQ(control.rows[0][kColumnAc], "ON");
    dbl(kColumnCh1);
    dbl(kColumnCh2);
    EXPECT_EQ(control.rows[0][kColumnCh1], "");
    EXPECT_EQ(control.rows[0][kColumnCh2], "ON");
    EXPECT_FALSE(list.isEditing());
    EXPECT_EQ(week.day(1).entry(1), event("10:00", "Melody", "1", "", "1")) << "toggles change only the list";

    // With no row selected a double-click does nothing.
    control.selected.clear();
    dbl(kColumnAmPm);
    EXPECT_EQ(control.rows[0][kColumnAmPm], "PM");
}

TEST_F(ScheduleListTest, EditorKeysAndCommits)
{
    setDay(1, {event("10:00", "", "0"), event("11:00")});
    show(1);
    control.click(0);
    list.doubleClicked(0, kColumnTime);
    ASSERT_TRUE(control.editorOpen);
    EXPECT_EQ(control.editorText, "10:00");

    EXPECT_TRUE(list.editorKey(Qt::Key_7));
    EXPECT_TRUE(list.editorKey(Qt::Key_Colon));
    EXPECT_TRUE(list.editorKey(Qt::Key_Delete)) << "Delete stays in the edit box";
    EXPECT_TRUE(list.editorKey(Qt::Key_Shift));
    control.editorText = "17:055";
    EXPECT_FALSE(list.editorKey(Qt::Key_Backspace));
    EXPECT_EQ(control.editorText, "17:05");
    EXPECT_TRUE(control.editorOpen);
    EXPECT_FALSE(list.editorKey(Qt::Key_Return));
    EXPECT_FALSE(control.editorOpen);
    EXPECT_EQ(control.rows[0][kColumnTime], "05:05");
    EXPECT_EQ(control.rows[0][kColumnAmPm], "PM");

    // A letter ends the edit and keeps the cell.
    list.doubleClicked(0, kColumnSelection);
    control.editorText = "7";
    EXPECT_FALSE(list.editorKey(Qt::Key_A));
    EXPECT_FALSE(list.isEditing());
    EXPECT_EQ(control.rows[0][kColumnSelection], "0");

    // 7 on a row without Melody/Voice becomes "0"; 16 is refused.
    list.doubleClicked(0, kColumnSelection);
    control.editorText = "7";
    list.CommitCellEdit();
    EXPECT_EQ(control.rows[0][kColumnSelection], "0");
    control.click(1);
    list.contextMenuAt(kColumnSelection);
    list.modify();
    ASSERT_TRUE(list.isEditing());
    EXPECT_EQ(list.editedRow(), 1);
    control.editorText = "16";
    list.CommitCellEdit();
    EXPECT_EQ(control.rows[1][kColumnSelection], "1");
    list.modify();
    control.editorText = "12";
    list.CommitCellEdit();
    EXPECT_EQ(control.rows[1][kColumnSelection], "12");
}

TEST_F(ScheduleListTest, EditorFollowsRowsAndClosesWithItsRow)
{
    setDay(1, {event("01:00"), event("02:00"), event("03:00")});
    show(1);
    control.click(2);
    list.doubleClicked(2, kColumnTime);
    control.selected = {0};
    control.mark = 0;
    list.insertRow();
    EXPECT_EQ(list.editedRow(), 3);
    EXPECT_EQ(control.editorRow, 3);
    control.selected = {0, 1};
    list.deleteRows();
    ASSERT_TRUE(list.isEditing());
    EXPECT_EQ(list.editedRow(), 1);
    control.editorText = "4:44";
    list.CommitCellEdit();
    EXPECT_EQ(control.rows[1][kColumnTime], "04:44");

    list.doubleClicked(1, kColumnTime);
    control.selected = {1};
    list.deleteRows();
    EXPECT_FALSE(list.isEditing());
    EXPECT_FALSE(control.editorOpen);

    // A weekday switch closes the editor without writing it.
    control.click(0);
    list.doubleClicked(0, kColumnTime);
    control.editorText = "9:09";
    list.ShowDay(1);
    EXPECT_FALSE(control.editorOpen);
    EXPECT_EQ(control.rows[0][kColumnTime], "02:00");
}
} // namespace
