#include "MemoryListControl.h"
#include "support/RecordingMessages.h"

#include "document/CTavrinDoc.h"
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
        control.rows = [this] { return list.rowCount(); };
    }

    // The day as a file would bring it: not a step of the history.
    void setDay(int d, const std::vector<ScheduleEntry> &entries)
    {
        auto changed = std::make_unique<WeeklySchedule>();
        changed->copyFrom(week);
        DaySchedule &day = changed->day(d);
        day.clear();
        for (const ScheduleEntry &e : entries)
            day.append(e);
        doc.replaceWeek(*changed);
    }

    void show(int d)
    {
        doc.showDay(d);
        list.reloadShownDay();
    }

    std::vector<ListRow> rows() const { return shownRows(list); }

    std::vector<std::string> column(int c) const
    {
        std::vector<std::string> texts;
        for (const ListRow &r : rows())
            texts.push_back(r[size_t(c)]);
        return texts;
    }

    CTavrinDoc doc;
    const WeeklySchedule &week = doc.week();
    MemoryListControl control;
    RecordingMessages messages;
    ScheduleList list{doc, control, messages};
    int changes = 0;
};

using Texts = std::vector<std::string>;

TEST_F(ScheduleListTest, FillAndStoreKeepTheDayAndDropTheDate)
{
    setDay(1, {event("08:00"), ScheduleEntry{"2024-01-01 21:30:00", "Voice", "3", "ON", "0", "1", "0", "1"}});
    show(1);
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(rows()[1], (ListRow{"2", "PM", "09:30", "Voice", "3", "ON", "", "ON", "", "ON"}));

    list.StoreList();
    EXPECT_EQ(week.day(1).count(), 2);
    EXPECT_EQ(week.day(1).entry(2).Time, "           21:30");
    EXPECT_EQ(week.day(1).entry(1), event("08:00"));

    // The same day shown again: the same rows.
    list.ShowDay(1);
    EXPECT_EQ(column(kColumnId), (Texts{"1", "2"}));
    EXPECT_EQ(list.rowCount(), 2);
    list.ShowDay(2);
    EXPECT_EQ(week.day(1).count(), 2);
    EXPECT_EQ(week.shownDay(), 2);
}

TEST_F(ScheduleListTest, InsertPositionsAndCapacity)
{
    setDay(1, {event("01:00"), event("02:00"), event("03:00")});
    show(1);
    list.insertRow(); // nothing selected: appended
    EXPECT_EQ(list.rowCount(), 4);
    EXPECT_EQ(rows()[3], (ListRow{"4", "AM", "00:00", "", "0", "", "", "", "", ""}));
    EXPECT_EQ(week.WorkingDay.count(), 4);
    EXPECT_EQ(week.day(1).count(), 4) << "every step writes the week at once";

    control.click(1);
    list.insertRow(); // above the mark, later IDs shift
    EXPECT_EQ(column(kColumnTime), (Texts{"01:00", "00:00", "02:00", "03:00", "00:00"}));
    EXPECT_EQ(column(kColumnId), (Texts{"1", "2", "3", "4", "5"}));

    // Selected rows without a mark: the row goes to the end.
    control.selected = {0, 1};
    control.mark = -1;
    list.insertRow();
    EXPECT_EQ(list.rowCount(), 6);
    EXPECT_EQ(rows()[5][kColumnId], "6");
    EXPECT_EQ(week.WorkingDay.count(), 6);

    setDay(1, std::vector<ScheduleEntry>(size_t(ScheduleList::kMaxRows), event("00:00")));
    EXPECT_FALSE(list.insertRow());
    EXPECT_EQ(list.rowCount(), ScheduleList::kMaxRows);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(ScheduleListTest, DeleteAndCutStoreAndRenumber)
{
    setDay(3, {event("01:00"), event("02:00"), event("03:00"), event("04:00"), event("05:00")});
    show(3);
    list.deleteRows(); // nothing selected
    EXPECT_EQ(list.rowCount(), 5);

    control.selected = {0, 2, 4};
    list.deleteRows();
    EXPECT_EQ(column(kColumnTime), (Texts{"02:00", "04:00"}));
    EXPECT_EQ(column(kColumnId), (Texts{"1", "2"}));
    EXPECT_EQ(week.day(3).count(), 2);
    EXPECT_EQ(week.day(3).entry(2).Time, "           04:00");
    // The row now in the first deleted one's place is selected, current and in view.
    EXPECT_EQ(control.selected, (std::set<int>{0}));
    EXPECT_EQ(control.current, 0);
    EXPECT_EQ(control.shown, 0);

    control.selected = {1};
    list.cutRows();
    EXPECT_EQ(column(kColumnTime), (Texts{"02:00"}));
    EXPECT_EQ(control.selected, (std::set<int>{0})) << "the last row, when the cut ones were the last";
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
    EXPECT_EQ(rows()[0][kColumnMelodyVoice], "Voice");
    EXPECT_EQ(rows()[0][kColumnAc], "ON");
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
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(rows()[0], (ListRow{"1", "AM", "06:00", " ", "0", "OFF", "", "", "", ""}));
    EXPECT_EQ(rows()[1][kColumnTime], "12:00");
    EXPECT_EQ(rows()[1][kColumnAmPm], "PM");
    EXPECT_EQ(week.shownDay(), 5);
}

TEST_F(ScheduleListTest, PasteCountsTheLimitAfterTheMerge)
{
    // a full day pasted onto a day with one entry leaves nothing out.
    std::vector<ScheduleEntry> full;
    for (int m = 0; m < 1440; ++m) {
        char t[8];
        std::snprintf(t, sizeof t, "%02d:%02d", m / 60, m % 60);
        full.push_back(event(t, "Voice", "2"));
    }
    setDay(2, full);
    setDay(1, {event("07:05", "Melody", "3", "ON")});
    show(2);
    list.selectAll();
    list.copyRows();
    ASSERT_EQ(list.clipboard().count(), 1440);
    list.ShowDay(1);
    list.pasteRows();
    EXPECT_EQ(list.rowCount(), 1440);
    EXPECT_EQ(week.day(1).count(), 1440);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QStringLiteral("|")).toStdString();
    // 07:05 merged: the melody wins the slot, the AC switch of the old entry stays.
    EXPECT_EQ(rows()[425][kColumnTime], "07:05");
    EXPECT_EQ(rows()[425][kColumnAc], "ON");
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
    EXPECT_EQ(rows()[0][kColumnAmPm], "PM");
    dbl(kColumnMelodyVoice);
    dbl(kColumnMelodyVoice);
    EXPECT_EQ(rows()[0][kColumnMelodyVoice], "");
    dbl(kColumnAc);
    EXPECT_EQ(rows()[0][kColumnAc], "ON");
    dbl(kColumnCh1);
    dbl(kColumnCh2);
    EXPECT_EQ(rows()[0][kColumnCh1], "");
    EXPECT_EQ(rows()[0][kColumnCh2], "ON");
    EXPECT_FALSE(list.isEditing());
    EXPECT_EQ(week.day(1).entry(1).CH2, "1") << "every step writes the week at once";

    // With no row selected a double-click does nothing.
    control.selected.clear();
    dbl(kColumnAmPm);
    EXPECT_EQ(rows()[0][kColumnAmPm], "PM");
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
    EXPECT_EQ(rows()[0][kColumnTime], "05:05");
    EXPECT_EQ(rows()[0][kColumnAmPm], "PM");

    // A letter ends the edit and keeps the cell.
    list.doubleClicked(0, kColumnSelection);
    control.editorText = "7";
    EXPECT_FALSE(list.editorKey(Qt::Key_A));
    EXPECT_FALSE(list.isEditing());
    EXPECT_EQ(rows()[0][kColumnSelection], "0");

    // 7 on a row without Melody/Voice becomes "0"; 16 is refused.
    list.doubleClicked(0, kColumnSelection);
    control.editorText = "7";
    list.CommitCellEdit();
    EXPECT_EQ(rows()[0][kColumnSelection], "0");
    control.click(1);
    list.contextMenuAt(kColumnSelection);
    list.modify();
    ASSERT_TRUE(list.isEditing());
    EXPECT_EQ(list.editedRow(), 1);
    control.editorText = "16";
    list.CommitCellEdit();
    EXPECT_EQ(rows()[1][kColumnSelection], "1");
    list.modify();
    control.editorText = "12";
    list.CommitCellEdit();
    EXPECT_EQ(rows()[1][kColumnSelection], "12");
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
    control.editorText = "4:44";
    control.selected = {0, 1};
    list.deleteRows(); // a store point: the open edit is committed first
    EXPECT_FALSE(list.isEditing());
    EXPECT_EQ(column(kColumnTime), (Texts{"02:00", "04:44"}));

    list.doubleClicked(1, kColumnTime);
    control.selected = {1};
    list.deleteRows();
    EXPECT_FALSE(list.isEditing());
    EXPECT_FALSE(control.editorOpen);

    // A weekday switch commits the open edit as Enter would.
    control.click(0);
    list.doubleClicked(0, kColumnTime);
    control.editorText = "9:09";
    list.ShowDay(1);
    EXPECT_FALSE(control.editorOpen);
    EXPECT_EQ(rows()[0][kColumnTime], "09:09");
    EXPECT_EQ(week.day(1).entry(1).Time, "           09:09");
}

TEST_F(ScheduleListTest, EveryStorePointCommitsAnOpenEditOrClosesARefusedOne)
{
    // type 07:30, then a store point (Save, Download: StoreList).
    setDay(1, {event("00:00"), event("02:00")});
    show(1);
    control.click(0);
    list.doubleClicked(0, kColumnTime);
    control.editorText = "07:30";
    list.StoreList();
    EXPECT_FALSE(list.isEditing());
    EXPECT_EQ(week.day(1).entry(1).Time, "           07:30");

    // A refused text closes the editor and keeps the cell.
    list.doubleClicked(0, kColumnTime);
    control.editorText = "07:75";
    list.StoreList();
    EXPECT_FALSE(list.isEditing());
    EXPECT_EQ(week.day(1).entry(1).Time, "           07:30");

    // The header click commits before it sorts; Cut and Paste too.
    list.doubleClicked(0, kColumnTime);
    control.editorText = "3:00";
    list.NormalizeDay();
    EXPECT_EQ(column(kColumnTime), (Texts{"02:00", "03:00"}));
    control.click(0);
    list.doubleClicked(0, kColumnSelection);
    control.editorText = "9";
    list.cutRows();
    EXPECT_EQ(list.clipboard().row(0)[3], "9") << "the edit went with the cut row";
    control.click(0);
    list.doubleClicked(0, kColumnTime);
    control.editorText = "1:15";
    list.pasteRows();
    EXPECT_EQ(column(kColumnTime), (Texts{"01:15", "02:00"}));
}

TEST_F(ScheduleListTest, ARefusedTimeLeavesTheRowInItsHalfOfTheDay)
{
    // "15:75" on a 03:00 AM row.
    setDay(1, {event("03:00")});
    show(1);
    control.click(0);
    list.doubleClicked(0, kColumnTime);
    control.editorText = "15:75";
    list.CommitCellEdit();
    EXPECT_EQ(rows()[0][kColumnAmPm], "AM");
    EXPECT_EQ(rows()[0][kColumnTime], "03:00");
    EXPECT_EQ(changes, 0);
}

TEST_F(ScheduleListTest, ReSortLeavesADayWithASelectionAbove15AsItIs)
{
    // such an entry would vanish with its AC and channels.
    setDay(1, {event("09:00"), event("07:05", "Voice", "16", "ON"), event("08:00")});
    show(1);
    list.NormalizeDay();
    EXPECT_EQ(column(kColumnTime), (Texts{"09:00", "07:05", "08:00"}));
    EXPECT_EQ(week.day(1).count(), 3);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("Row 2: Selection 16 at 07:05 is above 15")))
        << messages.shown[0].toStdString();
    EXPECT_EQ(changes, 0);

    // Paste onto it: nothing is appended either.
    setDay(2, {event("06:00")});
    show(2);
    control.click(0);
    list.copyRows();
    list.ShowDay(1);
    list.pasteRows();
    EXPECT_EQ(column(kColumnTime), (Texts{"09:00", "07:05", "08:00"}));
    EXPECT_EQ(messages.shown.size(), 2);
}

TEST_F(ScheduleListTest, OnlyARealChangeCountsAsOne)
{
    setDay(1, {event("07:00"), event("08:00")});
    show(1);
    list.NormalizeDay(); // already sorted
    EXPECT_EQ(changes, 0);
    list.pasteRows(); // empty clipboard
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(list.rowCount(), 2);
    setDay(1, {event("08:00"), event("07:00")});
    show(1);
    list.NormalizeDay();
    EXPECT_EQ(changes, 1);
}

TEST_F(ScheduleListTest, ModifyAndInsertUseTheMarksRow)
{
    // Ctrl+click has deselected the mark's row 1.
    setDay(1, {event("01:00"), event("02:00"), event("03:00")});
    show(1);
    list.contextMenuAt(kColumnSelection);
    control.selected = {0, 2};
    control.mark = 1;
    list.modify();
    EXPECT_EQ(list.editedRow(), 1);
    list.CancelCellEdit();
    control.selected = {0, 2};
    control.mark = 1;
    list.insertRow();
    EXPECT_EQ(column(kColumnTime), (Texts{"01:00", "00:00", "02:00", "03:00"}));
}

TEST_F(ScheduleListTest, KeyboardWorksOnTheCurrentCell)
{
    setDay(1, {event("01:00"), event("02:00"), event("03:00")});
    show(1);
    // Enter on a toggle cell toggles it; Space too; Space on the Time cell does nothing.
    control.setCurrentCell(1, kColumnCh2);
    list.activateCurrentCell();
    EXPECT_EQ(rows()[1][kColumnCh2], "ON");
    list.toggleCurrentCell();
    EXPECT_EQ(rows()[1][kColumnCh2], "");
    control.setCurrentCell(1, kColumnTime);
    list.toggleCurrentCell();
    EXPECT_FALSE(list.isEditing());
    // Enter on the Time cell opens its editor.
    list.activateCurrentCell();
    ASSERT_TRUE(list.isEditing());
    EXPECT_EQ(list.editedRow(), 1);
    EXPECT_EQ(list.editedColumn(), kColumnTime);
    list.CancelCellEdit();

    // Modify before any column was remembered: the current cell.
    ScheduleList fresh{doc, control, messages};
    control.setCurrentCell(2, kColumnSelection);
    fresh.modify();
    ASSERT_TRUE(fresh.isEditing());
    EXPECT_EQ(fresh.editedRow(), 2);
    EXPECT_EQ(fresh.editedColumn(), kColumnSelection);
    fresh.CancelCellEdit();

    // Insert: the new row is selected, current and shown.
    control.click(1);
    list.insertRow();
    EXPECT_EQ(control.selected, (std::set<int>{1}));
    EXPECT_EQ(control.mark, 1);
    EXPECT_EQ(control.currentRow(), 1);
    EXPECT_EQ(control.shown, 1);
}

TEST_F(ScheduleListTest, PasteAndReSortKeepTheOperatorsEventSelectedAndInView)
{
    setDay(2, {event("05:30", "Voice", "4")});
    setDay(1, {event("09:00"), event("01:00"), event("03:00")});
    show(2);
    control.click(0);
    list.copyRows();
    list.ShowDay(1);
    control.click(2);
    control.setCurrentCell(2, kColumnAc);
    list.pasteRows();
    EXPECT_EQ(column(kColumnTime), (Texts{"01:00", "03:00", "05:30", "09:00"}));
    EXPECT_EQ(control.selected, (std::set<int>{2}));
    EXPECT_EQ(control.currentRow(), 2);
    EXPECT_EQ(control.currentColumn(), kColumnAc);
    EXPECT_EQ(control.shown, 2);

    // A header re-sort after a time edit: the edited event stays current where it went.
    control.click(0);
    control.setCurrentCell(0, kColumnTime);
    list.activateCurrentCell();
    control.editorText = "10:00";
    list.NormalizeDay();
    EXPECT_EQ(column(kColumnTime), (Texts{"03:00", "05:30", "09:00", "10:00"}));
    EXPECT_EQ(control.selected, (std::set<int>{3}));
    EXPECT_EQ(control.currentRow(), 3);
    EXPECT_EQ(control.shown, 3);
}
} // namespace
