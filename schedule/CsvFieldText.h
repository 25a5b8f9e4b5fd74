#pragma once

#include <string>
#include <string_view>
#include <vector>

// How the schedule's CSV writes and reads a text field. A field that starts with an apostrophe
// is the rest of it exactly as stored; texts that a spreadsheet would take as a formula (they
// start with =, +, -, @, a tab, a CR or an apostrophe) are written so.
namespace CsvFieldText {

constexpr char kVerbatimMark = '\'';

std::string lowerTrimmed(std::string_view text);
// The text in double quotes, for messages.
std::string quoted(std::string_view text);
bool allDigits(std::string_view text);

bool startsLikeAFormula(std::string_view text);
std::string verbatim(std::string_view text);

// A free text (a name, a note) as written: verbatim when it starts like a formula. Bytes that
// are not UTF-8, and NUL bytes, are left out and "COLUMN holds ..." is added to problems.
std::string written(std::string_view text, const std::string &column, std::vector<std::string> &problems);

// The stored text of a free-text field: the verbatim mark taken off. A field with a NUL byte,
// bytes that are not UTF-8 or a control character adds "COLUMN holds ..." to problems.
std::string read(const std::string &field, const std::string &column, std::vector<std::string> &problems);

// The problems of one row as one message, joined by "; " (or another separator).
std::string joined(const std::vector<std::string> &problems, std::string_view separator = "; ");

} // namespace CsvFieldText
