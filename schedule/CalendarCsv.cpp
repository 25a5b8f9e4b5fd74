#include "schedule/CalendarCsv.h"

#include "schedule/CsvFieldText.h"
#include "schedule/ScheduleFileFormat.h"

#include <algorithm>

namespace CalendarCsv {

const std::vector<std::string> kColumns = {"first", "last", "program", "note"};

namespace {

using CsvFieldText::quoted;

std::string dateText(const QDate &date)
{
    return date.toString(Qt::ISODate).toStdString();
}

// YYYY-MM-DD, blanks around it allowed; invalid otherwise.
QDate parseDate(const std::string &field)
{
    const std::string text = CsvFieldText::lowerTrimmed(field);
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !CsvFieldText::allDigits(text.substr(0, 4))
        || !CsvFieldText::allDigits(text.substr(5, 2)) || !CsvFieldText::allDigits(text.substr(8, 2)))
        return {};
    return QDate::fromString(QString::fromLatin1(text.data(), qsizetype(text.size())), QStringLiteral("yyyy-MM-dd"));
}

} // namespace

std::string written(const ProgramCalendar &special, int &lastLine, std::vector<ScheduleCsvError> &problems)
{
    std::string text;
    for (const CalendarEntry &entry : special.calendar) {
        const DayProgram *program = special.program(entry.program);
        if (!program)
            continue;
        if (text.empty()) {
            text = "\r\n" + csvLine(kColumns);
            lastLine += 2;
        }
        ++lastLine;
        std::vector<std::string> rowProblems;
        const std::string name = CsvFieldText::written(program->name.toStdString(), "program", rowProblems);
        const std::string note = CsvFieldText::written(entry.note.toStdString(), "note", rowProblems);
        for (const std::string &problem : rowProblems)
            problems.push_back(
                {lastLine, "calendar " + dateText(entry.first) + ": " + problem + ", written without those bytes"});
        text += csvLine({dateText(entry.first), dateText(entry.last), name, note});
    }
    return text;
}

bool isHeader(const CsvRecord &record)
{
    if (record.fields.size() != kColumns.size())
        return false;
    std::vector<std::string> names;
    for (const std::string &field : record.fields)
        names.push_back(CsvFieldText::lowerTrimmed(field));
    return std::is_permutation(names.begin(), names.end(), kColumns.begin());
}

Reader::Reader(const CsvRecord &header)
{
    for (size_t f = 0; f < header.fields.size(); ++f) {
        const auto known = std::find(kColumns.begin(), kColumns.end(), CsvFieldText::lowerTrimmed(header.fields[f]));
        if (known != kColumns.end())
            m_fieldOf[size_t(known - kColumns.begin())] = f;
    }
}

bool Reader::read(const CsvRecord &record, ProgramCalendar &special, std::vector<ScheduleCsvError> &errors) const
{
    if (record.fields.size() != kColumns.size()) {
        errors.push_back({record.line,
                          std::to_string(record.fields.size()) + " fields, the calendar header has "
                              + std::to_string(kColumns.size())});
        return false;
    }
    auto field = [&](Column column) -> const std::string & { return record.fields[m_fieldOf[column]]; };
    std::vector<std::string> problems;

    CalendarEntry entry;
    entry.first = parseDate(field(kFirst));
    if (!entry.first.isValid())
        problems.push_back("first " + quoted(field(kFirst)) + " is not a date YYYY-MM-DD");
    entry.last = CsvFieldText::lowerTrimmed(field(kLast)).empty() ? entry.first : parseDate(field(kLast));
    if (!entry.last.isValid() && !CsvFieldText::lowerTrimmed(field(kLast)).empty())
        problems.push_back("last " + quoted(field(kLast)) + " is not a date YYYY-MM-DD");
    else if (entry.first.isValid() && entry.last < entry.first)
        problems.push_back("last " + dateText(entry.last) + " is before first " + dateText(entry.first));

    const std::string name = CsvFieldText::read(field(kProgram), "program", problems);
    if (const DayProgram *program = special.programNamed(QString::fromStdString(name)))
        entry.program = program->day;
    else
        problems.push_back("unknown program " + quoted(field(kProgram)));

    const std::string note = CsvFieldText::read(field(kNote), "note", problems);
    if (note.size() > size_t(ScheduleFileFormat::kMaxFieldBytes))
        problems.push_back("note longer than " + std::to_string(ScheduleFileFormat::kMaxFieldBytes) + " bytes");
    entry.note = QString::fromStdString(note);

    if (problems.empty() && special.calendar.size() >= size_t(ScheduleFileFormat::kMaxCalendarEntries))
        problems.push_back("more than " + std::to_string(ScheduleFileFormat::kMaxCalendarEntries)
                           + " calendar entries");
    if (!problems.empty()) {
        errors.push_back({record.line, "calendar: " + CsvFieldText::joined(problems)});
        return false;
    }
    special.calendar.push_back(entry);
    return true;
}

} // namespace CalendarCsv
