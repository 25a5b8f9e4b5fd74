#pragma once

#include <string>

// What the editing operations need of the list on screen: its rows (which the document gives),
// the selection with its mark, the current cell and a one-cell edit box. The window implements
// it over an item model of the document; tests implement it in memory.
class ListControl {
public:
    virtual ~ListControl() = default;

    // The list shows the document's shown day again, its rows as they now are.
    virtual void reload() = 0;

    virtual bool isRowSelected(int row) const = 0;
    virtual bool hasSelectedRows() const = 0;
    // The row the selection was last anchored at; -1 when there is none.
    virtual int selectionMark() const = 0;
    virtual void setSelectionMark(int row) = 0;
    // Adds a row to the selection.
    virtual void selectRow(int row) = 0;
    virtual void selectAllRows() = 0;
    virtual void clearSelection() = 0;
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
    // rewritten (its new text all selected again, with the focus), moved when rows shift, and
    // closed without writing anything to the cell.
    virtual void openCellEditor(int row, int column, const std::string &text) = 0;
    virtual std::string cellEditorText() const = 0;
    virtual void setCellEditorText(const std::string &text) = 0;
    virtual void moveCellEditor(int /*row*/, int /*column*/) { }
    virtual void closeCellEditor() = 0;
};
