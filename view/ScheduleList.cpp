#include "view/ScheduleList.h"

#include "document/commands/RowCommands.h"
#include "document/commands/SortCommands.h"
#include "document/CTavrinDoc.h"
#include "document/ShownText.h"
#include "schedule/Messages.h"
#include "view/KeyScreen.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

ScheduleList::ScheduleList(CTavrinDoc &doc, ListControl &list, Messages &messages)
    : m_doc(doc)
    , m_list(list)
    , m_messages(messages)
{
    m_following = QObject::connect(&m_doc, &CTavrinDoc::shownDayReplaced,
                                   [this](const ListPlace &place) { shownDayReplaced(place); });
}

ScheduleList::~ScheduleList()
{
    QObject::disconnect(m_following);
}

int ScheduleList::rowCount() const
{
    return m_doc.shownEntries().count();
}

std::string ScheduleList::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumnCount)
        return {};
    return shownRow(m_doc.shownEntries().entry(row + 1), row + 1)[size_t(column)];
}

std::vector<int> ScheduleList::selectedRows() const
{
    std::vector<int> rows;
    for (int r = 0; r < rowCount(); ++r) {
        if (m_list.isRowSelected(r))
            rows.push_back(r);
    }
    return rows;
}

ListPlace ScheduleList::place() const
{
    ListPlace p;
    p.day = m_doc.shownDay();
    p.selectedRows = selectedRows();
    p.currentRow = m_list.currentRow();
    p.currentColumn = m_list.currentColumn();
    p.mark = m_list.selectionMark();
    return p;
}

void ScheduleList::restorePlace(const ListPlace &place)
{
    m_list.reload();
    const int n = rowCount();
    if (place.selectedRows.empty())
        m_list.clearSelection();
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
    if (place.mark >= 0 && place.mark < n)
        m_list.setSelectionMark(place.mark);
    if (place.currentRow >= 0 && place.currentRow < n)
        m_list.setCurrentCell(place.currentRow, place.currentColumn >= 0 ? place.currentColumn : kColumnTime);
}

void ScheduleList::shownDayReplaced(const ListPlace &place)
{
    // A change this list makes keeps an open editor where it is; any other closes it.
    if (!m_performing)
        CancelCellEdit();
    restorePlace(place);
    if (onShownDayChanged)
        onShownDayChanged(m_doc.shownDay());
}

bool ScheduleList::performHere(std::unique_ptr<DayStep> step)
{
    m_performing = true;
    const bool done = m_doc.perform(std::move(step));
    m_performing = false;
    if (done && onChanged)
        onChanged();
    return done;
}

bool ScheduleList::perform(std::unique_ptr<DayStep> step)
{
    StoreList();
    return performHere(std::move(step));
}

void ScheduleList::undo()
{
    commitOpenEdit();
    const bool could = m_doc.canUndo();
    m_doc.undo();
    if (could && onChanged)
        onChanged();
}

void ScheduleList::redo()
{
    commitOpenEdit();
    const bool could = m_doc.canRedo();
    m_doc.redo();
    if (could && onChanged)
        onChanged();
}

// ---------------------------------------------------------------- list <-> document

void ScheduleList::FillList()
{
    m_list.reload();
}

void ScheduleList::StoreList()
{
    commitOpenEdit();
    if (canEdit())
        m_doc.storeShownRows();
}

void ScheduleList::reloadShownDay()
{
    CancelCellEdit();
    restorePlace(ListPlace{m_doc.shownDay(), {}, -1, -1});
    if (onShownDayChanged)
        onShownDayChanged(m_doc.shownDay());
}

void ScheduleList::ShowDay(int dayNumber)
{
    if (!m_doc.week().hasDay(dayNumber))
        return;
    StoreList();
    if (dayNumber == m_doc.shownDay())
        reloadShownDay(); // the same day shown again: a fresh list
    else
        m_doc.showDay(dayNumber);
}

bool ScheduleList::canEdit() const
{
    return m_doc.canEdit();
}

void ScheduleList::NormalizeDay()
{
    StoreList();
    if (!canEdit())
        return;
    auto sort = std::make_unique<SortByTime>(m_doc, place());
    const SortByTime::Refusal refusal = sort->refusal();
    if (refusal.any()) {
        tellRefusal(refusal);
        return;
    }
    if (!performHere(std::move(sort)))
        restorePlace(place()); // already in order: shown afresh all the same
}

void ScheduleList::tellRefusal(const SortByTime::Refusal &refusal)
{
    if (refusal.lineError) {
        m_messages.show(QCoreApplication::translate("ScheduleList", "Line Error"));
        return;
    }
    QStringList lost;
    for (const UnsentEntry &u : refusal.entries)
        lost << QCoreApplication::translate("ScheduleList", "Row %1: %2")
                    .arg(u.position)
                    .arg(QString::fromStdString(describeUnsent(u)));
    for (const UnsentEntry &u : refusal.pasted)
        lost << QCoreApplication::translate("ScheduleList", "Pasted row %1: %2")
                    .arg(u.position)
                    .arg(QString::fromStdString(describeUnsent(u)));
    m_messages.show(
        QCoreApplication::translate("ScheduleList", "The day is left as it is: sorting it by time would lose\n%1")
            .arg(lost.join(QLatin1Char('\n'))),
        QString(), Messages::Icon::Warning);
}

// ---------------------------------------------------------------- commands

bool ScheduleList::insertRow()
{
    if (!canEdit())
        return false;
    const int n = rowCount();
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
    const bool editingBelow = m_editing && m_editedRow >= at;
    performHere(std::make_unique<InsertRow>(m_doc, at, place()));
    if (editingBelow) {
        ++m_editedRow;
        m_list.moveCellEditor(m_editedRow, m_editedColumn);
    }
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
    if (row < 0 || row >= rowCount()) {
        // No mark (e.g. after Select All): take the first selected row.
        row = 0;
        while (row < rowCount() && !m_list.isRowSelected(row))
            ++row;
    }
    m_editedRow = row;
    m_editedColumn = m_rememberedColumn;
    BeginCellEdit();
}

void ScheduleList::deleteRows()
{
    commitOpenEdit();
    if (!canEdit() || !m_list.hasSelectedRows())
        return;
    performHere(std::make_unique<DeleteRows>(m_doc, selectedRows(), DeleteRows::Verb::Delete, place()));
}

void ScheduleList::selectAll()
{
    m_list.selectAllRows();
}

void ScheduleList::copySelection()
{
    m_clipboard.clear();
    for (int r = rowCount() - 1; r >= 0; --r) {
        if (!m_list.isRowSelected(r))
            continue;
        const ListRow shown = shownRow(m_doc.shownEntries().entry(r + 1), r + 1);
        RowClipboard::Row texts;
        for (int c = 0; c < RowClipboard::kTexts; ++c)
            texts[size_t(c)] = shown[size_t(c + 1)];
        m_clipboard.append(texts);
    }
}

void ScheduleList::copyRows()
{
    copySelection();
    showSelection();
}

void ScheduleList::showSelection()
{
    const int current = m_list.currentRow();
    if (current >= 0 && m_list.isRowSelected(current)) {
        m_list.scrollToRow(current);
        return;
    }
    for (int r = 0; r < rowCount(); ++r) {
        if (m_list.isRowSelected(r)) {
            m_list.scrollToRow(r);
            return;
        }
    }
}

void ScheduleList::cutRows()
{
    commitOpenEdit();
    if (!canEdit())
        return;
    copySelection();
    performHere(std::make_unique<DeleteRows>(m_doc, selectedRows(), DeleteRows::Verb::Cut, place()));
}

void ScheduleList::pasteRows()
{
    StoreList(); // commits an open edit first
    if (!canEdit())
        return;
    if (m_clipboard.count() == 0) {
        // Nothing copied: Paste sorts the day, under its own name.
        auto sort = std::make_unique<SortByTime>(m_doc, place(), QCoreApplication::translate("ScheduleList", "Paste"));
        if (sort->refusal().any()) {
            tellRefusal(sort->refusal());
            return;
        }
        if (!performHere(std::move(sort)))
            restorePlace(place());
        return;
    }
    std::vector<ScheduleEntry> copied;
    for (int j = 0; j < m_clipboard.count(); ++j) {
        ListRow row;
        const RowClipboard::Row &texts = m_clipboard.row(j);
        for (int c = 0; c < RowClipboard::kTexts; ++c)
            row[size_t(c + 1)] = texts[size_t(c)];
        copied.push_back(storedEntry(row));
    }
    auto paste = std::make_unique<PasteRows>(m_doc, copied, kMaxRows, place());
    const int leftOut = paste->leftOut();
    if (paste->refusal().any()) {
        tellRefusal(paste->refusal());
        return;
    }
    if (!performHere(std::move(paste)))
        restorePlace(place());
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
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumnCount)
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
    if (!canEdit() || row < 0 || row >= rowCount())
        return;
    switch (m_editedColumn) {
    case kColumnTime:
    case kColumnSelection:
        m_list.openCellEditor(row, m_editedColumn, cellText(row, m_editedColumn));
        m_editing = true;
        return;
    case kColumnId:
        return;
    default:
        performHere(std::make_unique<ToggleCell>(m_doc, row, m_editedColumn, place()));
    }
}

void ScheduleList::CommitCellEdit()
{
    if (!m_editing)
        return;
    const int column = m_editedColumn;
    const int row = m_editedRow;
    const std::string typed = m_list.cellEditorText();
    const ListPlace before = place();
    CancelCellEdit();
    performHere(std::make_unique<WriteCell>(m_doc, row, column, typed, before));
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
