#include "schedule/CsvFieldText.h"

#include "schedule/ControlCharacters.h"
#include "schedule/CsvRecords.h"

#include <algorithm>
#include <cctype>

namespace CsvFieldText {

std::string lowerTrimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string lower(text);
    for (char &c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool startsLikeAFormula(std::string_view text)
{
    return !text.empty() && std::string_view("=+-@\t\r'").find(text.front()) != std::string_view::npos;
}

std::string verbatim(std::string_view text)
{
    return kVerbatimMark + std::string(text);
}

std::string written(std::string_view text, const std::string &column, std::vector<std::string> &problems)
{
    std::string stored(text);
    if (const std::string problem = textEncodingProblem(stored); !problem.empty()) {
        problems.push_back(column + " " + problem);
        stored = withEncodingRepaired(stored);
    }
    return startsLikeAFormula(stored) ? verbatim(stored) : stored;
}

std::string read(const std::string &field, const std::string &column, std::vector<std::string> &problems)
{
    if (const std::string problem = textEncodingProblem(field); !problem.empty()) {
        problems.push_back(column + " " + problem);
        return {};
    }
    if (holdsControlCharacter(field)) {
        problems.push_back(column + " holds a control character");
        return {};
    }
    return !field.empty() && field.front() == kVerbatimMark ? field.substr(1) : field;
}

std::string joined(const std::vector<std::string> &problems, std::string_view separator)
{
    std::string message;
    for (const std::string &p : problems) {
        if (!message.empty())
            message += separator;
        message += p;
    }
    return message;
}

} // namespace CsvFieldText
