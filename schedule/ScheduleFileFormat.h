#pragma once

#include <cstdint>

// What marks a SQLite file as one of this program's schedule files. Both numbers live in the
// file's header (PRAGMA application_id, PRAGMA user_version) and are set in the template.
//
// Version 1 is the seven weekday tables (see ScheduleDatabase.h). Version 2 adds, beside them
// and in their form (no constraints; the loader checks every row), the day programs and the
// calendar, addressed by column name:
//
//   DayPrograms    (Program INTEGER, Name TEXT, Position INTEGER)
//       One row per day program: its day number (9 and up; "No bells", 8, always exists and
//       is never stored), its name, and its place in the order the operator sees (ascending).
//   ProgramEntries (Program INTEGER, ID INTEGER, Time TEXT, MelodyVoice TEXT, Selection TEXT,
//                   AC TEXT, CH1 TEXT, CH2 TEXT, CH3 TEXT, CH4 TEXT)
//       The programs' entries: the program's day number, then the columns of a weekday table
//       in the same order and meaning.
//   Calendar       (Entry INTEGER, First TEXT, Last TEXT, Program INTEGER, Note TEXT,
//                   SourceUid TEXT, SourceDate TEXT)
//       One row per calendar entry: Entry gives the order they were added (a later one wins),
//       First and Last the dates as YYYY-MM-DD (the same for one day), Program the day number
//       of a program or 8 for "No bells". SourceUid and SourceDate (YYYY-MM-DD) say which
//       calendar event the entry was imported from; NULL for an entry made by hand.
//
// Version 3 adds the Calendar's last two columns and the names of the sounds:
//
//   SoundNames     (Kind TEXT, Number INTEGER, Name TEXT)
//       One row per named sound: "Melody" or "Voice", 1..15, and its name (at most 40
//       characters). A sound without a row has no name.
//
// A file of an older version loads with what it has (no programs, calendar or names where
// it lacks them); its first Save creates the tables and columns and makes it of this version
// in the same transaction.
namespace ScheduleFileFormat {

// The bytes "TAVR".
constexpr std::int32_t kApplicationId = 0x54415652;

// The layout of the tables this program reads and writes. Files of a higher version are
// refused; files of version 0 without an application id (written before the id was set)
// are schedule files of version 1.
constexpr int kSchemaVersion = 3;

constexpr const char *kProgramsTable = "DayPrograms";
constexpr const char *kProgramEntriesTable = "ProgramEntries";
constexpr const char *kCalendarTable = "Calendar";
constexpr const char *kSoundNamesTable = "SoundNames";

// The longest text the loader takes into a schedule field, far above anything the editor
// makes (a time is 16 characters); longer values come only from foreign or hostile files,
// and this keeps a loaded week within a few tens of megabytes.
constexpr int kMaxFieldBytes = 1024;

// The most day programs ("No bells" aside) and calendar entries a load takes, for the same
// reason: every program holds a whole day's positions.
constexpr int kMaxDayPrograms = 100;
constexpr int kMaxCalendarEntries = 10000;

// The longest single value SQLite will hand the loader; anything longer is an error of the
// file rather than an allocation of the program.
constexpr int kMaxValueBytes = 1 << 20;

} // namespace ScheduleFileFormat
