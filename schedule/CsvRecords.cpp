#include "schedule/CsvRecords.h"

namespace {

bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

// Steps over one line break (CRLF counts as one) at text[i]; returns the index after it.
size_t skipLineBreak(std::string_view text, size_t i)
{
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        return i + 2;
    return i + 1;
}

} // namespace

bool parseCsv(std::string_view text, std::vector<CsvRecord> &records, CsvSyntaxError &error)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        if (isLineBreak(text[i])) { // an empty line holds no record
            i = skipLineBreak(text, i);
            ++line;
            continue;
        }
        CsvRecord record;
        record.line = line;
        bool recordDone = false;
        while (!recordDone) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                const int quoteLine = line;
                ++i;
                bool closed = false;
                while (i < text.size()) {
                    const char c = text[i];
                    if (c == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (isLineBreak(c)) {
                        const size_t next = skipLineBreak(text, i);
                        field.append(text.substr(i, next - i));
                        i = next;
                        ++line;
                        continue;
                    }
                    field += c;
                    ++i;
                }
                if (!closed) {
                    error = {quoteLine, "a quoted field is not closed"};
                    return false;
                }
                if (i < text.size() && text[i] != ',' && !isLineBreak(text[i])) {
                    error = {line, "unexpected text after a closing quote"};
                    return false;
                }
            } else {
                while (i < text.size() && text[i] != ',' && !isLineBreak(text[i]))
                    field += text[i++];
            }
            record.fields.push_back(std::move(field));
            if (i < text.size() && text[i] == ',') {
                ++i;
            } else {
                recordDone = true;
                if (i < text.size()) {
                    i = skipLineBreak(text, i);
                    ++line;
                }
            }
        }
        records.push_back(std::move(record));
    }
    return true;
}

std::string csvField(std::string_view text)
{
    const bool edgeBlank = !text.empty() && (text.front() == ' ' || text.back() == ' ');
    if (!edgeBlank && text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csvLine(const std::vector<std::string> &fields)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += csvField(fields[i]);
    }
    line += "\r\n";
    return line;
}
