#pragma once

#include "schedule/CsvRecords.h"
#include "schedule/ProgramCalendar.h"
#include "schedule/ScheduleCsv.h"

#include <array>
#include <string>
#include <vector>

// The calendar section of the schedule's CSV. After the entries come a blank line and the
// header
//   first,last,program,note
// and then one row per calendar entry in the order they were added (a later one wins): the
// first and last date as YYYY-MM-DD (an empty last is the first, for one day), the name of
// the program the dates take ("No bells" too) and a note.
namespace CalendarCsv {

extern const std::vector<std::string> kColumns;

// The section; empty when no calendar entry names an existing program (one that names none
// gives no date to anything). lastLine is the line written last, counted on; a text with NUL
// bytes or bytes that are not UTF-8 is written without them and listed in problems.
std::string written(const ProgramCalendar &special, int &lastLine, std::vector<ScheduleCsvError> &problems);

// Whether the record names the four columns, in any order and letter case, and nothing else.
bool isHeader(const CsvRecord &record);

class Reader {
public:
    explicit Reader(const CsvRecord &header);

    // Adds the row's entry to special's calendar; false after adding its problems to errors as
    // one message on its line.
    bool read(const CsvRecord &record, ProgramCalendar &special, std::vector<ScheduleCsvError> &errors) const;

private:
    enum Column { kFirst, kLast, kProgram, kNote, kColumnCount };
    std::array<size_t, kColumnCount> m_fieldOf{};
};

} // namespace CalendarCsv
