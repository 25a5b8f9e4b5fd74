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

const std::vector<std::string> kScheduleCsvColumns = {
    "day", "id", "time", "melody_voice", "selection", "ac", "ch1", "ch2", "ch3", "ch4"};

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

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

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

struct Row {
    int line = 0;
    int day = 0;
    int id = 0;
    ScheduleEntry entry;
};

} // namespace

std::string scheduleCsv(const WeeklySchedule &week, int onlyDay)
{
    std::string text = csvLine(kScheduleCsvColumns);
    for (int d = kMonday; d <= kSunday; ++d) {
        if (isWeekday(onlyDay) && d != onlyDay)
            continue;
        const DaySchedule &day = week.day(d);
        for (int p = 1; p <= day.count(); ++p) {
            const ScheduleEntry &e = day.entry(p);
            text += csvLine({std::string(weekdayName(d)), std::to_string(p), timeOfDayText(e.Time), e.MelodyVoice,
                             e.Selection, e.AC, e.CH1, e.CH2, e.CH3, e.CH4});
        }
    }
    return text;
}

bool readScheduleCsv(std::string_view text, WeeklySchedule &week, std::vector<ScheduleCsvError> &errors)
{
    const size_t errorsBefore = errors.size();
    std::vector<CsvRecord> records;
    CsvSyntaxError syntax;
    const bool wellFormed = parseCsv(text, records, syntax);
    if (records.empty()) {
        errors.push_back(wellFormed ? ScheduleCsvError{1, "no header line"} : ScheduleCsvError{syntax.line, syntax.message});
        return false;
    }

    // The header maps each column to its field index.
    const CsvRecord &header = records.front();
    std::array<int, kColumnCount> fieldOf;
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
    if (errors.size() > errorsBefore)
        return false;

    std::vector<Row> rows;
    std::map<std::pair<int, int>, int> lineOfId; // (day, id) -> line
    for (size_t r = 1; r < records.size(); ++r) {
        const CsvRecord &record = records[r];
        if (record.fields.size() != header.fields.size()) {
            errors.push_back({record.line, std::to_string(record.fields.size()) + " fields, the header has "
                                               + std::to_string(header.fields.size())});
            continue;
        }
        auto field = [&](int column) -> const std::string & { return record.fields[fieldOf[column]]; };
        Row row;
        row.line = record.line;
        std::vector<std::string> problems;

        row.day = weekdayFromName(lowerTrimmed(field(kDay)));
        if (row.day == 0)
            problems.push_back("unknown weekday " + quoted(field(kDay)));

        const std::string idText = lowerTrimmed(field(kId));
        if (!allDigits(idText) || idText.size() > 5 || readNumber(idText) < 1 || readNumber(idText) > DaySchedule::kCapacity)
            problems.push_back("id " + quoted(field(kId)) + " is not a number from 1 to " + std::to_string(DaySchedule::kCapacity));
        else
            row.id = readNumber(idText);
        if (row.day != 0 && row.id != 0) {
            const auto [it, added] = lineOfId.emplace(std::make_pair(row.day, row.id), row.line);
            if (!added)
                problems.push_back(std::string(weekdayName(row.day)) + " id " + std::to_string(row.id)
                                   + " already given on line " + std::to_string(it->second));
        }

        if (const auto time = parseTime(field(kTime)))
            row.entry.Time = *time;
        else
            problems.push_back("time " + quoted(field(kTime)) + " is not HH:MM from 00:00 to 23:59");

        for (int c = kMelodyVoice; c <= kCh4; ++c) {
            const std::string problem = fieldProblem(c, field(c));
            if (!problem.empty())
                problems.push_back(problem);
            row.entry.field(c - kMelodyVoice + 1) = field(c);
        }

        if (!problems.empty()) {
            std::string message = problems.front();
            for (size_t p = 1; p < problems.size(); ++p)
                message += "; " + problems[p];
            errors.push_back({row.line, message});
            continue;
        }
        rows.push_back(std::move(row));
    }

    // Ids must run 1..n: a missing one is reported on the row of the next id that is given.
    int expectedDay = 0, expectedId = 1;
    for (const auto &[key, line] : lineOfId) {
        if (key.first != expectedDay) {
            expectedDay = key.first;
            expectedId = 1;
        }
        if (key.second != expectedId) {
            errors.push_back({line, std::string(weekdayName(key.first)) + " id " + std::to_string(key.second)
                                        + " but no row gives id " + std::to_string(expectedId)});
        }
        expectedId = key.second + 1;
    }
    if (!wellFormed)
        errors.push_back({syntax.line, syntax.message});
    if (errors.size() > errorsBefore) {
        std::stable_sort(errors.begin() + long(errorsBefore), errors.end(),
                         [](const ScheduleCsvError &a, const ScheduleCsvError &b) { return a.line < b.line; });
        return false;
    }
    auto read = std::make_unique<WeeklySchedule>();
    for (const Row &row : rows) {
        DaySchedule &day = read->day(row.day);
        day.setEntry(row.id, row.entry);
        day.setCount(std::max(day.count(), row.id));
    }
    read->setShownDay(kMonday);
    read->LoadWorkingDay();
    week.copyFrom(*read);
    return true;
}
