#include "view/ScheduleList.h"

#include "device/DayImage.h"
#include "device/UnsentEntries.h"
#include "device/WeekdayStore.h"
#include "schedule/Messages.h"
#include "schedule/TimeText.h"
#include "schedule/WeekEditor.h"
#include "schedule/WeeklySchedule.h"
#include "view/ShownText.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>

ScheduleList::ScheduleList(WeekEditor &changes, ListControl &list, Messages &messages)
    : m_changes(changes)
    , m_week(changes.week())
    , m_list(list)
    , m_messages(messages)
{
    m_changes.onRestored = [this](const ListPlace &place) {
        restorePlace(place);
        changed();
    };
}

ScheduleList::ScheduleList(WeeklySchedule &week, ListControl &list, Messages &messages)
    : m_ownChanges(std::make_unique<WeekEditor>(week))
    , m_changes(*m_ownChanges)
    , m_week(week)
    , m_list(list)
    , m_messages(messages)
{
    m_changes.onRestored = [this](const ListPlace &place) {
        restorePlace(place);
        changed();
    };
}

ScheduleList::~ScheduleList()
{
    m_changes.onRestored = nullptr;
}

void ScheduleList::changed()
{
    if (onChanged)
        onChanged();
}

ScheduleList::StepStart ScheduleList::beginStep() const
{
    return {m_week.day(m_week.shownDay()).entries(), place()};
}

void ScheduleList::endStep(const StepStart &start, const QString &text)
{
    writeRows();
    const int day = m_week.shownDay();
    std::vector<WeekEditor::DayChange> days;
    days.push_back({day, start.before, m_week.day(day).entries()});
    if (m_changes.change(text, std::move(days), start.place, place()))
        changed();
}

ListPlace ScheduleList::place() const
{
    ListPlace p;
    p.day = m_week.shownDay();
    for (int r = 0; r < m_list.rowCount(); ++r) {
        if (m_list.isRowSelected(r))
            p.selectedRows.push_back(r);
    }
    p.currentRow = m_list.currentRow();
    p.currentColumn = m_list.currentColumn();
    return p;
}

void ScheduleList::restorePlace(const ListPlace &place)
{
    reloadShownDay();
    const int n = m_list.rowCount();
    if (n > 0 && int(place.selectedRows.size()) == n) {
        m_list.selectAllRows();
    } else {
        bool first = true;
        for (int r : place.selectedRows) {
            if (r < 0 || r >= n)
                continue;
            first ? m_list.selectOnlyRow(r) : m_list.selectRow(r);
            first = false;
        }
    }
    if (place.currentRow >= 0 && place.currentRow < n)
        m_list.setCurrentCell(place.currentRow, place.currentColumn >= 0 ? place.currentColumn : kColumnTime);
}

void ScheduleList::undo()
{
    commitOpenEdit();
    m_changes.undo();
}

void ScheduleList::redo()
{
    commitOpenEdit();
    m_changes.redo();
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
    commitOpenEdit();
    writeRows();
}

void ScheduleList::writeRows()
{
    // "No bells" holds nothing, whatever a list might show.
    if (!canEdit())
        return;
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
    if (!m_week.hasDay(dayNumber))
        return;
    StoreList();
    m_week.setShownDay(dayNumber);
    reloadShownDay();
}

bool ScheduleList::canEdit() const
{
    return m_week.isEditableDay(m_week.shownDay());
}

bool ScheduleList::changeProgramCalendar(const QString &text, std::vector<WeekEditor::DayChange> days,
                                         const ProgramCalendar &special, int shownDay)
{
    StoreList();
    const ListPlace before = place();
    const ListPlace after = shownDay == before.day ? before : ListPlace{shownDay, {}, -1, -1};
    if (!m_changes.change(text, std::move(days), before, after, special))
        return false;
    restorePlace(after);
    changed();
    return true;
}

void ScheduleList::clearAllDays()
{
    m_week.ClearAllDays();
    m_week.WorkingDay.clear();
    m_list.deleteAllRows();
    CancelCellEdit();
}

namespace {

// "Delete Row", "Delete 3 Rows"
QString rowsText(const QString &verb, int rows)
{
    return rows == 1 ? QCoreApplication::translate("ScheduleList", "%1 Row").arg(verb)
                     : QCoreApplication::translate("ScheduleList", "%1 %2 Rows").arg(verb).arg(rows);
}

std::optional<int> rowMinute(const ListRow &row)
{
    return minuteOfDay(storedTimeFromShown(row[kColumnAmPm], row[kColumnTime]));
}

DaySchedule dayOf(const std::vector<ScheduleEntry> &entries)
{
    DaySchedule day;
    for (const ScheduleEntry &e : entries)
        day.append(e);
    return day;
}

} // namespace

bool ScheduleList::normalizeInto(const std::vector<ScheduleEntry> &existing, const std::vector<ScheduleEntry> &added,
                                 const std::vector<int> &selectMinutes, int currentMinute, int currentColumn)
{
    // Re-sorting goes through the device image, which cannot carry every entry: refuse
    // rather than let one vanish with its AC and channels.
    const DaySchedule existingDay = dayOf(existing);
    const DaySchedule addedDay = dayOf(added);
    QStringList lost;
    auto collect = [&](const DaySchedule &day, bool pasted) {
        for (const UnsentEntry &u : entriesNotEncoded(day)) {
            if (u.reason == UnsentEntry::Reason::NothingToDo)
                continue; // a row with nothing to do drops out by the list's rules
            lost << QStringLiteral("%1 %2: %3")
                        .arg(pasted ? QCoreApplication::translate("ScheduleList", "Pasted row")
                                    : QCoreApplication::translate("ScheduleList", "Row"))
                        .arg(u.position)
                        .arg(QString::fromStdString(describeUnsent(u)));
        }
    };
    collect(existingDay, false);
    collect(addedDay, true);
    if (!lost.isEmpty()) {
        m_messages.show(
            QCoreApplication::translate("ScheduleList", "The day is left as it is: sorting it by time would lose\n")
                + lost.join(QLatin1Char('\n')),
            QString(), Messages::Icon::Warning);
        return false;
    }

    // Same-minute entries merge by ORing their slots, so two images OR into one.
    DayImage image;
    image.Encode(existingDay);
    DayImage more;
    more.Encode(addedDay);
    for (size_t i = 0; i < DayImage::kSize; ++i)
        image.bytes()[i] |= more.bytes()[i];

    const int day = m_week.shownDay();
    if (storeWeekdayImage(m_week, day, image.bytes().data(), image.bytes().size()) == WeekdayStoreResult::LineError)
        m_messages.show(QCoreApplication::translate("ScheduleList", "Line Error"));
    reloadShownDay();

    // Keep the operator's place: the events selected before (or pasted) stay selected, the
    // current one stays current, in view.
    std::vector<bool> toSelect(DayImage::kSlots, false);
    for (int minute : selectMinutes)
        toSelect[size_t(minute)] = true;
    int firstSelected = -1;
    int currentRowAfter = -1;
    for (int r = 0; r < m_list.rowCount(); ++r) {
        const std::optional<int> minute = rowMinute(rowTexts(r));
        if (!minute)
            continue;
        if (toSelect[size_t(*minute)]) {
            if (firstSelected < 0) {
                firstSelected = r;
                m_list.selectOnlyRow(r);
            } else {
                m_list.selectRow(r);
            }
        }
        if (*minute == currentMinute)
            currentRowAfter = r;
    }
    if (currentRowAfter < 0)
        currentRowAfter = firstSelected;
    if (currentRowAfter >= 0)
        m_list.setCurrentCell(currentRowAfter, currentColumn >= 0 ? currentColumn : kColumnTime);
    return true;
}

void ScheduleList::NormalizeDay()
{
    StoreList();
    if (!canEdit())
        return;
    const StepStart start = beginStep();
    normalizeShownDay();
    endStep(start, QCoreApplication::translate("ScheduleList", "Sort by Time"));
}

void ScheduleList::normalizeShownDay()
{
    std::vector<int> selected;
    for (int r = 0; r < m_list.rowCount(); ++r) {
        if (m_list.isRowSelected(r)) {
            if (const std::optional<int> minute = rowMinute(rowTexts(r)))
                selected.push_back(*minute);
        }
    }
    int currentMinute = -1;
    if (m_list.currentRow() >= 0)
        currentMinute = rowMinute(rowTexts(m_list.currentRow())).value_or(-1);
    normalizeInto(m_week.WorkingDay.entries(), {}, selected, currentMinute, m_list.currentColumn());
}

// ---------------------------------------------------------------- commands

bool ScheduleList::insertRow()
{
    if (!canEdit())
        return false;
    const StepStart start = beginStep();
    const int n = m_list.rowCount();
    if (n >= kMaxRows) {
        m_messages.show(QCoreApplication::translate("ScheduleList", "The list is full: a day holds at most %1 entries.")
                            .arg(kMaxRows));
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
    const int column = m_list.currentColumn();
    m_list.insertRow(at, row);
    m_list.renumberRows();
    setWorkingCount();
    if (m_editing && m_editedRow >= at) {
        ++m_editedRow;
        m_list.moveCellEditor(m_editedRow, m_editedColumn);
    }
    // The new row is where the operator works next: selected, current and in view.
    m_list.selectOnlyRow(at);
    m_list.setCurrentCell(at, column >= 0 ? column : kColumnTime);
    endStep(start, QCoreApplication::translate("ScheduleList", "Insert Row"));
    return true;
}

void ScheduleList::modify()
{
    CancelCellEdit();
    if (!canEdit())
        return;
    if (m_rememberedColumn < 0) {
        // No column remembered yet: the keyboard's current cell.
        activateCurrentCell();
        return;
    }
    if (!m_list.hasSelectedRows())
        return;
    // The mark's row, as Insert uses, even when Ctrl+click has deselected it since.
    int row = m_list.selectionMark();
    if (row < 0 || row >= m_list.rowCount()) {
        // No mark (e.g. after Select All): take the first selected row.
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
    commitOpenEdit();
    if (!canEdit() || !m_list.hasSelectedRows())
        return;
    const StepStart start = beginStep();
    const int column = m_list.currentColumn();
    int deleted = 0;
    int first = -1;
    for (int r = m_list.rowCount() - 1; r >= 0; --r) {
        if (m_list.isRowSelected(r)) {
            m_list.deleteRow(r);
            rowsRemovedAt(r);
            ++deleted;
            first = r;
        }
    }
    setWorkingCount();
    m_list.renumberRows();
    selectAfterRemoval(first, column);
    endStep(start, rowsText(QCoreApplication::translate("ScheduleList", "Delete"), deleted));
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
    showSelection();
}

void ScheduleList::showSelection()
{
    const int current = m_list.currentRow();
    if (current >= 0 && m_list.isRowSelected(current)) {
        m_list.scrollToRow(current);
        return;
    }
    for (int r = 0; r < m_list.rowCount(); ++r) {
        if (m_list.isRowSelected(r)) {
            m_list.scrollToRow(r);
            return;
        }
    }
}

void ScheduleList::selectAfterRemoval(int firstRemoved, int column)
{
    const int n = m_list.rowCount();
    if (firstRemoved < 0 || n == 0)
        return;
    const int row = std::min(firstRemoved, n - 1);
    m_list.selectOnlyRow(row);
    m_list.setCurrentCell(row, column >= 0 ? column : kColumnTime);
}

void ScheduleList::cutRows()
{
    commitOpenEdit();
    if (!canEdit())
        return;
    const StepStart start = beginStep();
    const int column = m_list.currentColumn();
    m_clipboard.clear();
    int cut = 0;
    int first = -1;
    for (int r = m_list.rowCount() - 1; r >= 0; --r) {
        if (!m_list.isRowSelected(r))
            continue;
        RowClipboard::Row texts;
        for (int c = 0; c < RowClipboard::kTexts; ++c)
            texts[size_t(c)] = m_list.cellText(r, c + 1);
        m_clipboard.append(texts);
        m_list.deleteRow(r);
        rowsRemovedAt(r);
        ++cut;
        first = r;
    }
    setWorkingCount();
    m_list.renumberRows();
    selectAfterRemoval(first, column);
    endStep(start, rowsText(QCoreApplication::translate("ScheduleList", "Cut"), cut));
}

void ScheduleList::pasteRows()
{
    StoreList(); // commits an open edit first
    if (!canEdit())
        return;
    const StepStart start = beginStep();
    pasteClipboard();
    endStep(start, QCoreApplication::translate("ScheduleList", "Paste"));
}

void ScheduleList::pasteClipboard()
{
    if (m_clipboard.count() == 0) {
        normalizeShownDay();
        return;
    }
    const std::vector<ScheduleEntry> existing = m_week.WorkingDay.entries();

    // The limit counts what the day holds after the merge: one event per minute. A copied row
    // in a minute the day already has, or one that drops out anyway, always fits.
    std::vector<bool> taken(DayImage::kSlots, false);
    int held = 0;
    auto isEvent = [](const ScheduleEntry &e) {
        return e.MelodyVoice == "Melody" || e.MelodyVoice == "Voice" || e.AC == "ON" || e.AC == "OFF";
    };
    auto takes = [&](const ScheduleEntry &e) {
        const std::optional<int> minute = minuteOfDay(e.Time);
        if (!minute || !isEvent(e) || taken[size_t(*minute)])
            return true;
        if (held >= std::min(kMaxRows, int(DaySchedule::kCapacity)))
            return false;
        taken[size_t(*minute)] = true;
        ++held;
        return true;
    };
    for (const ScheduleEntry &e : existing)
        takes(e);
    std::vector<ScheduleEntry> added;
    std::vector<int> pastedMinutes;
    int leftOut = 0;
    for (int j = 0; j < m_clipboard.count(); ++j) {
        ListRow row;
        const RowClipboard::Row &texts = m_clipboard.row(j);
        for (int c = 0; c < RowClipboard::kTexts; ++c)
            row[size_t(c + 1)] = texts[size_t(c)];
        const ScheduleEntry e = storedEntry(row);
        if (!takes(e)) {
            ++leftOut;
            continue;
        }
        added.push_back(e);
        const std::optional<int> minute = minuteOfDay(e.Time);
        if (minute && isEvent(e))
            pastedMinutes.push_back(*minute);
    }
    int currentMinute = -1;
    if (!pastedMinutes.empty())
        currentMinute = *std::min_element(pastedMinutes.begin(), pastedMinutes.end());
    if (!normalizeInto(existing, added, pastedMinutes, currentMinute, m_list.currentColumn()))
        return;
    if (leftOut > 0) {
        m_messages.show(QCoreApplication::translate(
                            "ScheduleList", "%1 of the copied rows were left out: a day holds at most %2 entries.")
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
    editCell(row, column);
}

void ScheduleList::editCell(int row, int column)
{
    if (row < 0 || row >= m_list.rowCount() || column < 0 || column >= kColumnCount)
        return;
    m_editedRow = row;
    m_editedColumn = column;
    m_rememberedColumn = column;
    BeginCellEdit();
}

// ---------------------------------------------------------------- keyboard

void ScheduleList::activateCurrentCell()
{
    CancelCellEdit();
    editCell(m_list.currentRow(), m_list.currentColumn());
}

void ScheduleList::toggleCurrentCell()
{
    const int column = m_list.currentColumn();
    if (column == kColumnId || column == kColumnTime || column == kColumnSelection)
        return;
    activateCurrentCell();
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
    if (!canEdit() || row < 0 || row >= m_list.rowCount())
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
        const StepStart start = beginStep();
        m_list.setCellText(row, m_editedColumn, toggled);
        endStep(start, QCoreApplication::translate("ScheduleList", "Toggle %1").arg(shownColumnHeader(m_editedColumn)));
    }
}

void ScheduleList::CommitCellEdit()
{
    if (!m_editing)
        return;
    const StepStart start = beginStep();
    const int column = m_editedColumn;
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
        endStep(start, QCoreApplication::translate("ScheduleList", "Edit %1").arg(shownColumnHeader(column)));
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
