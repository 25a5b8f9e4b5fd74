#pragma once

// What a key that moves the list's current cell does to the selection. The current row and
// the selection are one, so that the commands on the selection act on the row the operator
// sees framed: a plain move (arrows, Page Up/Down, Home/End, Ctrl+Home/End, Tab) selects the
// row it lands on alone, Shift with any move extends the selection from the row it began at,
// and Ctrl with an arrow or Page Up/Down moves the frame alone, for Ctrl+Space to add or
// take away rows one by one.
enum class MoveSelection { NotAMove, SelectRow, Extend, FrameOnly };

// key: a Qt::Key code.
MoveSelection selectionForMove(int key, bool shift, bool control);
