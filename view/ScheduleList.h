#pragma once

#include "document/commands/SortCommands.h"
#include "document/ListColumns.h"
#include "document/ListPlace.h"
#include "view/ListControl.h"
#include "view/RowClipboard.h"

#include <QMetaObject>

#include <functional>
#include <memory>

class CTavrinDoc;
class DayStep;
class Messages;

// The editing behaviour of the schedule list, over any ListControl, for the document's shown
// day. The list holds no entries: it shows the document's, and every change it makes is one of
// the document's commands, made with the operator's place and leaving the place the command
// names. Rows never exceed a full day (1440). "No bells" is shown empty and every command that
// would change it is refused (see canEdit).
class ScheduleList {
public:
    static constexpr int kMaxRows = 1440;

    ScheduleList(CTavrinDoc &doc, ListControl &list, Messages &messages);
    ~ScheduleList();

    CTavrinDoc &document() { return m_doc; }
    const RowClipboard &clipboard() const { return m_clipboard; }

    // Called after every change the operator makes to the schedule (the week or the list).
    std::function<void()> onChanged;
    // Called whenever the list has been rebuilt for a day (the same day included).
    std::function<void(int)> onShownDayChanged;

    int rowCount() const;
    // The text row r shows in column c ("PM", "08:05", "ON" ...); empty outside the rows.
    std::string cellText(int row, int column) const;

    // --- list <-> document ---
    // The list shows the document's shown day again.
    void FillList();
    // Every store point starts here: an open edit is committed as Enter would (or closed when
    // its text is refused), and the shown day takes the stored form of what the list shows (a
    // Time's date drops, channels become "1"/"0"). Not a step of the history.
    void StoreList();
    // Closes the editor and shows the shown day afresh.
    void reloadShownDay();
    // Stores the list, then shows day d (a weekday or a program; other numbers are ignored).
    void ShowDay(int dayNumber);
    // The shown day takes entries: false while "No bells" is shown.
    bool canEdit() const;
    // Stores the list, sorts the shown day by time through its device image and shows it
    // again: same-minute rows merge, rows without Melody/Voice and AC drop out. A day with an
    // entry the image cannot carry (a Selection above 15, a Time that is no time) is left as
    // it is and a message names those rows. The selected and the current event stay selected
    // and current.
    void NormalizeDay();
    void commitOpenEdit() { CommitCellEdit(); }
    // A command made elsewhere (a dialog, a program edit) on the document, at a store point.
    bool perform(std::unique_ptr<DayStep> step);

    // Where the operator is: the shown day, the selected rows, the current cell.
    ListPlace place() const;
    // Rebuilds the list and selects and makes current as place says.
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
    // The document's shown day was replaced: by this list's own command, or by undo, redo, a
    // dialog, a file or another day shown.
    void shownDayReplaced(const ListPlace &place);
    bool performHere(std::unique_ptr<DayStep> step);
    std::vector<int> selectedRows() const;
    // Says why a re-sort or a Paste left the day as it was.
    void tellRefusal(const SortByTime::Refusal &refusal);
    void copySelection();
    // Scrolls to the selection: the current row when it is selected, else the first selected.
    void showSelection();
    void editCell(int row, int column);

    CTavrinDoc &m_doc;
    ListControl &m_list;
    Messages &m_messages;
    RowClipboard m_clipboard;
    QMetaObject::Connection m_following;
    bool m_performing = false;

    bool m_editing = false;
    int m_editedRow = -1;
    int m_editedColumn = -1;
    int m_rememberedColumn = -1;
};
