#pragma once

#include "schedule/CsvRecords.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/SoundNames.h"

#include <array>
#include <map>
#include <string>
#include <vector>

// The sounds' names in the schedule's CSV: a section of its own after the calendar, after a
// blank line, with the header
//   sound,number,name
// and one row per named sound, melodies first, each kind by number: "Melody" or "Voice", 1..15
// and the name (guarded against spreadsheet formulas as other texts are).
namespace SoundsCsv {

extern const std::vector<std::string> kColumns;

// The section; empty when no sound has a name. lastLine is the line written last, counted on.
std::string written(const SoundNames &names, int &lastLine, std::vector<ScheduleCsvError> &problems);

// Whether the record names the three columns, in any order and letter case, and nothing else.
bool isHeader(const CsvRecord &record);

class Reader {
public:
    explicit Reader(const CsvRecord &header);

    // Names the row's sound in names; false after adding its problems to errors as one message
    // on its line. An empty name names nothing.
    bool read(const CsvRecord &record, SoundNames &names, std::vector<ScheduleCsvError> &errors);

private:
    enum Column { kSound, kNumber, kName, kColumnCount };
    std::array<size_t, kColumnCount> m_fieldOf{};
    std::map<std::pair<SoundKind, int>, int> m_lineOf; // the line that named each sound
};

} // namespace SoundsCsv
