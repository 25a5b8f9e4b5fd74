#pragma once

// While a cell is being edited every key is screened before menus and shortcuts see it:
// digits, ":", Delete, Shift and Num Lock reach the edit box, Enter commits, Backspace drops
// the last character, and any other key ends the edit without writing.
enum class KeyAction { Pass, Commit, Backspace, Cancel };

// key: a Qt::Key code (keypad digits carry the same codes as the main keyboard's).
KeyAction screenKey(int key);
