#include "view/KeyScreen.h"

#include <Qt>

bool isCommandKey(int key, bool ctrlOrAltHeld)
{
    return ctrlOrAltHeld || (key >= Qt::Key_F1 && key <= Qt::Key_F35);
}

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
    // Held for a command key (Ctrl+S): the command, a store point, commits the edit itself.
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
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
