#include "document/commands/RowCommands.h"

#include "document/CTavrinDoc.h"
#include "document/ListColumns.h"
#include "document/ShownText.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString deleteText(DeleteRows::Verb verb, int rows)
{
    if (verb == DeleteRows::Verb::Cut)
        return rows == 1 ? QCoreApplication::translate("ScheduleList", "Cut Row")
                         : QCoreApplication::translate("ScheduleList", "Cut %1 Rows").arg(rows);
    return rows == 1 ? QCoreApplication::translate("ScheduleList", "Delete Row")
                     : QCoreApplication::translate("ScheduleList", "Delete %1 Rows").arg(rows);
}

int columnOr(int column, int fallback)
{
    return column >= 0 ? column : fallback;
}

} // namespace

ScheduleEntry InsertRow::newEntry()
{
    ListRow row;
    row[kColumnAmPm] = "AM";
    row[kColumnTime] = "00:00";
    row[kColumnSelection] = "0";
    return storedEntry(row);
}

InsertRow::InsertRow(CTavrinDoc &doc, int at, const ListPlace &before)
    : DayStep(doc, QCoreApplication::translate("ScheduleList", "Insert Row"), before)
{
    std::vector<ScheduleEntry> entries = doc.shownEntries().entries();
    at = std::clamp(at, 0, int(entries.size()));
    entries.insert(entries.begin() + at, newEntry());
    changeDay(doc.shownDay(), entries);
    // The new row is where the operator works next: selected, current and in view.
    setPlaceAfter({doc.shownDay(), {at}, at, columnOr(before.currentColumn, kColumnTime), at});
}

DeleteRows::DeleteRows(CTavrinDoc &doc, std::vector<int> rows, Verb verb, const ListPlace &before)
    : DayStep(doc, deleteText(verb, int(rows.size())), before)
{
    std::vector<ScheduleEntry> entries = doc.shownEntries().entries();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
        if (*r >= 0 && *r < int(entries.size()))
            entries.erase(entries.begin() + *r);
    }
    changeDay(doc.shownDay(), entries);
    // The row now in the first removed row's place (or the last row) is selected and current:
    // the frame and the selection stay one.
    ListPlace after{doc.shownDay(), {}, -1, -1};
    if (!rows.empty() && !entries.empty()) {
        const int row = std::min(rows.front(), int(entries.size()) - 1);
        after = {doc.shownDay(), {row}, row, columnOr(before.currentColumn, kColumnTime), row};
    }
    setPlaceAfter(after);
}

ToggleCell::ToggleCell(CTavrinDoc &doc, int row, int column, const ListPlace &before)
    : DayStep(doc, QCoreApplication::translate("ScheduleList", "Toggle %1").arg(shownColumnHeader(column)), before)
{
    std::vector<ScheduleEntry> entries = doc.shownEntries().entries();
    if (row < 0 || row >= int(entries.size()))
        return;
    ListRow texts = shownRow(entries[size_t(row)], row + 1);
    std::string &cell = texts[size_t(column)];
    switch (column) {
    case kColumnAmPm:
        cell = toggledAmPm(cell);
        break;
    case kColumnMelodyVoice:
        cell = toggledMelodyVoice(cell);
        break;
    case kColumnAc:
        cell = toggledAc(cell);
        break;
    case kColumnCh1:
    case kColumnCh2:
    case kColumnCh3:
    case kColumnCh4:
        cell = toggledChannel(cell);
        break;
    default:
        return;
    }
    entries[size_t(row)] = storedEntry(texts);
    changeDay(doc.shownDay(), entries);
}

WriteCell::WriteCell(CTavrinDoc &doc, int row, int column, const std::string &typed, const ListPlace &before)
    : DayStep(doc, QCoreApplication::translate("ScheduleList", "Edit %1").arg(shownColumnHeader(column)), before)
{
    std::vector<ScheduleEntry> entries = doc.shownEntries().entries();
    if (row < 0 || row >= int(entries.size()))
        return;
    ListRow texts = shownRow(entries[size_t(row)], row + 1);
    if (column == kColumnSelection) {
        if (auto text = committedSelection(typed, texts[kColumnMelodyVoice]))
            texts[kColumnSelection] = *text;
    } else if (column == kColumnTime) {
        const TimeCommit commit = committedTime(typed, texts[kColumnAmPm]);
        if (commit.amPm)
            texts[kColumnAmPm] = *commit.amPm;
        if (commit.time)
            texts[kColumnTime] = *commit.time;
    }
    entries[size_t(row)] = storedEntry(texts);
    changeDay(doc.shownDay(), entries);
}
