#include "schedule/ScheduleCsv.h"

#include "schedule/CsvRecords.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <memory>
#include <optional>

const std::vector<std::string> kScheduleCsvColumns = {"day", "id",  "time", "melody_voice", "selection",
                                                      "ac",  "ch1", "ch2",  "ch3",          "ch4"};

namespace {

enum Column { kDay, kId, kTime, kMelodyVoice, kSelection, kAc, kCh1, kCh2, kCh3, kCh4, kColumnCount };

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

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

constexpr char kVerbatimMark = '\'';

bool startsLikeAFormula(std::string_view text)
{
    return !text.empty() && std::string_view("=+-@\t\r'").find(text.front()) != std::string_view::npos;
}

std::string verbatim(std::string_view text)
{
    return kVerbatimMark + std::string(text);
}

// "H:MM" or "HH:MM", 00:00 to 23:59, blanks around it allowed.
std::optional<std::string> parseTime(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() - colon - 1 != 2)
        return std::nullopt;
    const std::string_view hours = text.substr(0, colon);
    const std::string_view minutes = text.substr(colon + 1);
    if (!allDigits(hours) || !allDigits(minutes))
        return std::nullopt;
    const int hour = readNumber(hours);
    const int minute = readNumber(minutes);
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return storedTime(hour, minute);
}

// Why a field's text cannot be stored, or empty when it can.
std::string fieldProblem(int column, const std::string &text)
{
    switch (column) {
    case kMelodyVoice:
        if (text != "Melody" && text != "Voice" && text != " " && !text.empty())
            return "melody_voice " + quoted(text) + " is not \"Melody\", \"Voice\" or empty";
        break;
    case kSelection:
        if (!text.empty() && (!allDigits(text) || text.size() > 2 || readNumber(text) > 15))
            return "selection " + quoted(text) + " is not a number from 0 to 15";
        break;
    case kAc:
        if (text != "ON" && text != "OFF" && !text.empty())
            return "ac " + quoted(text) + " is not \"ON\", \"OFF\" or empty";
        break;
    case kCh1:
    case kCh2:
    case kCh3:
    case kCh4:
        if (text != "1" && text != "0" && !text.empty())
            return kScheduleCsvColumns[column] + " " + quoted(text) + " is not \"1\" or \"0\"";
        break;
    default:
        break;
    }
    return {};
}

// The CSV field of a stored text in column `column`: as it is when import takes it back so,
// else in the verbatim form.
std::string writtenField(int column, const std::string &text)
{
    if (column == kTime) {
        const std::string time = timeOfDayText(text);
        return !time.empty() || text.empty() ? time : verbatim(text);
    }
    if (startsLikeAFormula(text) || !fieldProblem(column, text).empty())
        return verbatim(text);
    return text;
}

} // namespace

std::string scheduleCsv(const WeeklySchedule &week, int onlyDay, std::vector<ScheduleCsvError> &problems)
{
    std::string text = csvLine(kScheduleCsvColumns);
    int line = 1;
    for (int d = kMonday; d <= kSunday; ++d) {
        if (isWeekday(onlyDay) && d != onlyDay)
            continue;
        const DaySchedule &day = week.day(d);
        for (int p = 1; p <= day.count(); ++p) {
            ++line;
            const ScheduleEntry &e = day.entry(p);
            std::vector<std::string> fields = {std::string(weekdayName(d)), std::to_string(p)};
            for (int f = 0; f < ScheduleEntry::kFieldCount; ++f) {
                std::string stored = e.field(f);
                if (const std::string problem = textEncodingProblem(stored); !problem.empty()) {
                    problems.push_back({line,
                                        std::string(weekdayName(d)) + " id " + std::to_string(p) + ": "
                                            + kScheduleCsvColumns[kTime + f] + " " + problem
                                            + ", written without those bytes"});
                    stored = withEncodingRepaired(stored);
                }
                fields.push_back(writtenField(kTime + f, stored));
            }
            text += csvLine(fields);
        }
    }
    return text;
}

std::string scheduleCsv(const WeeklySchedule &week, int onlyDay)
{
    std::vector<ScheduleCsvError> problems;
    return scheduleCsv(week, onlyDay, problems);
}

namespace {

// Reads the header into fieldOf (column -> field index); false after listing what is wrong.
bool readHeader(const CsvRecord &header, std::array<int, kColumnCount> &fieldOf, std::vector<ScheduleCsvError> &errors)
{
    const size_t errorsBefore = errors.size();
    fieldOf.fill(-1);
    for (size_t f = 0; f < header.fields.size(); ++f) {
        const std::string name = lowerTrimmed(header.fields[f]);
        const auto known = std::find(kScheduleCsvColumns.begin(), kScheduleCsvColumns.end(), name);
        if (known == kScheduleCsvColumns.end()) {
            errors.push_back({header.line, "unknown column " + quoted(header.fields[f])});
            continue;
        }
        int &slot = fieldOf[known - kScheduleCsvColumns.begin()];
        if (slot >= 0)
            errors.push_back({header.line, "column " + quoted(name) + " given twice"});
        slot = int(f);
    }
    for (int c = 0; c < kColumnCount; ++c) {
        if (fieldOf[c] < 0)
            errors.push_back({header.line, "column " + quoted(kScheduleCsvColumns[c]) + " missing"});
    }
    return errors.size() == errorsBefore;
}

// The stored text of an entry field, or the problems that keep it out.
std::string storedField(int column, const std::string &text, std::vector<std::string> &problems)
{
    if (const std::string problem = textEncodingProblem(text); !problem.empty()) {
        problems.push_back(kScheduleCsvColumns[column] + " " + problem);
        return {};
    }
    if (!text.empty() && text.front() == kVerbatimMark)
        return text.substr(1);
    if (column == kTime) {
        if (text.empty()) // a position the file left without an entry
            return {};
        if (const auto time = parseTime(text))
            return *time;
        problems.push_back("time " + quoted(text) + " is not HH:MM from 00:00 to 23:59");
        return {};
    }
    if (const std::string problem = fieldProblem(column, text); !problem.empty())
        problems.push_back(problem);
    return text;
}

} // namespace

bool readScheduleCsv(std::string_view text, WeeklySchedule &week, std::vector<ScheduleCsvError> &errors)
{
    if (text.size() > kScheduleCsvSizeLimit) {
        errors.push_back({0,
                          "larger than " + std::to_string(kScheduleCsvSizeLimit / (1024 * 1024))
                              + " MB, far more than a week's schedule; nothing read"});
        return false;
    }
    const size_t errorsBefore = errors.size();
    const auto full = [&] { return errors.size() - errorsBefore >= kScheduleCsvErrorLimit; };
    CsvReader reader(text);
    CsvRecord header;
    if (!reader.next(header)) {
        errors.push_back(reader.failed() ? ScheduleCsvError{reader.error().line, reader.error().message}
                                         : ScheduleCsvError{1, "no header line"});
        return false;
    }
    std::array<int, kColumnCount> fieldOf;
    if (!readHeader(header, fieldOf, errors))
        return false;

    auto read = std::make_unique<WeeklySchedule>();
    std::map<std::pair<int, int>, int> lineOfId; // (day, id) -> line
    CsvRecord record;
    while (!full() && reader.next(record)) {
        if (record.fields.size() != header.fields.size()) {
            errors.push_back({record.line,
                              std::to_string(record.fields.size()) + " fields, the header has "
                                  + std::to_string(header.fields.size())});
            continue;
        }
        auto field = [&](int column) -> const std::string & { return record.fields[fieldOf[column]]; };
        std::vector<std::string> problems;

        const int day = weekdayFromName(lowerTrimmed(field(kDay)));
        if (day == 0)
            problems.push_back("unknown weekday " + quoted(field(kDay)));

        int id = 0;
        const std::string idText = lowerTrimmed(field(kId));
        if (!allDigits(idText) || idText.size() > 5 || readNumber(idText) < 1
            || readNumber(idText) > DaySchedule::kCapacity)
            problems.push_back("id " + quoted(field(kId)) + " is not a number from 1 to "
                               + std::to_string(DaySchedule::kCapacity));
        else
            id = readNumber(idText);
        if (day != 0 && id != 0) {
            const auto [it, added] = lineOfId.emplace(std::make_pair(day, id), record.line);
            if (!added)
                problems.push_back(std::string(weekdayName(day)) + " id " + std::to_string(id)
                                   + " already given on line " + std::to_string(it->second));
        }

        ScheduleEntry entry;
        for (int c = kTime; c <= kCh4; ++c)
            entry.field(c - kTime) = storedField(c, field(c), problems);

        if (!problems.empty()) {
            std::string message = problems.front();
            for (size_t p = 1; p < problems.size(); ++p)
                message += "; " + problems[p];
            errors.push_back({record.line, message});
            continue;
        }
        DaySchedule &target = read->day(day);
        target.setEntry(id, entry);
        target.setCount(std::max(target.count(), id));
    }

    // Ids must run 1..n: a missing one is reported on the row of the next id that is given.
    int expectedDay = 0, expectedId = 1;
    for (const auto &[key, line] : lineOfId) {
        if (full())
            break;
        if (key.first != expectedDay) {
            expectedDay = key.first;
            expectedId = 1;
        }
        if (key.second != expectedId) {
            errors.push_back({line,
                              std::string(weekdayName(key.first)) + " id " + std::to_string(key.second)
                                  + " but no row gives id " + std::to_string(expectedId)});
        }
        expectedId = key.second + 1;
    }
    if (reader.failed())
        errors.push_back({reader.error().line, reader.error().message});
    if (errors.size() > errorsBefore) {
        std::stable_sort(errors.begin() + long(errorsBefore), errors.end(),
                         [](const ScheduleCsvError &a, const ScheduleCsvError &b) { return a.line < b.line; });
        if (full())
            errors.push_back(
                {errors.back().line, "stopped after " + std::to_string(kScheduleCsvErrorLimit) + " errors"});
        return false;
    }
    read->setShownDay(kMonday);
    read->LoadWorkingDay();
    week.copyFrom(*read);
    return true;
}
