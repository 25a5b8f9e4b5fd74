#include "view/gui/CellEditor.h"

#include "view/KeyScreen.h"

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
    // Claim every key before shortcuts see it, so Delete, Backspace, Insert and the like
    // reach the screen instead of a menu command; the window's command keys go on.
    if (e->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (!isCommandKey(key->key(), key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            e->accept();
            return true;
        }
        // Not the box's own Ctrl+V or Ctrl+X either: the window's Paste and Cut run instead.
        e->ignore();
        return false;
    }
    // QWidget::event would give Tab and Shift+Tab to the focus chain, which leads to the
    // list: they go to the screen like every other key.
    if (e->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent *>(e));
        return true;
    }
    return QLineEdit::event(e);
}

void CellEditor::keyPressEvent(QKeyEvent *e)
{
    if (!screen || screen(e->key()))
        QLineEdit::keyPressEvent(e);
    // Shift, Num Lock and whatever else the box ignores end here too: an ignored key would
    // travel on to the list, which keeps keys for the open editor.
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
