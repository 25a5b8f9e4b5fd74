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
// A field that starts with an apostrophe is the rest of it exactly as stored. It is how texts
// the columns' values do not cover come out of a file and back in, and how a text starting with
// =, +, -, @, a tab, a CR or an apostrophe is written, so that a spreadsheet takes it as text
// and not as a formula.

// Columns in the order they are written.
extern const std::vector<std::string> kScheduleCsvColumns;

// A week's CSV is about 360 KB; a larger text than this is refused unread.
constexpr size_t kScheduleCsvSizeLimit = 4 * 1024 * 1024;
// Reading stops after this many bad rows.
constexpr size_t kScheduleCsvErrorLimit = 50;

struct ScheduleCsvError {
    int line = 0;
    std::string message;
};

// The whole week, or only day `onlyDay` (1..7) when it names a weekday. A text holding a NUL
// byte or bytes that are not UTF-8 is written without them and listed in `problems` by the
// line it is written on.
std::string scheduleCsv(const WeeklySchedule &week, int onlyDay, std::vector<ScheduleCsvError> &problems);
std::string scheduleCsv(const WeeklySchedule &week, int onlyDay = 0);

// Reads a week from that text. The header line comes first and names the ten columns in any
// order; rows may come in any order, `id` giving the entry's position, and the ids of a weekday
// must run 1..n without gaps or repeats. A weekday with no rows is empty.
//
// Every bad row is listed in `errors` with its line number, up to kScheduleCsvErrorLimit, and
// then `week` is left as it was: a file is either read whole or not at all. A text larger than
// kScheduleCsvSizeLimit is refused as a whole.
bool readScheduleCsv(std::string_view text, WeeklySchedule &week, std::vector<ScheduleCsvError> &errors);
