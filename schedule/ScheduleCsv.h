#pragma once

#include <string>
#include <string_view>
#include <vector>

class WeeklySchedule;

// The weekly schedule as comma-separated text, one row per entry under the header
//   day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4
// day is the weekday's name, id the entry's position, time the 24-hour HH:MM, and the other
// fields the texts as stored. Rows run Monday to Sunday, each day in position order.
//
// A week with day programs has one more column, program, empty on the weekdays' rows; each
// program's rows follow the weekdays, in the programs' order, with day "program" and the
// program's name in that column. A program without entries is one row with only day and
// program filled in. A calendar follows as a section of its own (see CalendarCsv.h), and then
// the sounds' names (see SoundsCsv.h). A week with no programs is written in the ten columns.
//
// A field that starts with an apostrophe is the rest of it exactly as stored. It is how texts
// the columns' values do not cover come out of a file and back in, and how a text starting with
// =, +, -, @, a tab, a CR or an apostrophe is written, so that a spreadsheet takes it as text
// and not as a formula.

// Columns in the order they are written.
extern const std::vector<std::string> kScheduleCsvColumns;
// The column of the program's name, and the day column's value on a program's rows.
extern const std::string kScheduleCsvProgramColumn;
extern const std::string kScheduleCsvProgramDay;

// A week's CSV is about 360 KB; a larger text than this is refused unread.
constexpr size_t kScheduleCsvSizeLimit = 4 * 1024 * 1024;
// Reading stops after this many bad rows.
constexpr size_t kScheduleCsvErrorLimit = 50;

struct ScheduleCsvError {
    int line = 0;
    std::string message;
};

// The whole week with its programs, calendar and sounds' names, or only weekday `onlyDay` (1..7) when it
// names one, in the ten columns. A text holding a NUL byte or bytes that are not UTF-8 is
// written without them and listed in `problems` by the line it is written on.
std::string scheduleCsv(const WeeklySchedule &week, int onlyDay, std::vector<ScheduleCsvError> &problems);
std::string scheduleCsv(const WeeklySchedule &week, int onlyDay = 0);

// Reads a week from that text. The header line comes first and names the ten columns (and
// program, when there are programs) in any order; rows may come in any order, `id` giving the
// entry's position, and the ids of a weekday or program must run 1..n without gaps or repeats.
// A weekday with no rows is empty. Programs are numbered anew in the order first named; the
// calendar section and the sounds' section come last.
//
// Every bad row is listed in `errors` with its line number, up to kScheduleCsvErrorLimit, and
// then `week` is left as it was: a file is either read whole or not at all. A text larger than
// kScheduleCsvSizeLimit is refused as a whole.
bool readScheduleCsv(std::string_view text, WeeklySchedule &week, std::vector<ScheduleCsvError> &errors);
