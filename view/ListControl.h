#pragma once

#include "view/ListColumns.h"

#include <string>
#include <vector>

// What the editing operations need of the list on screen: rows of ten cell texts, the
// selection, and a one-cell edit box. The window implements it over an item model; tests
// implement it in memory.
class ListControl {
public:
    virtual ~ListControl() = default;

    virtual int rowCount() const = 0;
    // Inserts a row at index row (0..rowCount()), pushing that row and the ones after it down.
    virtual void insertRow(int row, const ListRow &texts) = 0;
    virtual void deleteRow(int row) = 0;
    virtual void deleteAllRows() = 0;
    // Adds rows after the last one; a list may do this in one step.
    virtual void appendRows(const std::vector<ListRow> &rows)
    {
        for (const ListRow &r : rows)
            insertRow(rowCount(), r);
    }

    // Out-of-range cells read as empty and ignore writes.
    virtual std::string cellText(int row, int column) const = 0;
    virtual void setCellText(int row, int column, const std::string &text) = 0;
    // Every row r shows ID r + 1.
    virtual void renumberRows()
    {
        for (int r = 0; r < rowCount(); ++r)
            setCellText(r, kColumnId, std::to_string(r + 1));
    }

    virtual bool isRowSelected(int row) const = 0;
    virtual bool hasSelectedRows() const
    {
        for (int r = 0; r < rowCount(); ++r) {
            if (isRowSelected(r))
                return true;
        }
        return false;
    }
    // The row the selection was last anchored at; -1 when there is none.
    virtual int selectionMark() const = 0;
    // Adds a row to the selection.
    virtual void selectRow(int row) = 0;
    virtual void selectAllRows()
    {
        for (int r = rowCount() - 1; r >= 0; --r)
            selectRow(r);
    }
    // Selects row alone and makes it the selection mark, as a click on it does.
    virtual void selectOnlyRow(int row) = 0;

    // The current cell, the one the keyboard moves; -1, -1 when there is none.
    virtual int currentRow() const = 0;
    virtual int currentColumn() const = 0;
    // Makes (row, column) the current cell, without changing the selection, and scrolls it
    // into view.
    virtual void setCurrentCell(int row, int column) = 0;
    // Scrolls row into view, leaving the current cell and the selection as they are.
    virtual void scrollToRow(int /*row*/) { }

    // The cell editor: opened over one cell with its text all selected and the focus, read,
    // rewritten (its new text all selected again, with the focus), moved when rows shift, and closed without writing anything to the cell.
    virtual void openCellEditor(int row, int column, const std::string &text) = 0;
    virtual std::string cellEditorText() const = 0;
    virtual void setCellEditorText(const std::string &text) = 0;
    virtual void moveCellEditor(int /*row*/, int /*column*/) { }
    virtual void closeCellEditor() = 0;
};
