#pragma once

#include "schedule/DaySchedule.h"
#include "schedule/ProgramCalendar.h"
#include "schedule/SoundNames.h"
#include "schedule/StoreOutcome.h"

#include <map>
#include <string>

struct sqlite3;
class WeeklySchedule;

// The tables beside the weekdays' (see ScheduleFileFormat.h): the day programs, their entries,
// the calendar and the sounds' names, read and written straight through SQLite on the handle
// of an open connection, all values bound. A file may lack any of them (a file of version 1
// lacks all), and the calendar the columns version 3 added: what is missing reads as empty.
namespace ProgramCalendarTables {

using ProgramDays = std::map<int, DaySchedule>;

// The statements that create the tables, for a new file.
std::string createStatements();

// NotSchedule when one of the names is taken by something that is not a table, or a table
// of that name lacks a column this program reads and writes; else success.
StoreOutcome check(sqlite3 *db);

// Fills special (which holds only "No bells") and the programs' days. Rows that cannot be
// shown are counted in leftOut under "Day programs", "Calendar" or the program they belong
// to: program rows with a number that is not 9 or above, a repeated number, an empty,
// repeated or overlong name, or past kMaxDayPrograms; entries as a weekday's are checked,
// and entries of "No bells" or of no program read; calendar rows with a date that is not
// YYYY-MM-DD, the last before the first, an unknown program, an overlong note, or past
// kMaxCalendarEntries.
StoreOutcome read(sqlite3 *db, ProgramCalendar &special, ProgramDays &days, LeftOutRows &leftOut);

// The names of the sounds. Rows are left out, counted under "Sounds", for a kind that is not
// "Melody" or "Voice" or a number outside 1..15, a sound named already, or a name that is
// too long or holds a control character.
StoreOutcome readSoundNames(sqlite3 *db, SoundNames &names, LeftOutRows &leftOut);

// Creates the tables and columns the file lacks and marks it as of this program's version.
// Inside the caller's write transaction.
StoreOutcome upgrade(sqlite3 *db);

// Replaces the tables' rows with the week's programs (IDs 1..count of each), its calendar and
// its sounds' names (a row for each named sound). Inside the caller's write transaction, after
// upgrade.
StoreOutcome write(sqlite3 *db, const WeeklySchedule &week);

// Empties the tables the file has, inside the caller's write transaction.
StoreOutcome clear(sqlite3 *db);

} // namespace ProgramCalendarTables
