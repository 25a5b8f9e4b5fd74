#pragma once

#include "device/ProtocolTimings.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

// Exit status of every command.
// kExitDiffers: compare, download --verify: the device does not hold what the file does.
enum CliExit { kExitOk = 0, kExitFailure = 1, kExitUsage = 2, kExitDiffers = 3 };

enum class CliVerb {
    Show,
    Import,
    Download,
    Upload,
    Clock,
    Image,
    Compare,
    Journal,
    Plan,
    Sync,
    Print,
    Calendar,
    BellsOff,
    BellsOn,
    Site
};

// A clock setting: a weekday (1 = Monday .. 7 = Sunday) and a time of day.
struct ClockSetting {
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// One command line, checked: every field the verb needs is there and valid.
struct CliCommand {
    CliVerb verb = CliVerb::Show;
    QString file; // show, image, download, compare, plan, sync, print: the schedule file; import: the CSV ("-" = stdin)
    QString to; // import, upload: the schedule file written
    bool removeTriggers = false; // import, upload --remove-triggers: drop the triggers and views of `to`
    // download, upload, clock, compare, sync; journal --port: only this port; plan --port: whether
    // that device is ready for the day after the first date
    QString port;
    std::vector<int> days; // download, upload, compare, print: weekdays 1..7, Monday first, each once
    bool clearAll = false; // download --clear
    bool verify = false; // download --verify
    bool intoWeekdays = false; // upload --into-weekdays: a day program the device holds goes into the weekday
    int day = 0; // show --day (0 = the whole week), image --day
    bool hex = false; // image --hex
    bool setClock = false; // clock --set / --now
    bool now = false; // clock --now: the computer's clock, read when the frame is made
    ClockSetting setting; // clock --set
    // download, upload, clock, journal, plan, sync --journal: the journal file instead of the usual one
    QString journal;
    int last = 0; // journal --last: at most this many entries (0: all)
    QDate from; // plan, sync --from: the first date (today when not given)
    int count = 7; // plan --days: how many dates
    QString ics; // plan --ics: also write the dates that play a day program to this iCalendar file
    bool dryRun = false; // sync --dry-run: tell what would be sent, send nothing
    bool checkDevice = false; // sync --check-device: read the weekdays back first and decide from them
    QString pdf; // print --pdf: the PDF file written
    bool programs = false; // print --programs: every day program after the weekdays
    bool calendar = false; // print --calendar: the calendar's entries of the months ahead
    QString action; // calendar: list, add, remove or import
    QDate first; // calendar add --first
    QDate lastDate; // calendar add --last (first when not given); bells-off --until (today when not given)
    QString program; // calendar add --program; calendar import --program (not given: "No bells")
    QString note; // calendar add --note
    int entry = 0; // calendar remove N: the entry as list numbers it, from 1
    QString icsFile; // calendar import: the iCalendar file read
    // sync, clock, compare --site [FILE]: every device of the site at once; site: the site listed
    bool site = false;
    QString siteFile; // the site file named; empty: the usual one
    QStringList devices; // --device NAME...: only these devices of the site
    ProtocolTimings timings; // the device's pace; shorter only under the tests' hidden --test-speedup
};

struct CliParseResult {
    enum Outcome { Run, Help, UsageError } outcome = UsageError;
    CliCommand command;
    QString text; // the help text, or the usage error
};

// Reads the arguments that follow the program's name.
CliParseResult parseCliArguments(const QStringList &arguments);
