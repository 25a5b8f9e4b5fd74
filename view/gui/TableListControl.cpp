#include "view/gui/TableListControl.h"

#include "view/gui/CellEditor.h"
#include "view/gui/ScheduleItemModel.h"
#include "view/ScheduleList.h"

#include <QItemSelectionModel>
#include <QTableView>

#include <algorithm>

TableListControl::TableListControl(QTableView &view, ScheduleItemModel &model)
    : m_view(view)
    , m_model(model)
{
}

void TableListControl::reload()
{
    m_model.reload();
}

void TableListControl::setSelectionMark(int row)
{
    m_mark = m_model.index(row, 0);
}

void TableListControl::clearSelection()
{
    m_view.selectionModel()->clearSelection();
}

bool TableListControl::isRowSelected(int row) const
{
    return m_view.selectionModel()->isRowSelected(row, QModelIndex());
}

bool TableListControl::hasSelectedRows() const
{
    return m_view.selectionModel()->hasSelection();
}

int TableListControl::selectionMark() const
{
    return m_mark.isValid() ? m_mark.row() : -1;
}

void TableListControl::selectRow(int row)
{
    m_view.selectionModel()->select(m_model.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TableListControl::selectAllRows()
{
    m_view.selectAll();
}

void TableListControl::selectOnlyRow(int row)
{
    const QModelIndex index = m_model.index(row, 0);
    m_view.selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_mark = index;
}

int TableListControl::currentRow() const
{
    const QModelIndex current = m_view.currentIndex();
    return current.isValid() ? current.row() : -1;
}

int TableListControl::currentColumn() const
{
    const QModelIndex current = m_view.currentIndex();
    return current.isValid() ? current.column() : -1;
}

void TableListControl::setCurrentCell(int row, int column)
{
    const QModelIndex index = m_model.index(row, column);
    if (!index.isValid())
        return;
    if (moveFrame) {
        moveFrame(index);
        return;
    }
    m_view.selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    m_view.scrollTo(index);
}

void TableListControl::scrollToRow(int row)
{
    const int column = std::max(m_view.currentIndex().column(), 0);
    const QModelIndex index = m_model.index(row, column);
    if (index.isValid())
        m_view.scrollTo(index);
}

void TableListControl::openCellEditor(int row, int column, const std::string &text)
{
    closeCellEditor();
    auto *editor = new CellEditor(m_view.viewport());
    editor->setFont(m_view.font());
    ScheduleList *core = m_core;
    editor->screen = [core](int key) { return core ? core->editorKey(key) : true; };
    editor->clicked = [core] {
        if (core)
            core->CancelCellEdit();
    };
    m_editor = editor;
    moveCellEditor(row, column);
    editor->setText(QString::fromStdString(text));
    editor->selectAllAndFocus();
}

std::string TableListControl::cellEditorText() const
{
    return m_editor ? m_editor->text().toStdString() : std::string();
}

void TableListControl::setCellEditorText(const std::string &text)
{
    if (!m_editor)
        return;
    // Backspace's result: the shortened text all selected, so the next digit replaces it.
    m_editor->setText(QString::fromStdString(text));
    m_editor->selectAllAndFocus();
}

void TableListControl::moveCellEditor(int row, int column)
{
    if (m_editor)
        m_editor->setGeometry(m_view.visualRect(m_model.index(row, column)));
}

void TableListControl::closeCellEditor()
{
    if (!m_editor)
        return;
    // The editor may be in the middle of its own key or mouse handler: let it go later.
    CellEditor *editor = m_editor;
    m_editor = nullptr;
    // The focus goes back to the list before the box is hidden: hiding a focused widget
    // would move the focus along the focus chain, as Tab does, and with it the current cell.
    if (editor->hasFocus())
        m_view.setFocus(Qt::OtherFocusReason);
    editor->hide();
    editor->deleteLater();
}
