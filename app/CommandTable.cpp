#include "app/CommandTable.h"

#include "app/CommandIds.h"

#include <QCoreApplication>

namespace {

// The texts are translated where they are shown (shownCommandText).

// The menu shows F4 beside Download and F5 beside Upload: the keys that really open them.
const std::vector<CommandInfo> kCommands = {
    {Cmd::FileNew, QT_TRANSLATE_NOOP("CommandTable", "&New\tCtrl+N"), QT_TRANSLATE_NOOP("CommandTable", "New"), "new",
     "Ctrl+N", QT_TRANSLATE_NOOP("CommandTable", "Create a new document\nNew")},
    {Cmd::FileOpen, QT_TRANSLATE_NOOP("CommandTable", "&Open...\tCtrl+O"), QT_TRANSLATE_NOOP("CommandTable", "Open"),
     "open", "Ctrl+O", QT_TRANSLATE_NOOP("CommandTable", "Open an existing document\nOpen")},
    {Cmd::FileSave, QT_TRANSLATE_NOOP("CommandTable", "&Save\tCtrl+S"), QT_TRANSLATE_NOOP("CommandTable", "Save"),
     "save", "Ctrl+S", QT_TRANSLATE_NOOP("CommandTable", "Save the active document\nSave")},
    {Cmd::FilePrint, QT_TRANSLATE_NOOP("CommandTable", "&Print...\tCtrl+P"), QT_TRANSLATE_NOOP("CommandTable", "Print"),
     "print", "Ctrl+P", QT_TRANSLATE_NOOP("CommandTable", "Print the active document\nPrint")},
    {Cmd::FilePrintPreview, QT_TRANSLATE_NOOP("CommandTable", "Print Pre&view..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Display full pages\nPrint Preview")},
    {Cmd::FilePrintWeek, QT_TRANSLATE_NOOP("CommandTable", "Print &Week..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Print every weekday, each from a new page\nPrint Week")},
    {Cmd::FileExportPdf, QT_TRANSLATE_NOOP("CommandTable", "Export P&DF..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Write the week as Print Week prints it to a PDF file\nExport PDF")},
    {Cmd::FilePrintSetup, QT_TRANSLATE_NOOP("CommandTable", "P&rint Setup..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Change the printer and printing options\nPrint Setup")},
    {Cmd::AppExit, QT_TRANSLATE_NOOP("CommandTable", "E&xit"), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Quit the application; prompts to save documents\nExit")},
    {Cmd::EditCut, QT_TRANSLATE_NOOP("CommandTable", "Cu&t\tCtrl+X"), "", "", "Ctrl+X",
     QT_TRANSLATE_NOOP("CommandTable", "Cut the selection and put it on the Clipboard\nCut")},
    {Cmd::EditCopy, QT_TRANSLATE_NOOP("CommandTable", "&Copy\tCtrl+C"), "", "", "Ctrl+C",
     QT_TRANSLATE_NOOP("CommandTable", "Copy the selection and put it on the Clipboard\nCopy")},
    {Cmd::EditPaste, QT_TRANSLATE_NOOP("CommandTable", "&Paste\tCtrl+V"), "", "", "Ctrl+V",
     QT_TRANSLATE_NOOP("CommandTable", "Insert Clipboard contents\nPaste")},
    {Cmd::EditSelectAll, QT_TRANSLATE_NOOP("CommandTable", "Select All\tCtrl+A"), "", "", "Ctrl+A",
     QT_TRANSLATE_NOOP("CommandTable", "Select the entire document\nSelect All")},
    {Cmd::EditInsert, QT_TRANSLATE_NOOP("CommandTable", "Insert\t[Insert]"), "", "", "Ins",
     QT_TRANSLATE_NOOP("CommandTable", "Insert an Item.")},
    {Cmd::EditModify, QT_TRANSLATE_NOOP("CommandTable", "Modify"), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Modify an Item.")},
    {Cmd::EditChooseSound, QT_TRANSLATE_NOOP("CommandTable", "Choose &Sound...\tF7"), "", "", "F7",
     QT_TRANSLATE_NOOP("CommandTable", "Choose the row's sound from the named ones\nChoose Sound")},
    {Cmd::EditDelete, QT_TRANSLATE_NOOP("CommandTable", "Delete\t[Delete]"), "", "", "Del",
     QT_TRANSLATE_NOOP("CommandTable", "Delete an Item")},
    {Cmd::AutoSet, QT_TRANSLATE_NOOP("CommandTable", "Auto Set"), QT_TRANSLATE_NOOP("CommandTable", "Auto Set"),
     "autoset", "F3", QT_TRANSLATE_NOOP("CommandTable", "Auto Setting")},
    {Cmd::ViewToolbar, QT_TRANSLATE_NOOP("CommandTable", "&Toolbar"), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Show or hide the toolbar\nToggle ToolBar")},
    {Cmd::ViewStatusBar, QT_TRANSLATE_NOOP("CommandTable", "&Status Bar"), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Show or hide the status bar\nToggle StatusBar")},
    {Cmd::TimeSetting, QT_TRANSLATE_NOOP("CommandTable", "Time setting\t   F2"),
     QT_TRANSLATE_NOOP("CommandTable", "Time Set"), "timeset", "F2",
     QT_TRANSLATE_NOOP("CommandTable", "Time setting of Tavrin")},
    {Cmd::Download, QT_TRANSLATE_NOOP("CommandTable", "Download\t   F4"), QT_TRANSLATE_NOOP("CommandTable", "Download"),
     "download", "F4", QT_TRANSLATE_NOOP("CommandTable", "Download")},
    {Cmd::Upload, QT_TRANSLATE_NOOP("CommandTable", "Upload\t   F5"), QT_TRANSLATE_NOOP("CommandTable", "Upload"),
     "upload", "F5", QT_TRANSLATE_NOOP("CommandTable", "Upload")},
    {Cmd::CompareWithDevice, QT_TRANSLATE_NOOP("CommandTable", "Compare with Device\t   F6"), "", "", "F6",
     QT_TRANSLATE_NOOP("CommandTable", "Compare the device's weekdays with the schedule\nCompare with Device")},
    {Cmd::BringDeviceUpToDate, QT_TRANSLATE_NOOP("CommandTable", "Bring Device Up to Date"), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Send the weekdays whose images the coming seven days need")},
    {Cmd::BellsOffToday, QT_TRANSLATE_NOOP("CommandTable", "Bells Off Today"), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "No bells today: the device gets today's weekday blank at once")},
    {Cmd::BellsOffUntil, QT_TRANSLATE_NOOP("CommandTable", "Bells Off Until..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "No bells from today until a date: today's weekday goes blank at once")},
    {Cmd::BellsBackOn, QT_TRANSLATE_NOOP("CommandTable", "Bells Back On"), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "End Bells Off: today's regular image goes back to the device at once")},
    {Cmd::DeviceHistory, QT_TRANSLATE_NOOP("CommandTable", "Device History..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Show every transfer to and from the device")},
    {Cmd::Devices, QT_TRANSLATE_NOOP("CommandTable", "Devices..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Every device of the site: its state, and bringing them up to date at once")},
    {Cmd::SerialPort, QT_TRANSLATE_NOOP("CommandTable", "Serial Port..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Choose the serial port the Tavrin is connected to")},
    {Cmd::Monday, QT_TRANSLATE_NOOP("CommandTable", "Monday"), QT_TRANSLATE_NOOP("CommandTable", "MON"), "mon", "",
     QT_TRANSLATE_NOOP("CommandTable", "Make a schedule for the Monday")},
    {Cmd::Tuesday, QT_TRANSLATE_NOOP("CommandTable", "Tuesday"), QT_TRANSLATE_NOOP("CommandTable", "TUE"), "tue", "",
     QT_TRANSLATE_NOOP("CommandTable", "Make a schedule for the Tuesday")},
    {Cmd::Wednesday, QT_TRANSLATE_NOOP("CommandTable", "Wednesday"), QT_TRANSLATE_NOOP("CommandTable", "WED"), "wed",
     "", QT_TRANSLATE_NOOP("CommandTable", "Make a schedule for the Wednesday")},
    {Cmd::Thursday, QT_TRANSLATE_NOOP("CommandTable", "Thursday"), QT_TRANSLATE_NOOP("CommandTable", "THU"), "thu", "",
     QT_TRANSLATE_NOOP("CommandTable", "Make a schedule for the Thursday")},
    {Cmd::Friday, QT_TRANSLATE_NOOP("CommandTable", "Friday"), QT_TRANSLATE_NOOP("CommandTable", "FRI"), "fri", "",
     QT_TRANSLATE_NOOP("CommandTable", "Make a schedule for the Friday")},
    {Cmd::Saturday, QT_TRANSLATE_NOOP("CommandTable", "Saturday"), QT_TRANSLATE_NOOP("CommandTable", "SAT"), "sat", "",
     QT_TRANSLATE_NOOP("CommandTable", "Make a schedule for the Saturday")},
    {Cmd::Sunday, QT_TRANSLATE_NOOP("CommandTable", "Sunday"), QT_TRANSLATE_NOOP("CommandTable", "SUN"), "sun", "",
     QT_TRANSLATE_NOOP("CommandTable", "Make a schedule for the Sunday")},
    {Cmd::Calendar, QT_TRANSLATE_NOOP("CommandTable", "Calendar...\tCtrl+K"), "", "", "Ctrl+K",
     QT_TRANSLATE_NOOP("CommandTable", "Give dates to day programs and see what each date plays\nCalendar")},
    {Cmd::Sounds, QT_TRANSLATE_NOOP("CommandTable", "S&ounds..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Give the device's melodies and voices names\nSounds")},
    {Cmd::ImportHolidays, QT_TRANSLATE_NOOP("CommandTable", "Import Holidays..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Take the dates of an iCalendar (.ics) file into the calendar")},
    {Cmd::AppAbout, QT_TRANSLATE_NOOP("CommandTable", "&About Tavrin..."), "", "", "",
     QT_TRANSLATE_NOOP("CommandTable", "Display program information, version number and copyright\nAbout")},
};

const std::vector<MenuPopup> kMenu = {
    {QT_TRANSLATE_NOOP("CommandTable", "&File"),
     {Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, 0, Cmd::FilePrint, Cmd::FilePrintPreview, Cmd::FilePrintWeek,
      Cmd::FileExportPdf, Cmd::FilePrintSetup, 0, Cmd::AppExit}},
    {QT_TRANSLATE_NOOP("CommandTable", "&Edit"),
     {Cmd::EditCut, Cmd::EditCopy, Cmd::EditPaste, 0, Cmd::EditSelectAll, 0, Cmd::EditInsert, Cmd::EditModify,
      Cmd::EditChooseSound, Cmd::EditDelete, 0, Cmd::AutoSet}},
    {QT_TRANSLATE_NOOP("CommandTable", "&View"), {Cmd::ViewToolbar, Cmd::ViewStatusBar}},
    {QT_TRANSLATE_NOOP("CommandTable", "&Tavrin"),
     {Cmd::TimeSetting, Cmd::Download, Cmd::Upload, Cmd::CompareWithDevice, Cmd::BringDeviceUpToDate,
      Cmd::DeviceHistory, Cmd::Devices, 0, Cmd::BellsOffToday, Cmd::BellsOffUntil, Cmd::BellsBackOn, 0,
      Cmd::SerialPort}},
    {QT_TRANSLATE_NOOP("CommandTable", "&Weekly"),
     {Cmd::Monday, Cmd::Tuesday, Cmd::Wednesday, Cmd::Thursday, Cmd::Friday, Cmd::Saturday, Cmd::Sunday, 0,
      Cmd::Calendar, Cmd::ImportHolidays, Cmd::Sounds}},
    {QT_TRANSLATE_NOOP("CommandTable", "&About"), {Cmd::AppAbout}},
};

const std::vector<int> kToolbar = {
    Cmd::FileNew,
    Cmd::FileOpen,
    Cmd::FileSave,
    0,
    Cmd::FilePrint,
    0,
    Cmd::TimeSetting,
    Cmd::AutoSet,
    Cmd::Download,
    Cmd::Upload,
    0,
    Cmd::Monday,
    Cmd::Tuesday,
    Cmd::Wednesday,
    Cmd::Thursday,
    Cmd::Friday,
    Cmd::Saturday,
    Cmd::Sunday,
};

} // namespace

const std::vector<CommandInfo> &commandTable()
{
    return kCommands;
}

const std::vector<MenuPopup> &mainMenu()
{
    return kMenu;
}

const std::vector<int> &toolbarButtons()
{
    return kToolbar;
}

QString shownCommandText(const char *text)
{
    return *text ? QCoreApplication::translate("CommandTable", text) : QString();
}

QString statusPrompt(const CommandInfo &info)
{
    const QString prompt = shownCommandText(info.prompt);
    return prompt.section(QLatin1Char('\n'), 0, 0);
}

QString toolTipText(const CommandInfo &info)
{
    const QString prompt = shownCommandText(info.prompt);
    const int nl = prompt.indexOf(QLatin1Char('\n'));
    return nl < 0 ? prompt : prompt.mid(nl + 1);
}

QString commandName(const CommandInfo &info)
{
    QString name = shownCommandText(info.menuText).section(QLatin1Char('\t'), 0, 0);
    QString plain;
    for (qsizetype k = 0; k < name.size(); ++k) {
        if (name[k] == QLatin1Char('&') && k + 1 < name.size())
            ++k; // "&&" stands for one "&"; a single one marks the next letter
        plain += name[k];
    }
    while (plain.endsWith(QLatin1Char('.')))
        plain.chop(1);
    return plain.trimmed();
}
