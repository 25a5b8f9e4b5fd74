#pragma once

#include "view/ListControl.h"

#include <set>

// A list held in memory: rows, a selection set with a mark, and a cell editor's text.
class MemoryListControl : public ListControl {
public:
    int rowCount() const override { return int(rows.size()); }
    void insertRow(int row, const ListRow &texts) override
    {
        rows.insert(rows.begin() + row, texts);
        shiftSelection(row, +1);
    }
    void deleteRow(int row) override
    {
        rows.erase(rows.begin() + row);
        selected.erase(row);
        if (mark == row)
            mark = -1;
        if (current == row)
            current = -1;
        shiftSelection(row + 1, -1);
    }
    void deleteAllRows() override
    {
        rows.clear();
        selected.clear();
        mark = -1;
        current = -1;
    }
    std::string cellText(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= kColumnCount)
            return {};
        return rows[size_t(row)][size_t(column)];
    }
    void setCellText(int row, int column, const std::string &text) override
    {
        if (row >= 0 && row < rowCount() && column >= 0 && column < kColumnCount)
            rows[size_t(row)][size_t(column)] = text;
    }
    bool isRowSelected(int row) const override { return selected.count(row) > 0; }
    int selectionMark() const override { return mark; }
    void selectRow(int row) override { selected.insert(row); }
    void selectOnlyRow(int row) override { click(row); }
    int currentRow() const override { return current < rowCount() ? current : -1; }
    int currentColumn() const override { return currentRow() >= 0 ? currentCol : -1; }
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

    std::vector<ListRow> rows;
    std::set<int> selected;
    int mark = -1;
    int current = -1;
    int currentCol = -1;
    int shown = -1; // the row last scrolled into view
    bool editorOpen = false;
    int editorRow = -1;
    int editorColumn = -1;
    std::string editorText;

private:
    void shiftSelection(int from, int by)
    {
        std::set<int> moved;
        for (int r : selected)
            moved.insert(r >= from ? r + by : r);
        selected = moved;
        if (mark >= from)
            mark += by;
        if (current >= from)
            current += by;
    }
};
