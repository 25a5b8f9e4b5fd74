#pragma once

// While a cell is being edited every key is screened before menus and shortcuts see it:
// digits, ":", Delete, Shift, Num Lock and the other modifier keys (Ctrl, Alt, which a
// command key such as Ctrl+S needs held first) reach the edit box, Enter commits, Backspace
// drops the last character and selects what is left (the next digit replaces it), and any
// other key ends the edit without writing.
enum class KeyAction { Pass, Commit, Backspace, Cancel };

// key: a Qt::Key code (keypad digits carry the same codes as the main keyboard's).
KeyAction screenKey(int key);

// Whether a key typed while a cell is edited goes on to the window's commands (Ctrl+S,
// Ctrl+X, F4 ...) instead of the edit box: one with Ctrl or Alt held, or a function key.
// Those that are commands store the list, and every store point commits the open edit
// first; any other such key then reaches the screen and ends the edit without writing.
bool isCommandKey(int key, bool ctrlOrAltHeld);
