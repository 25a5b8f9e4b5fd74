#pragma once

#include "schedule/ListPlace.h"
#include "schedule/ProgramCalendar.h"
#include "schedule/ScheduleEntry.h"
#include "schedule/WeekEditor.h"
#include "view/KeyScreen.h"
#include "view/ListControl.h"
#include "view/RowClipboard.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class Messages;
class WeeklySchedule;

// The editing behaviour of the schedule list, over any ListControl. Every change the list
// makes is one step through the WeekEditor, which writes the shown day into the week at once,
// so the list and the week agree after every step; StoreList at a store point writes what is
// already there (and commits an open edit). The reloads rebuild the list from the week. Rows
// never exceed a full day (1440). The shown day is a weekday or a day program; "No bells" is
// shown empty and every command that would change it is refused (see canEdit).
class ScheduleList {
public:
    static constexpr int kMaxRows = 1440;

    ScheduleList(WeekEditor &changes, ListControl &list, Messages &messages);
    // A list with a history of its own.
    ScheduleList(WeeklySchedule &week, ListControl &list, Messages &messages);
    ~ScheduleList();

    WeeklySchedule &week() { return m_week; }
    WeekEditor &changes() { return m_changes; }
    const RowClipboard &clipboard() const { return m_clipboard; }

    // Called after every change the operator makes to the schedule (the week or the list).
    std::function<void()> onChanged;
    // Called whenever the list has been rebuilt for a day (the same day included).
    std::function<void(int)> onShownDayChanged;

    // --- list <-> week ---
    // Adds a row per WorkingDay entry; the list is expected to be empty.
    void FillList();
    // WorkingDay and the shown day become what the list shows.
    void StoreList();
    // Empties the list, closes the editor, loads WorkingDay from the shown day and fills.
    void reloadShownDay();
    // Stores the list, then shows day d (a weekday or a program; other numbers are ignored).
    void ShowDay(int dayNumber);
    // The shown day takes entries: false while "No bells" is shown.
    bool canEdit() const;
    // A step that changes the programs or the calendar (and the entries that go or come with
    // a program), made at a store point: the list is stored first, and afterwards shows
    // shownDay (the same place when the day stays). False, and no step, when nothing changes.
    bool changeProgramCalendar(const QString &text, std::vector<WeekEditor::DayChange> days,
                               const ProgramCalendar &special, int shownDay);
    // Empties all seven days and the list.
    void clearAllDays();
    // Stores the list, sorts the shown day by time through its device image and shows it
    // again: same-minute rows merge, rows without Melody/Voice and AC drop out. A day with an
    // entry the image cannot carry (a Selection above 15, a Time that is no time) is left as
    // it is and a message names those rows. The selected and the current event stay selected
    // and current.
    void NormalizeDay();
    // Every store point starts here: an open edit is committed as Enter would, or closed
    // when its text is refused.
    void commitOpenEdit() { CommitCellEdit(); }

    // Where the operator is: the shown day, the selected rows, the current cell.
    ListPlace place() const;
    // Rebuilds the list from the week and selects and makes current as place says.
    void restorePlace(const ListPlace &place);

    // --- history: an open edit is committed first, as at any store point ---
    void undo();
    void redo();

    // --- commands ---
    // Insert, Delete, Cut and Copy act on the selection (Insert above its mark) and leave it
    // in view; after Delete and Cut the row that took the first removed row's place is
    // selected and current. False when the list already holds a full day.
    bool insertRow();
    void modify();
    void deleteRows();
    void selectAll();
    void copyRows();
    void cutRows();
    void pasteRows();

    // --- keyboard ---
    // Enter on the current cell: what a double-click on it does.
    void activateCurrentCell();
    // Space: toggles the current cell when it is a toggle cell (AM/PM, Melody/Voice, AC, chN).
    void toggleCurrentCell();

    // --- pointer ---
    // A double-click hit cell (row/column -1 when the pointer was not on a cell).
    void doubleClicked(int row, int column);
    // The context menu is about to open over column (-1 when over no column).
    void contextMenuAt(int column);

    // --- cell editing ---
    void BeginCellEdit();
    void CommitCellEdit();
    void EditBackspace();
    void CancelCellEdit();
    // Screens a key typed while the editor is open; true when the key goes on to the editor.
    bool editorKey(int key);

    bool isEditing() const { return m_editing; }
    int editedRow() const { return m_editedRow; }
    int editedColumn() const { return m_editedColumn; }
    int rememberedColumn() const { return m_rememberedColumn; }

private:
    // A step begins with the shown day as the week holds it and the list's place; it ends by
    // writing the list into the week and handing both versions to the history.
    struct StepStart {
        std::vector<ScheduleEntry> before;
        ListPlace place;
    };
    StepStart beginStep() const;
    void endStep(const StepStart &start, const QString &text);
    // StoreList without committing an open edit.
    void writeRows();
    void changed();
    void normalizeShownDay();
    void pasteClipboard();
    void setWorkingCount();
    void rowsRemovedAt(int row);
    // Scrolls to the selection: the current row when it is selected, else the first selected.
    void showSelection();
    // After rows were deleted from firstRemoved on (-1: none), the row now in its place (or the
    // last row) is the one selected and current: the frame and the selection stay one.
    void selectAfterRemoval(int firstRemoved, int column);
    ListRow rowTexts(int row) const;
    void editCell(int row, int column);
    // The day becomes entries sorted and merged through the device image, unless some entry
    // would be lost (then a message, and false). selectMinutes: the events to select after;
    // currentMinute: the one to make current.
    bool normalizeInto(const std::vector<ScheduleEntry> &existing, const std::vector<ScheduleEntry> &added,
                       const std::vector<int> &selectMinutes, int currentMinute, int currentColumn);

    std::unique_ptr<WeekEditor> m_ownChanges;
    WeekEditor &m_changes;
    WeeklySchedule &m_week;
    ListControl &m_list;
    Messages &m_messages;
    RowClipboard m_clipboard;

    bool m_editing = false;
    int m_editedRow = -1;
    int m_editedColumn = -1;
    int m_rememberedColumn = -1;
};
