#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

// The printed schedule report of the shown weekday or day program, composed as plain text lines in fixed
// 12-character columns. Nothing here draws: the printing shell draws line r of a page at
// y = top + r x line height.

// One list row: its ten cell texts exactly as the list shows them (ID, AM/PM, Time,
// Melody/Voice, Selection, AC, CH1 .. CH4).
using ReportRow = std::array<std::string, 10>;

// Local date and time as the report prints them.
struct ReportTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0; // 1..31
    int hour = 0; // 0..23
    int minute = 0;
    int second = 0;
};

// Where the report takes the time from; asked once for every page.
using ReportClock = std::function<ReportTime()>;

// The computer's local time now.
ReportTime localReportTime();

namespace ScheduleReport {

constexpr int kEntriesPerPage = 55;
constexpr int kColumnWidth = 12;
constexpr int kColumns = 10;
// Line numbers on a page: the header takes 0..4, the table starts at 5.
constexpr int kHeaderLines = 5;
// A full page: header, heading, rule, empty line, 55 entries and 10 dashed rules.
constexpr int kMaxLinesPerPage = kHeaderLines + 3 + kEntriesPerPage + (kEntriesPerPage - 1) / 5;

// The column heading (111 characters), the "=" rule under it (116) and the dashed rule that
// goes before the 6th, 11th, ... entry of a page (4 blanks and 107 dashes).
const std::string &columnHeading();
const std::string &headingRule();
const std::string &dashedRule();

// Pages for N entries: N / 55 + 1 (an empty day prints one page; 55 entries print a second
// page without entries).
int pageCount(int entryCount);

// "DATE :  2005/3/7   14:5:9     Page #2" after 77 blanks: no leading zeros anywhere.
std::string dateLine(const ReportTime &time, int pageIndex);

// "  *****   Schedule of Exam day   ***** " for a day's name (UTF-8); empty for an empty name.
std::string titleLine(const std::string &dayName);
// The title of weekday 1..7, "  *****   Schedule of Monday   ***** "; empty for any other number.
std::string dayTitle(int shownDay);

// The cells in 12-character slots; a longer cell pushes the next one right, nothing is cut.
// An empty ID cell gives an empty line.
std::string entryLine(const ReportRow &row);

// Lines 0..4 of a page: date line, empty, title, empty, empty; the title names the day.
std::vector<std::string> pageHeader(const ReportTime &time, int pageIndex, const std::string &dayName);
std::vector<std::string> pageHeader(const ReportTime &time, int pageIndex, int shownDay);

// Lines 5.. of a page: heading, "=" rule, empty line, then the page's entries (rows
// 55 x pageIndex .. 55 x pageIndex + 54) with the dashed rules between groups of five.
std::vector<std::string> pageTable(const std::vector<ReportRow> &rows, int pageIndex);

// A whole page, line r at index r, of the day named dayName or of weekday shownDay.
std::vector<std::string> page(const std::vector<ReportRow> &rows, const std::string &dayName, int pageIndex,
                              const ReportTime &time);
std::vector<std::string> page(const std::vector<ReportRow> &rows, int shownDay, int pageIndex, const ReportTime &time);

} // namespace ScheduleReport
