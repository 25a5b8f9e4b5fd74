#pragma once

#include "view/ViewCommandIds.h"

// Command and resource numbers. Each QAction carries its command number as data, so a
// command can be followed from its menu item, button and key to its one handler.
namespace Cmd {

// File
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileSave = 57603;
constexpr int FilePrintSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int FilePrintPreview = 57609;
// the whole week on paper, and the same as a PDF
constexpr int FilePrintWeek = 32820;
constexpr int FileExportPdf = 32821;
// File > Open Recent: the first of four numbers, one per entry
constexpr int FileRecent1 = 57616;
constexpr int AppExit = 57665;

// Edit: the list's own commands, numbered where the list's context menu uses them
constexpr int EditCopy = ViewCommand::Copy;
constexpr int EditCut = ViewCommand::Cut;
constexpr int EditPaste = ViewCommand::Paste;
constexpr int EditSelectAll = ViewCommand::SelectAll;
// Ctrl+Z (Backspace belongs to the cell editor alone); the actions are the list's own
constexpr int EditUndo = ViewCommand::Undo;
constexpr int EditRedo = ViewCommand::Redo;
constexpr int EditInsert = ViewCommand::Insert;
constexpr int EditModify = ViewCommand::Modify;
constexpr int EditDelete = ViewCommand::Delete;
constexpr int EditChooseSound = ViewCommand::ChooseSound;
constexpr int AutoSet = ViewCommand::AutoSet;

// View
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;

// Tavrin
constexpr int TimeSetting = 32776;
constexpr int Download = 32777;
constexpr int Upload = 32778;
// the serial port choice; a number of our own next to the device commands
constexpr int SerialPort = 32790;
constexpr int CompareWithDevice = 32791;
// the journal of transfers
constexpr int DeviceHistory = 32792;
// the week ahead, as the calendar plans it
constexpr int BringDeviceUpToDate = 32793;
// no bells from today: sent at once as today's weekday alone, and back
constexpr int BellsOffToday = 32794;
constexpr int BellsOffUntil = 32795;
constexpr int BellsBackOn = 32796;
// every device of the site
constexpr int Devices = 32837;

// Weekly, in day order 1 = Monday .. 7 = Sunday
constexpr int Monday = 32787;
constexpr int Tuesday = 32780;
constexpr int Wednesday = 32781;
constexpr int Thursday = 32782;
constexpr int Friday = 32783;
constexpr int Saturday = 32784;
constexpr int Sunday = 32785;
constexpr int Weekdays[7] = {Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday};
// the dates of the calendar and the programs they play
constexpr int Calendar = 32810;
// the names of the device's sounds
constexpr int Sounds = 32835;
// holidays from an iCalendar file into the calendar
constexpr int ImportHolidays = 32811;

// About
constexpr int AppAbout = 57664;

// 1..7 for a weekday command, 0 for any other
constexpr int dayOfCommand(int id)
{
    for (int d = 0; d < 7; ++d)
        if (Weekdays[d] == id)
            return d + 1;
    return 0;
}

// Weekly > Special Days: the day programs' own commands (the programs themselves are items
// made as the schedule has them, not commands)
constexpr int NewProgram = 32800;
constexpr int RenameProgram = 32801;
constexpr int DeleteProgram = 32802;

} // namespace Cmd

// Resources
namespace Res {
constexpr int MainFrame = 128; // menu, toolbar, accelerators and the main icon share it
constexpr int AboutBox = 100;
constexpr int ProgramIcon = 132;
constexpr int ListContextMenu = 133;
} // namespace Res
