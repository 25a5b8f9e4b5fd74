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

// Reads records one at a time, so a large text never stands in memory as fields all at once.
// A leading UTF-8 byte order mark is skipped, and so are empty lines. A record of more than
// maxFields fields is an error, met before the fields stand in memory.
class CsvReader {
public:
    explicit CsvReader(std::string_view text, size_t maxFields = size_t(-1));

    // The next record; false at the end of the text or, with `failed()` and `error()` set, on a
    // quoted field that is never closed, a character after a closing quote or too many fields.
    bool next(CsvRecord &record);
    bool failed() const { return m_failed; }
    const CsvSyntaxError &error() const { return m_error; }

private:
    bool readQuoted(std::string &field);
    // True, with the error set, when the record holds as many fields as it may.
    bool fieldsFull(const CsvRecord &record);

    std::string_view m_text;
    size_t m_maxFields;
    size_t m_at = 0;
    int m_line = 1;
    bool m_failed = false;
    CsvSyntaxError m_error;
};

// All records of a text; false, with the line and cause, as CsvReader fails; records already
// read are kept in `records`.
bool parseCsv(std::string_view text, std::vector<CsvRecord> &records, CsvSyntaxError &error);

// Why a text cannot be taken as a field's text (it holds a NUL byte or is not UTF-8), or empty.
std::string textEncodingProblem(std::string_view text);

// The text without its NUL bytes and without the bytes that are not part of UTF-8 text.
std::string withEncodingRepaired(std::string_view text);

// The field as it is written: quoted when it must be, or when blanks at its edges would
// otherwise be trimmed by a spreadsheet.
std::string csvField(std::string_view text);

// The fields joined by commas and ended by CRLF.
std::string csvLine(const std::vector<std::string> &fields);
