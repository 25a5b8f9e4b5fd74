#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as RFC 4180 has it: fields separated by commas, records by line breaks
// (CRLF written, CRLF, LF or a lone CR read), a field that holds a comma, quote, line break or
// edge blanks enclosed in quotes with its quotes doubled.

struct CsvRecord {
    int line = 0; // line of the file on which the record starts, from 1
    std::vector<std::string> fields;
};

struct CsvSyntaxError {
    int line = 0;
    std::string message;
};

// Splits text into records. A leading UTF-8 byte order mark is skipped, and so are empty lines.
// Returns false, with the line and cause, on a quoted field that is never closed or a character
// after a closing quote; records already read are kept in `records`.
bool parseCsv(std::string_view text, std::vector<CsvRecord> &records, CsvSyntaxError &error);

// The field as it is written: quoted when it must be, or when blanks at its edges would
// otherwise be trimmed by a spreadsheet.
std::string csvField(std::string_view text);

// The fields joined by commas and ended by CRLF.
std::string csvLine(const std::vector<std::string> &fields);
