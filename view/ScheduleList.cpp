#include "view/ScheduleList.h"

#include "device/DayImage.h"
#include "device/WeekdayStore.h"
#include "schedule/Messages.h"
#include "schedule/WeeklySchedule.h"
#include "schedule/Weekday.h"
#include "view/ShownText.h"

#include <QString>

#include <algorithm>

ScheduleList::ScheduleList(WeeklySchedule &week, ListControl &list, Messages &messages)
    : m_week(week)
    , m_list(list)
    , m_messages(messages)
{
}

void ScheduleList::changed()
{
    if (onChanged)
        onChanged();
}

void ScheduleList::setWorkingCount()
{
    m_week.WorkingDay.setCount(std::min(m_list.rowCount(), int(DaySchedule::kCapacity)));
}

ListRow ScheduleList::rowTexts(int row) const
{
    ListRow texts;
    for (int c = 0; c < kColumnCount; ++c)
        texts[size_t(c)] = m_list.cellText(row, c);
    return texts;
}

// ---------------------------------------------------------------- list <-> week

void ScheduleList::FillList()
{
    const DaySchedule &working = m_week.WorkingDay;
    std::vector<ListRow> rows;
    rows.reserve(size_t(working.count()));
    for (int k = 1; k <= working.count(); ++k)
        rows.push_back(shownRow(working.entry(k), k));
    m_list.appendRows(rows);
}

void ScheduleList::StoreList()
{
    // The list decides how many entries the day has, whatever drifted before.
    setWorkingCount();
    DaySchedule &working = m_week.WorkingDay;
    const int n = working.count();
    if (n == 0) {
        const ScheduleEntry blank;
        for (int k = 1; k <= DaySchedule::kCapacity; ++k) {
            working.setEntry(k, blank);
            m_week.StoreWorkingEntry(k);
        }
        return;
    }
    for (int k = 1; k <= n; ++k) {
        working.setEntry(k, storedEntry(rowTexts(k - 1)));
        m_week.StoreWorkingEntry(k);
    }
}

void ScheduleList::reloadShownDay()
{
    m_list.deleteAllRows();
    CancelCellEdit();
    m_week.LoadWorkingDay();
    FillList();
    if (onShownDayChanged)
        onShownDayChanged(m_week.shownDay());
}

void ScheduleList::ShowDay(int dayNumber)
{
    if (!isWeekday(dayNumber))
        return;
    StoreList();
    m_week.setShownDay(dayNumber);
    reloadShownDay();
}

void ScheduleList::clearAllDays()
{
    m_week.ClearAllDays();
    m_week.WorkingDay.clear();
    m_list.deleteAllRows();
    CancelCellEdit();
}

void ScheduleList::NormalizeDay()
{
    StoreList();
    DayImage image;
    image.Encode(m_week.WorkingDay);
    const int day = m_week.shownDay();
    if (storeWeekdayImage(m_week, day, image.bytes().data(), image.bytes().size()) == WeekdayStoreResult::LineError)
        m_messages.show(QStringLiteral("Line Error"));
    reloadShownDay();
    changed();
}

// ---------------------------------------------------------------- commands

bool ScheduleList::insertRow()
{
    const int n = m_list.rowCount();
    if (n >= kMaxRows) {
        m_messages.show(QStringLiteral("The list is full: a day holds at most %1 entries.").arg(kMaxRows));
        return false;
    }
    int at = n;
    if (m_list.hasSelectedRows()) {
        const int mark = m_list.selectionMark();
        if (mark >= 0 && mark < n)
            at = mark;
    }
    ListRow row;
    row[kColumnAmPm] = "AM";
    row[kColumnTime] = "00:00";
    row[kColumnSelection] = "0";
    m_list.insertRow(at, row);
    m_list.renumberRows();
    setWorkingCount();
    if (m_editing && m_editedRow >= at) {
        ++m_editedRow;
        m_list.moveCellEditor(m_editedRow, m_editedColumn);
    }
    changed();
    return true;
}

void ScheduleList::modify()
{
    CancelCellEdit();
    if (!m_list.hasSelectedRows() || m_rememberedColumn < 0)
        return;
    int row = m_list.selectionMark();
    if (row < 0 || row >= m_list.rowCount() || !m_list.isRowSelected(row)) {
        // No usable mark (e.g. after Select All): take the first selected row.
        row = 0;
        while (row < m_list.rowCount() && !m_list.isRowSelected(row))
            ++row;
    }
    m_editedRow = row;
    m_editedColumn = m_rememberedColumn;
    BeginCellEdit();
}

void ScheduleList::rowsRemovedAt(int row)
{
    if (!m_editing)
        return;
    if (row == m_editedRow) {
        CancelCellEdit();
    } else if (row < m_editedRow) {
        --m_editedRow;
        m_list.moveCellEditor(m_editedRow, m_editedColumn);
    }
}

void ScheduleList::deleteRows()
{
    if (!m_list.hasSelectedRows())
        return;
    for (int r = m_list.rowCount() - 1; r >= 0; --r) {
        if (m_list.isRowSelected(r)) {
            m_list.deleteRow(r);
            rowsRemovedAt(r);
        }
    }
    setWorkingCount();
    m_list.renumberRows();
    StoreList();
    changed();
}

void ScheduleList::selectAll()
{
    m_list.selectAllRows();
}

void ScheduleList::copyRows()
{
    m_clipboard.clear();
    for (int r = m_list.rowCount() - 1; r >= 0; --r) {
        if (!m_list.isRowSelected(r))
            continue;
        RowClipboard::Row texts;
        for (int c = 0; c < RowClipboard::kTexts; ++c)
            texts[size_t(c)] = m_list.cellText(r, c + 1);
        m_clipboard.append(texts);
    }
}

void ScheduleList::cutRows()
{
    m_clipboard.clear();
    bool any = false;
    for (int r = m_list.rowCount() - 1; r >= 0; --r) {
        if (!m_list.isRowSelected(r))
            continue;
        RowClipboard::Row texts;
        for (int c = 0; c < RowClipboard::kTexts; ++c)
            texts[size_t(c)] = m_list.cellText(r, c + 1);
        m_clipboard.append(texts);
        m_list.deleteRow(r);
        rowsRemovedAt(r);
        any = true;
    }
    setWorkingCount();
    m_list.renumberRows();
    StoreList();
    if (any)
        changed();
}

void ScheduleList::pasteRows()
{
    const int before = m_list.rowCount();
    const int fits = std::max(0, std::min(m_clipboard.count(), kMaxRows - before));
    std::vector<ListRow> rows;
    rows.reserve(size_t(fits));
    for (int j = 0; j < fits; ++j) {
        ListRow row;
        row[kColumnId] = std::to_string(before + j + 1);
        const RowClipboard::Row &texts = m_clipboard.row(j);
        for (int c = 0; c < RowClipboard::kTexts; ++c)
            row[size_t(c + 1)] = texts[size_t(c)];
        rows.push_back(row);
    }
    m_list.appendRows(rows);
    setWorkingCount();
    NormalizeDay(); // stores the list first
    const int leftOut = m_clipboard.count() - fits;
    if (leftOut > 0) {
        m_messages.show(QStringLiteral("%1 of the copied rows were left out: a day holds at most %2 entries.")
                            .arg(leftOut)
                            .arg(kMaxRows));
    }
}

// ---------------------------------------------------------------- pointer

void ScheduleList::doubleClicked(int row, int column)
{
    CancelCellEdit();
    if (!m_list.hasSelectedRows())
        return;
    if (row < 0 || row >= m_list.rowCount() || column < 0 || column >= kColumnCount)
        return;
    m_editedRow = row;
    m_editedColumn = column;
    m_rememberedColumn = column;
    BeginCellEdit();
}

void ScheduleList::contextMenuAt(int column)
{
    CancelCellEdit();
    if (column >= 0 && column < kColumnCount)
        m_rememberedColumn = column;
}

// ---------------------------------------------------------------- cell editing

void ScheduleList::BeginCellEdit()
{
    const int row = m_editedRow;
    if (row < 0 || row >= m_list.rowCount())
        return;
    const std::string text = m_list.cellText(row, m_editedColumn);
    std::string toggled;
    switch (m_editedColumn) {
    case kColumnAmPm:
        toggled = toggledAmPm(text);
        break;
    case kColumnMelodyVoice:
        toggled = toggledMelodyVoice(text);
        break;
    case kColumnAc:
        toggled = toggledAc(text);
        break;
    case kColumnCh1:
    case kColumnCh2:
    case kColumnCh3:
    case kColumnCh4:
        toggled = toggledChannel(text);
        break;
    case kColumnTime:
    case kColumnSelection:
        m_list.openCellEditor(row, m_editedColumn, text);
        m_editing = true;
        return;
    default:
        return;
    }
    if (toggled != text) {
        m_list.setCellText(row, m_editedColumn, toggled);
        changed();
    }
}

void ScheduleList::CommitCellEdit()
{
    if (!m_editing)
        return;
    const int row = m_editedRow;
    const std::string typed = m_list.cellEditorText();
    bool edited = false;
    auto write = [&](int column, const std::string &text) {
        if (m_list.cellText(row, column) != text) {
            m_list.setCellText(row, column, text);
            edited = true;
        }
    };
    if (m_editedColumn == kColumnSelection) {
        if (auto text = committedSelection(typed, m_list.cellText(row, kColumnMelodyVoice)))
            write(kColumnSelection, *text);
    } else if (m_editedColumn == kColumnTime) {
        const TimeCommit commit = committedTime(typed, m_list.cellText(row, kColumnAmPm));
        if (commit.amPm)
            write(kColumnAmPm, *commit.amPm);
        if (commit.time)
            write(kColumnTime, *commit.time);
    }
    CancelCellEdit();
    if (edited)
        changed();
}

void ScheduleList::EditBackspace()
{
    if (!m_editing)
        return;
    std::string text = m_list.cellEditorText();
    if (!text.empty())
        text.pop_back();
    m_list.setCellEditorText(text);
}

void ScheduleList::CancelCellEdit()
{
    if (!m_editing)
        return;
    m_editing = false;
    m_list.closeCellEditor();
}

bool ScheduleList::editorKey(int key)
{
    if (!m_editing)
        return true;
    switch (screenKey(key)) {
    case KeyAction::Pass:
        return true;
    case KeyAction::Commit:
        CommitCellEdit();
        return false;
    case KeyAction::Backspace:
        EditBackspace();
        return false;
    case KeyAction::Cancel:
        CancelCellEdit();
        return false;
    }
    return false;
}
