#include "view/KeyScreen.h"

#include <Qt>

KeyAction screenKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return KeyAction::Pass;
    switch (key) {
    case Qt::Key_Colon:
    case Qt::Key_Semicolon: // the same key, unshifted
    case Qt::Key_Delete:
    case Qt::Key_Shift:
    case Qt::Key_NumLock:
        return KeyAction::Pass;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyAction::Commit;
    case Qt::Key_Backspace:
        return KeyAction::Backspace;
    default:
        return KeyAction::Cancel;
    }
}
