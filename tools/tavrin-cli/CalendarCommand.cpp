#include "CalendarCommand.h"

#include "calendar/IcsRefusalText.h"
#include "calendar/ImportMerge.h"
#include "CliCommand.h"
#include "CliOutput.h"
#include "document/commands/CalendarCommands.h"
#include "document/CTavrinDoc.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/WeeklySchedule.h"
#include "ScheduleFileAccess.h"

#include <QFile>
#include <QStringList>

namespace {

const ListPlace kMonday{1, {}, -1, -1};

QString programName(const ProgramCalendar &special, int day)
{
    const DayProgram *program = special.program(day);
    return program ? program->name : QStringLiteral("(deleted program)");
}

bool print(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toUtf8() + '\n';
    return writeOut(out);
}

// "N FIRST LAST PROGRAM NOTE", numbered from 1 in the calendar's order (a later entry wins).
int list(const CTavrinDoc &doc)
{
    const ProgramCalendar &special = doc.week().programCalendar();
    QStringList lines;
    int n = 0;
    for (const CalendarEntry &e : special.calendar) {
        QString line =
            QStringLiteral("%1 %2 %3 %4")
                .arg(++n)
                .arg(e.first.toString(Qt::ISODate), e.last.toString(Qt::ISODate), programName(special, e.program));
        if (!e.note.isEmpty())
            line += QLatin1Char(' ') + e.note;
        lines << line;
    }
    return print(lines) ? kExitOk : kExitFailure;
}

// The program named, "No bells" when none is; 0 (told) when there is no such program.
int programOf(const CTavrinDoc &doc, const QString &name)
{
    if (name.isEmpty())
        return kNoBellsDay;
    const DayProgram *program = doc.week().programCalendar().programNamed(name);
    if (!program)
        sayError(QStringLiteral("no day program named \"%1\"").arg(name));
    return program ? program->day : 0;
}

int add(CTavrinDoc &doc, const CliCommand &command)
{
    const int program = programOf(doc, command.program);
    if (program == 0)
        return kExitFailure;
    const CalendarEntry entry{command.first, command.lastDate, program, command.note};
    ProgramCalendar special = doc.week().programCalendar();
    special.calendar.push_back(entry);
    if (const auto fault = checkCalendarEntry(special, entry)) {
        sayError(*fault == ProgramCalendarFault::LastBeforeFirst ? QStringLiteral("--last is before --first")
                     : *fault == ProgramCalendarFault::ControlCharacter
                     ? QStringLiteral("--note cannot hold control characters")
                     : QStringLiteral("the calendar is full"));
        return kExitFailure;
    }
    doc.perform(std::make_unique<AddCalendarEntry>(doc, entry, kMonday));
    return saveDocumentOrSay(doc, command.file) ? kExitOk : kExitFailure;
}

int remove(CTavrinDoc &doc, const CliCommand &command)
{
    if (!doc.perform(std::make_unique<RemoveCalendarEntry>(doc, command.entry - 1, kMonday))) {
        sayError(QStringLiteral("there is no entry %1: 'calendar %2 list' numbers them")
                     .arg(command.entry)
                     .arg(command.file));
        return kExitFailure;
    }
    return saveDocumentOrSay(doc, command.file) ? kExitOk : kExitFailure;
}

// Takes what the window ticks: the all-day occurrences not over.
int import(CTavrinDoc &doc, const CliCommand &command)
{
    const int program = programOf(doc, command.program);
    if (program == 0)
        return kExitFailure;
    QFile file(command.icsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        sayError(QStringLiteral("%1: %2").arg(command.icsFile, file.errorString()));
        return kExitFailure;
    }
    // One byte past the limit tells a file too large without reading all of it.
    const IcsReading read = readIcs(file.read(kMaxIcsBytes + 1), QDate::currentDate());
    if (read.refusal) {
        sayError(icsRefusalText(*read.refusal, command.icsFile));
        return kExitFailure;
    }
    std::vector<ChosenOccurrence> chosen;
    QStringList lines;
    const QString name = programName(doc.week().programCalendar(), program);
    for (const IcsOccurrence &o : read.occurrences) {
        if (!o.tickedByDefault())
            continue;
        chosen.push_back({o, program});
        lines << QStringLiteral("%1 %2 %3 %4")
                     .arg(o.first.toString(Qt::ISODate), o.last.toString(Qt::ISODate), name, o.summary);
    }
    const std::vector<CalendarEntry> merged = mergeOccurrences(doc.week().programCalendar().calendar, chosen);
    if (merged.size() > size_t(ScheduleFileFormat::kMaxCalendarEntries)) {
        sayError(QStringLiteral("the calendar would hold more entries than a file keeps: nothing was imported"));
        return kExitFailure;
    }
    if (!command.dryRun
        && doc.perform(std::make_unique<ChangeCalendar>(doc, QStringLiteral("Import Holidays"), merged, kMonday))) {
        if (!saveDocumentOrSay(doc, command.file))
            return kExitFailure;
    }
    return print(lines) ? kExitOk : kExitFailure;
}

} // namespace

int runCalendar(const CliCommand &command)
{
    CTavrinDoc doc;
    if (!openDocumentOrSay(doc, command.file))
        return kExitFailure;
    if (command.action == QLatin1String("add"))
        return add(doc, command);
    if (command.action == QLatin1String("remove"))
        return remove(doc, command);
    if (command.action == QLatin1String("import"))
        return import(doc, command);
    return list(doc);
}
