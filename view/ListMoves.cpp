#include "view/ListMoves.h"

#include <Qt>

MoveSelection selectionForMove(int key, bool shift, bool control)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return MoveSelection::SelectRow;
    case Qt::Key_Home:
    case Qt::Key_End:
        return shift ? MoveSelection::Extend : MoveSelection::SelectRow;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (shift)
            return MoveSelection::Extend;
        return control ? MoveSelection::FrameOnly : MoveSelection::SelectRow;
    default:
        return MoveSelection::NotAMove;
    }
}
