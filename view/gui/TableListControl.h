#pragma once

#include "view/ListControl.h"

#include <QPersistentModelIndex>
#include <QPointer>

#include <functional>

class CellEditor;
class QTableView;
class ScheduleItemModel;
class ScheduleList;

// The list control the editing core works on, over a table view, its item model and its
// selection; the cell editor is a CellEditor laid over the cell.
class TableListControl : public ListControl {
public:
    TableListControl(QTableView &view, ScheduleItemModel &model);

    // Where the editor's keys and clicks go.
    void setCore(ScheduleList *core) { m_core = core; }
    CellEditor *editor() const { return m_editor; }
    // Makes a cell current without changing the selection and scrolls it into view; the
    // selection model's own move when not set.
    std::function<void(const QModelIndex &)> moveFrame;
    // The row a selection starts from: set by a click, Ctrl+click or plain arrow key, kept by
    // Shift+click and Shift+arrow (which extend from it). It moves with its row as rows are
    // inserted or deleted above it, and is gone when its row is deleted or the list emptied.
    void setSelectionMark(const QModelIndex &index) { m_mark = index; }
    using ListControl::setSelectionMark;

    void reload() override;
    void setSelectionMark(int row) override;
    void clearSelection() override;
    bool isRowSelected(int row) const override;
    bool hasSelectedRows() const override;
    int selectionMark() const override;
    void selectRow(int row) override;
    void selectAllRows() override;
    void selectOnlyRow(int row) override;
    int currentRow() const override;
    int currentColumn() const override;
    void setCurrentCell(int row, int column) override;
    void scrollToRow(int row) override;
    void openCellEditor(int row, int column, const std::string &text) override;
    std::string cellEditorText() const override;
    void setCellEditorText(const std::string &text) override;
    void moveCellEditor(int row, int column) override;
    void closeCellEditor() override;

private:
    QTableView &m_view;
    ScheduleItemModel &m_model;
    ScheduleList *m_core = nullptr;
    QPointer<CellEditor> m_editor;
    QPersistentModelIndex m_mark;
};
