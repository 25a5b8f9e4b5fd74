#pragma once

#include <QString>
#include <vector>

// What the operator sees of each command: its menu text, toolbar label and picture, key and
// status-bar prompt. The window is built from these tables alone.
struct CommandInfo {
    int id;
    const char *menuText; // as the menu shows it; the part after a tab is the key hint
    const char *toolbarLabel; // empty when the command has no toolbar button
    const char *icon; // picture name under :/tavrin/, empty without a button
    const char *key; // portable key text for QKeySequence, empty without a key
    const char *prompt; // status-bar prompt; a part after "\n" is the button's tooltip
};

struct MenuPopup {
    const char *title;
    std::vector<int> items; // command numbers; 0 is a separator
};

// Every command, in menu order.
const std::vector<CommandInfo> &commandTable();

// The menu bar, popups left to right.
const std::vector<MenuPopup> &mainMenu();

// The toolbar, buttons left to right; 0 is a separator.
const std::vector<int> &toolbarButtons();

// A menu text, toolbar label or popup title of these tables as the operator's language shows it.
QString shownCommandText(const char *text);

// The status-bar part of a prompt (before "\n") and the tooltip part (after it, or the whole
// prompt when there is no "\n").
QString statusPrompt(const CommandInfo &info);
QString toolTipText(const CommandInfo &info);
// The command's name as a screen reader says it: its menu text without the key hint, the
// mnemonic marks or the trailing dots ("&Open...\tCtrl+O" -> "Open").
QString commandName(const CommandInfo &info);
