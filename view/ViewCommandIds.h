#pragma once

// Command numbers of the list's own commands, carried as QAction data by the context menu.
namespace ViewCommand {
constexpr int Insert = 32771;
constexpr int Modify = 32772;
constexpr int Delete = 32773;
constexpr int AutoSet = 32816;
constexpr int ChooseSound = 32836;
constexpr int Copy = 57634;
constexpr int Cut = 57635;
constexpr int Paste = 57637;
constexpr int SelectAll = 57642;
constexpr int Undo = 57643;
constexpr int Redo = 57644;
} // namespace ViewCommand
