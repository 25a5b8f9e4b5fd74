#pragma once

#include <string>
#include <string_view>
#include <vector>

class WeeklySchedule;

// The weekly schedule as comma-separated text, one row per entry under the header
//   day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4
// day is the weekday's name, id the entry's position, time the 24-hour HH:MM, and the other
// fields the texts as stored. Rows run Monday to Sunday, each day in position order.

// Columns in the order they are written.
extern const std::vector<std::string> kScheduleCsvColumns;

// The whole week, or only day `onlyDay` (1..7) when it names a weekday.
std::string scheduleCsv(const WeeklySchedule &week, int onlyDay = 0);

struct ScheduleCsvError {
    int line = 0;
    std::string message;
};

// Reads a week from that text. The header line comes first and names the ten columns in any
// order; rows may come in any order, `id` giving the entry's position, and the ids of a weekday
// must run 1..n without gaps or repeats. A weekday with no rows is empty.
//
// Every bad row is listed in `errors` with its line number, and then `week` is left as it was:
// a file is either read whole or not at all.
bool readScheduleCsv(std::string_view text, WeeklySchedule &week, std::vector<ScheduleCsvError> &errors);
