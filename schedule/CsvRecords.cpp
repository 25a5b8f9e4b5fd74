#include "schedule/CsvRecords.h"

#include <algorithm>
#include <string>

namespace {

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// Steps over one line break (CRLF counts as one) at text[i]; returns the index after it.
size_t skipLineBreak(std::string_view text, size_t i)
{
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        return i + 2;
    return i + 1;
}

} // namespace

CsvReader::CsvReader(std::string_view text, size_t maxFields)
    : m_text(text)
    , m_maxFields(maxFields)
{
    if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
        m_text.remove_prefix(3);
}

bool CsvReader::readQuoted(std::string &field)
{
    const int quoteLine = m_line;
    ++m_at;
    while (m_at < m_text.size()) {
        const char c = m_text[m_at];
        if (c == '"') {
            if (m_at + 1 < m_text.size() && m_text[m_at + 1] == '"') {
                field += '"';
                m_at += 2;
                continue;
            }
            ++m_at;
            if (m_at < m_text.size() && m_text[m_at] != ',' && !isLineBreak(m_text[m_at])) {
                m_error = {m_line, "unexpected text after a closing quote"};
                return false;
            }
            return true;
        }
        if (isLineBreak(c)) {
            const size_t next = skipLineBreak(m_text, m_at);
            field.append(m_text.substr(m_at, next - m_at));
            m_at = next;
            ++m_line;
            continue;
        }
        field += c;
        ++m_at;
    }
    m_error = {quoteLine, "a quoted field is not closed"};
    return false;
}

bool CsvReader::fieldsFull(const CsvRecord &record)
{
    if (record.fields.size() < m_maxFields)
        return false;
    m_error = {record.line, "more than " + std::to_string(m_maxFields) + " fields on one line"};
    m_failed = true;
    return true;
}

bool CsvReader::next(CsvRecord &record)
{
    if (m_failed)
        return false;
    while (m_at < m_text.size() && isLineBreak(m_text[m_at])) { // an empty line holds no record
        m_at = skipLineBreak(m_text, m_at);
        ++m_line;
    }
    if (m_at >= m_text.size())
        return false;
    record.line = m_line;
    record.fields.clear();
    for (;;) {
        if (fieldsFull(record))
            return false;
        std::string field;
        if (m_text[m_at] == '"') {
            if (!readQuoted(field)) {
                m_failed = true;
                return false;
            }
        } else {
            const size_t end = std::min(m_text.find_first_of(",\r\n", m_at), m_text.size());
            field.assign(m_text.substr(m_at, end - m_at));
            m_at = end;
        }
        record.fields.push_back(std::move(field));
        if (m_at < m_text.size() && m_text[m_at] == ',') {
            ++m_at;
            if (m_at < m_text.size())
                continue;
            if (fieldsFull(record))
                return false;
            record.fields.emplace_back();
        } else if (m_at < m_text.size()) {
            m_at = skipLineBreak(m_text, m_at);
            ++m_line;
        }
        return true;
    }
}

bool parseCsv(std::string_view text, std::vector<CsvRecord> &records, CsvSyntaxError &error)
{
    CsvReader reader(text);
    CsvRecord record;
    while (reader.next(record))
        records.push_back(std::move(record));
    if (reader.failed())
        error = reader.error();
    return !reader.failed();
}

namespace {

// Length of the UTF-8 sequence at text[i], or 0 when none starts there (overlong forms,
// surrogates and code points past U+10FFFF included).
size_t utf8Length(std::string_view text, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    if (b < 0x80)
        return b == 0 ? 0 : 1;
    size_t n;
    unsigned char low = 0x80, high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0)
            low = 0xA0;
        if (b == 0xED)
            high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0)
            low = 0x90;
        if (b == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + n > text.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (size_t k = 2; k < n; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return n;
}

} // namespace

std::string textEncodingProblem(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return "holds a NUL byte";
    for (size_t i = 0; i < text.size();) {
        const size_t n = utf8Length(text, i);
        if (n == 0)
            return "is not UTF-8 text";
        i += n;
    }
    return {};
}

std::string withEncodingRepaired(std::string_view text)
{
    std::string repaired;
    for (size_t i = 0; i < text.size();) {
        const size_t n = utf8Length(text, i);
        if (n > 0)
            repaired.append(text.substr(i, n));
        i += std::max<size_t>(n, 1);
    }
    return repaired;
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
