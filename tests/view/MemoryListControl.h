#pragma once

#include "view/ListControl.h"

#include <functional>
#include <set>

// A list held in memory: a selection set with a mark, the current cell and a cell editor's
// text. Its rows are the document's.
class MemoryListControl : public ListControl {
public:
    void reload() override
    {
        ++reloads;
        selected.clear();
        mark = -1;
        current = -1;
    }
    bool isRowSelected(int row) const override { return selected.count(row) > 0; }
    bool hasSelectedRows() const override { return !selected.empty(); }
    int selectionMark() const override { return mark; }
    void setSelectionMark(int row) override { mark = row; }
    void selectRow(int row) override { selected.insert(row); }
    void selectAllRows() override
    {
        for (int r = 0; r < (rows ? rows() : 0); ++r)
            selected.insert(r);
    }
    void clearSelection() override { selected.clear(); }
    void selectOnlyRow(int row) override { click(row); }
    int currentRow() const override { return current; }
    int currentColumn() const override { return current >= 0 ? currentCol : -1; }
    void setCurrentCell(int row, int column) override
    {
        current = row;
        currentCol = column;
        shown = row;
    }
    void scrollToRow(int row) override { shown = row; }

    // A click on a row: it alone is selected and becomes the mark.
    void click(int row)
    {
        selected = {row};
        mark = row;
    }

    void openCellEditor(int row, int column, const std::string &text) override
    {
        editorOpen = true;
        editorRow = row;
        editorColumn = column;
        editorText = text;
    }
    std::string cellEditorText() const override { return editorText; }
    void setCellEditorText(const std::string &text) override { editorText = text; }
    void moveCellEditor(int row, int column) override
    {
        editorRow = row;
        editorColumn = column;
    }
    void closeCellEditor() override { editorOpen = false; }

    std::function<int()> rows; // the document's shown rows, for Select All
    int reloads = 0;
    std::set<int> selected;
    int mark = -1;
    int current = -1;
    int currentCol = -1;
    int shown = -1; // the row last scrolled into view
    bool editorOpen = false;
    int editorRow = -1;
    int editorColumn = -1;
    std::string editorText;
};

#include "view/ScheduleList.h"

#include <vector>

// The rows the list shows, as texts, for comparing with what a test expects.
inline std::vector<ListRow> shownRows(const ScheduleList &list)
{
    std::vector<ListRow> rows;
    for (int r = 0; r < list.rowCount(); ++r) {
        ListRow row;
        for (int c = 0; c < kColumnCount; ++c)
            row[size_t(c)] = list.cellText(r, c);
        rows.push_back(row);
    }
    return rows;
}
