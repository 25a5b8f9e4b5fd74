#pragma once

#include "document/commands/DayStep.h"

#include <string>

// The commands the list gives on rows of the shown day. Each is made with the operator's place
// before it and knows the place after it.

// A new row (12:00 AM, nothing to do) at row index at, selected and current.
class InsertRow : public DayStep {
public:
    InsertRow(CTavrinDoc &doc, int at, const ListPlace &before);
    static ScheduleEntry newEntry();
};

// Rows (indexes, any order) removed; the row that takes the first one's place is selected and
// current. Named "Delete Row", "Delete 3 Rows", "Cut Row" ... after verb.
class DeleteRows : public DayStep {
public:
    enum class Verb { Delete, Cut };
    DeleteRows(CTavrinDoc &doc, std::vector<int> rows, Verb verb, const ListPlace &before);
};

// One step of a toggle cell (AM/PM, Melody/Voice, AC, ch1..ch4) of a row.
class ToggleCell : public DayStep {
public:
    ToggleCell(CTavrinDoc &doc, int row, int column, const ListPlace &before);
};

// What the Time or Selection editor's text commits to a row; nothing when it is refused.
class WriteCell : public DayStep {
public:
    WriteCell(CTavrinDoc &doc, int row, int column, const std::string &typed, const ListPlace &before);
};
