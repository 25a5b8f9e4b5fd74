#include "view/gui/CellEditor.h"

#include <QKeyEvent>
#include <QMouseEvent>

CellEditor::CellEditor(QWidget *parent)
    : QLineEdit(parent)
{
    setFrame(true);
    // The box takes only what the screen lets through; its own menu could paste anything.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void CellEditor::selectAllAndFocus()
{
    show();
    selectAll();
    setFocus(Qt::OtherFocusReason);
}

bool CellEditor::event(QEvent *e)
{
    // Claim every key before shortcuts see it, so Delete, Backspace, Ctrl+C and the like
    // reach the screen instead of a menu command.
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    return QLineEdit::event(e);
}

void CellEditor::keyPressEvent(QKeyEvent *e)
{
    if (!screen || screen(e->key()))
        QLineEdit::keyPressEvent(e);
    else
        e->accept();
}

void CellEditor::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && clicked) {
        clicked();
        e->accept();
        return;
    }
    QLineEdit::mousePressEvent(e);
}
