#include "schedule/ScheduleCsv.h"

#include "schedule/CalendarCsv.h"
#include "schedule/ControlCharacters.h"
#include "schedule/CsvFieldText.h"
#include "schedule/CsvRecords.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/SoundsCsv.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>

const std::vector<std::string> kScheduleCsvColumns = {"day", "id",  "time", "melody_voice", "selection",
                                                      "ac",  "ch1", "ch2",  "ch3",          "ch4"};
const std::string kScheduleCsvProgramColumn = "program";
const std::string kScheduleCsvProgramDay = "program";

namespace {

using CsvFieldText::allDigits;
using CsvFieldText::kVerbatimMark;
using CsvFieldText::lowerTrimmed;
using CsvFieldText::quoted;
using CsvFieldText::startsLikeAFormula;
using CsvFieldText::verbatim;

// The entry columns, then the optional program column.
enum Column {
    kDay,
    kId,
    kTime,
    kMelodyVoice,
    kSelection,
    kAc,
    kCh1,
    kCh2,
    kCh3,
    kCh4,
    kColumnCount,
    kProgram = kColumnCount
};

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

// The rows of one day: weekday (its name) or program (named in the trailing column).
void writeDay(const WeeklySchedule &week, int dayNumber, const std::string &dayField, const std::string *program,
              std::string &text, int &line, std::vector<ScheduleCsvError> &problems)
{
    const DaySchedule &day = week.day(dayNumber);
    const std::string where = program ? "program " + quoted(*program) : std::string(weekdayName(dayNumber));
    for (int p = 1; p <= day.count(); ++p) {
        ++line;
        const ScheduleEntry &e = day.entry(p);
        std::vector<std::string> fields = {dayField, std::to_string(p)};
        for (int f = 0; f < ScheduleEntry::kFieldCount; ++f) {
            std::string stored = e.field(f);
            if (const std::string problem = textEncodingProblem(stored); !problem.empty()) {
                problems.push_back({line,
                                    where + " id " + std::to_string(p) + ": " + kScheduleCsvColumns[kTime + f] + " "
                                        + problem + ", written without those bytes"});
                stored = withEncodingRepaired(stored);
            }
            fields.push_back(writtenField(kTime + f, stored));
        }
        if (program)
            fields.push_back(*program);
        text += csvLine(fields);
    }
}

} // namespace

std::string scheduleCsv(const WeeklySchedule &week, int onlyDay, std::vector<ScheduleCsvError> &problems)
{
    const ProgramCalendar &special = week.programCalendar();
    const bool wholeWeek = !isWeekday(onlyDay);
    const bool withPrograms = wholeWeek
        && std::any_of(special.programs.begin(), special.programs.end(),
                       [](const DayProgram &p) { return p.day != kNoBellsDay; });
    std::vector<std::string> header = kScheduleCsvColumns;
    if (withPrograms)
        header.push_back(kScheduleCsvProgramColumn);
    std::string text = csvLine(header);
    int line = 1;
    const std::string none;
    for (int d = kMonday; d <= kSunday; ++d) {
        if (wholeWeek || d == onlyDay)
            writeDay(week, d, std::string(weekdayName(d)), withPrograms ? &none : nullptr, text, line, problems);
    }
    if (withPrograms) {
        for (const DayProgram &p : special.programs) {
            if (p.day == kNoBellsDay)
                continue;
            std::vector<std::string> nameProblems;
            const std::string name = CsvFieldText::written(p.name.toStdString(), "program", nameProblems);
            for (const std::string &problem : nameProblems)
                problems.push_back({line + 1, problem + ", written without those bytes"});
            if (week.day(p.day).count() == 0) {
                // A program without entries is one row that names it.
                std::vector<std::string> fields(kColumnCount + 1);
                fields[kDay] = kScheduleCsvProgramDay;
                fields[kProgram] = name;
                text += csvLine(fields);
                ++line;
            }
            writeDay(week, p.day, kScheduleCsvProgramDay, &name, text, line, problems);
        }
    }
    if (wholeWeek) {
        text += CalendarCsv::written(special, line, problems);
        text += SoundsCsv::written(week.soundNames(), line, problems);
    }
    return text;
}

std::string scheduleCsv(const WeeklySchedule &week, int onlyDay)
{
    std::vector<ScheduleCsvError> problems;
    return scheduleCsv(week, onlyDay, problems);
}

namespace {

// Reads the header into fieldOf (column -> field index; the program column -1 when absent);
// false after adding one error for the first thing wrong with it. However long a header is,
// it gives one message: it is the line every row is read by.
bool readHeader(const CsvRecord &header, std::array<int, kColumnCount + 1> &fieldOf,
                std::vector<ScheduleCsvError> &errors)
{
    fieldOf.fill(-1);
    for (size_t f = 0; f < header.fields.size(); ++f) {
        const std::string name = lowerTrimmed(header.fields[f]);
        const auto known = std::find(kScheduleCsvColumns.begin(), kScheduleCsvColumns.end(), name);
        if (known == kScheduleCsvColumns.end() && name != kScheduleCsvProgramColumn) {
            errors.push_back({header.line,
                              "header: unknown column " + quoted(header.fields[f]) + " (field " + std::to_string(f + 1)
                                  + "); nothing read"});
            return false;
        }
        int &slot = fieldOf[known == kScheduleCsvColumns.end() ? size_t(kProgram)
                                                               : size_t(known - kScheduleCsvColumns.begin())];
        if (slot >= 0) {
            errors.push_back({header.line, "header: column " + quoted(name) + " given twice; nothing read"});
            return false;
        }
        slot = int(f);
    }
    std::vector<std::string> missing;
    for (int c = 0; c < kColumnCount; ++c) {
        if (fieldOf[c] < 0)
            missing.push_back(quoted(kScheduleCsvColumns[c]));
    }
    if (!missing.empty()) {
        errors.push_back({header.line, "header: " + CsvFieldText::joined(missing, ", ") + " missing; nothing read"});
        return false;
    }
    return true;
}

// The stored text of an entry field, or the problems that keep it out.
std::string storedField(int column, const std::string &text, std::vector<std::string> &problems)
{
    if (const std::string problem = textEncodingProblem(text); !problem.empty()) {
        problems.push_back(kScheduleCsvColumns[column] + " " + problem);
        return {};
    }
    if (holdsControlCharacter(text)) {
        problems.push_back(kScheduleCsvColumns[column] + " holds a control character");
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

// The program a program row names, added when new; 0 after adding to problems why none.
int programOfRow(const std::string &field, ProgramCalendar &special, std::vector<std::string> &problems)
{
    const std::string name = CsvFieldText::read(field, "program", problems);
    const QString shown = QString::fromStdString(name);
    if (shown.trimmed().isEmpty()) {
        problems.push_back("a program row without a program name");
        return 0;
    }
    if (name.size() > size_t(ScheduleFileFormat::kMaxFieldBytes)) {
        problems.push_back("program name longer than " + std::to_string(ScheduleFileFormat::kMaxFieldBytes) + " bytes");
        return 0;
    }
    if (const DayProgram *known = special.programNamed(shown))
        return known->day;
    if (special.programs.size() > size_t(ScheduleFileFormat::kMaxDayPrograms)) {
        problems.push_back("more than " + std::to_string(ScheduleFileFormat::kMaxDayPrograms) + " programs");
        return 0;
    }
    const int day = special.nextProgramDay();
    special.programs.push_back({day, shown});
    return day;
}

std::string dayName(const ProgramCalendar &special, int day)
{
    if (isWeekday(day))
        return std::string(weekdayName(day));
    const DayProgram *program = special.program(day);
    return "program " + quoted(program ? program->name.toStdString() : std::string());
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
    // A row of the schedule has eleven fields at most, a calendar row four.
    constexpr size_t kMaxFields = 64;
    CsvReader reader(text, kMaxFields);
    CsvRecord header;
    if (!reader.next(header)) {
        errors.push_back(reader.failed() ? ScheduleCsvError{reader.error().line, reader.error().message}
                                         : ScheduleCsvError{1, "no header line"});
        return false;
    }
    std::array<int, kColumnCount + 1> fieldOf;
    if (!readHeader(header, fieldOf, errors))
        return false;

    auto read = std::make_unique<WeeklySchedule>();
    ProgramCalendar special;
    std::optional<CalendarCsv::Reader> calendar;
    SoundNames names;
    std::optional<SoundsCsv::Reader> sounds;
    std::map<std::pair<int, int>, int> lineOfId; // (day, id) -> line
    CsvRecord record;
    while (!full() && reader.next(record)) {
        if (SoundsCsv::isHeader(record)) {
            if (sounds)
                errors.push_back({record.line, "a second sound header"});
            sounds.emplace(record);
            continue;
        }
        if (CalendarCsv::isHeader(record)) {
            if (calendar)
                errors.push_back({record.line, "a second calendar header"});
            if (sounds)
                errors.push_back({record.line, "the calendar after the sounds"});
            calendar.emplace(record);
            continue;
        }
        if (sounds) {
            sounds->read(record, names, errors);
            continue;
        }
        if (calendar) {
            calendar->read(record, special, errors);
            continue;
        }
        if (record.fields.size() != header.fields.size()) {
            errors.push_back({record.line,
                              std::to_string(record.fields.size()) + " fields, the header has "
                                  + std::to_string(header.fields.size())});
            continue;
        }
        auto field = [&](int column) -> const std::string & { return record.fields[size_t(fieldOf[column])]; };
        std::vector<std::string> problems;

        int day = 0;
        const std::string dayText = lowerTrimmed(field(kDay));
        if (dayText == kScheduleCsvProgramDay) {
            if (fieldOf[kProgram] < 0)
                problems.push_back("a program row, and the header has no program column");
            else
                day = programOfRow(field(kProgram), special, problems);
        } else {
            day = weekdayFromName(dayText);
            if (day == 0)
                problems.push_back("unknown weekday " + quoted(field(kDay)));
            if (fieldOf[kProgram] >= 0 && !lowerTrimmed(field(kProgram)).empty())
                problems.push_back("a weekday row names the program " + quoted(field(kProgram)));
        }

        // A program's row with no id and no fields names the program and gives it no entry.
        if (dayText == kScheduleCsvProgramDay
            && std::all_of(fieldOf.begin() + kId, fieldOf.begin() + kColumnCount,
                           [&](int f) { return record.fields[size_t(f)].empty(); })) {
            if (!problems.empty())
                errors.push_back({record.line, CsvFieldText::joined(problems)});
            continue;
        }
        if (day == kNoBellsDay) {
            problems.push_back("\"No bells\" has no entries");
            day = 0;
        }

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
                problems.push_back(dayName(special, day) + " id " + std::to_string(id) + " already given on line "
                                   + std::to_string(it->second));
        }

        ScheduleEntry entry;
        for (int c = kTime; c <= kCh4; ++c)
            entry.field(c - kTime) = storedField(c, field(c), problems);

        if (!problems.empty()) {
            errors.push_back({record.line, CsvFieldText::joined(problems)});
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
                              dayName(special, key.first) + " id " + std::to_string(key.second)
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
    read->setProgramCalendar(special);
    read->setSoundNames(names);
    read->setShownDay(kMonday);
    read->LoadWorkingDay();
    week.copyFrom(*read);
    return true;
}
