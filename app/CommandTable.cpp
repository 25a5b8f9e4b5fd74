#include "app/CommandTable.h"

#include "app/CommandIds.h"

namespace {

// The menu shows F4 beside Download and F5 beside Upload: the keys that really open them.
const std::vector<CommandInfo> kCommands = {
    {Cmd::FileNew, "&New\tCtrl+N", "New", "new", "Ctrl+N", "Create a new document\nNew"},
    {Cmd::FileOpen, "&Open...\tCtrl+O", "Open", "open", "Ctrl+O", "Open an existing document\nOpen"},
    {Cmd::FileSave, "&Save\tCtrl+S", "Save", "save", "Ctrl+S", "Save the active document\nSave As"},
    {Cmd::FilePrint, "&Print...\tCtrl+P", "Print", "print", "Ctrl+P", "Print the active document\nPrint"},
    {Cmd::FilePrintPreview, "Print Pre&view...", "", "", "", "Display full pages\nPrint Preview"},
    {Cmd::FilePrintSetup, "P&rint Setup...", "", "", "",
     "Change the printer and printing options\nPrint Setup"},
    {Cmd::AppExit, "E&xit", "", "", "", "Quit the application; prompts to save documents\nExit"},
    {Cmd::EditCut, "Cu&t\tCtrl+X", "", "", "Ctrl+X", "Cut the selection and put it on the Clipboard\nCut"},
    {Cmd::EditCopy, "&Copy\tCtrl+C", "", "", "Ctrl+C", "Copy the selection and put it on the Clipboard\nCopy"},
    {Cmd::EditPaste, "&Paste\tCtrl+V", "", "", "Ctrl+V", "Insert Clipboard contents\nPaste"},
    {Cmd::EditSelectAll, "Select All\tCtrl+A", "", "", "Ctrl+A", "Select the entire document\nSelect All"},
    {Cmd::EditInsert, "Insert\t[Insert]", "", "", "Ins", "Insert an Item."},
    {Cmd::EditModify, "Modify", "", "", "", "Modify an Item."},
    {Cmd::EditDelete, "Delete\t[Delete]", "", "", "Del", "Delete an Item"},
    {Cmd::AutoSet, "Auto Set", "Auto Set", "autoset", "F3", "Auto Setting"},
    {Cmd::ViewToolbar, "&Toolbar", "", "", "", "Show or hide the toolbar\nToggle ToolBar"},
    {Cmd::ViewStatusBar, "&Status Bar", "", "", "", "Show or hide the status bar\nToggle StatusBar"},
    {Cmd::TimeSetting, "Time setting\t   F2", "Time Set", "timeset", "F2", "Time setting of Tavrin"},
    {Cmd::Download, "Download\t   F4", "Download", "download", "F4", "Download"},
    {Cmd::Upload, "Upload\t   F5", "Upload", "upload", "F5", "Upload"},
    {Cmd::DeviceHistory, "Device History...", "", "", "", "Show every transfer to and from the device"},
    {Cmd::SerialPort, "Serial Port...", "", "", "", "Choose the serial port the Tavrin is connected to"},
    {Cmd::Monday, "Monday", "MON", "mon", "", "Make a schedule for the Monday"},
    {Cmd::Tuesday, "Tuesday", "TUE", "tue", "", "Make a schedule for the Tuesday"},
    {Cmd::Wednesday, "Wednesday", "WED", "wed", "", "Make a schedule for the Wednesday"},
    {Cmd::Thursday, "Thursday", "THU", "thu", "", "Make a schedule for the Thursday"},
    {Cmd::Friday, "Friday", "FRI", "fri", "", "Make a schedule for the Friday"},
    {Cmd::Saturday, "Saturday", "SAT", "sat", "", "Make a schedule for the Saturday"},
    {Cmd::Sunday, "Sunday", "SUN", "sun", "", "Make a schedule for the Sunday"},
    {Cmd::AppAbout, "&About Tavrin...", "", "", "",
     "Display program information, version number and copyright\nAbout"},
};

const std::vector<MenuPopup> kMenu = {
    {"&File",
     {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, 0, Cmd::FilePrint, Cmd::FilePrintPreview, Cmd::FilePrintSetup, 0,
      Cmd::AppExit}},
    {"&Edit",
     {Cmd::EditCut, Cmd::EditCopy, Cmd::EditPaste, 0, Cmd::EditSelectAll, 0, Cmd::EditInsert, Cmd::EditModify,
      Cmd::EditDelete, 0, Cmd::AutoSet}},
    {"&View", {Cmd::ViewToolbar, Cmd::ViewStatusBar}},
    {"&Tavrin", {Cmd::TimeSetting, Cmd::Download, Cmd::Upload, Cmd::DeviceHistory, 0, Cmd::SerialPort}},
    {"&Weekly", {Cmd::Monday, Cmd::Tuesday, Cmd::Wednesday, Cmd::Thursday, Cmd::Friday, Cmd::Saturday, Cmd::Sunday}},
    {"&About", {Cmd::AppAbout}},
};

const std::vector<int> kToolbar = {
    Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, 0, Cmd::FilePrint, 0,
    Cmd::TimeSetting, Cmd::AutoSet, Cmd::Download, Cmd::Upload, 0,
    Cmd::Monday, Cmd::Tuesday, Cmd::Wednesday, Cmd::Thursday, Cmd::Friday, Cmd::Saturday, Cmd::Sunday,
};

} // namespace

const std::vector<CommandInfo> &commandTable() { return kCommands; }

const CommandInfo *findCommand(int id)
{
    for (const CommandInfo &c : kCommands)
        if (c.id == id)
            return &c;
    return nullptr;
}

const std::vector<MenuPopup> &mainMenu() { return kMenu; }

const std::vector<int> &toolbarButtons() { return kToolbar; }

QString statusPrompt(const CommandInfo &info)
{
    const QString prompt = QString::fromLatin1(info.prompt);
    return prompt.section(QLatin1Char('\n'), 0, 0);
}

QString toolTipText(const CommandInfo &info)
{
    const QString prompt = QString::fromLatin1(info.prompt);
    const int nl = prompt.indexOf(QLatin1Char('\n'));
    return nl < 0 ? prompt : prompt.mid(nl + 1);
}
