#include "view/WeekReport.h"

#include "document/ShownText.h"
#include "schedule/WeeklySchedule.h"
#include "ui/ScheduleReport.h"

#include <QCoreApplication>

#include <algorithm>

namespace WeekReport {
namespace {

// Where the sound's name starts on an entry line: after the ten 12-character cells.
constexpr qsizetype kNameColumn = 120;
// Where "page 2 of 9" starts on a page's first line, unless the schedule's name is longer.
constexpr qsizetype kPageNumberColumn = 100;
constexpr int kCalendarPerPage = 55;

QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

QString padded(QString line, qsizetype width)
{
    if (line.size() < width)
        line.resize(width, QLatin1Char(' '));
    return line;
}

// Lines 1..7 of a page; line 0 (the page number) is filled in once the pages are counted.
std::vector<QString> pageTop(const QString &title, const QString &heading, const QString &rule)
{
    return {QString(), QString(), title, QString(), QString(), heading, rule, QString()};
}

void addDay(const WeeklySchedule &week, int dayNumber, std::vector<std::vector<QString>> &pages)
{
    const DaySchedule &day = week.day(dayNumber);
    const SoundNames &names = week.soundNames();
    const QString title = text(ScheduleReport::titleLine(week.dayTitle(dayNumber).toStdString()));
    const QString heading =
        padded(text(ScheduleReport::columnHeading()), kNameColumn) + QCoreApplication::translate("WeekReport", "SOUND");
    const QString rule = text(ScheduleReport::headingRule());
    const QString dashes = text(ScheduleReport::dashedRule());
    const int count = day.count();
    for (int page = 0; page < dayPageCount(count); ++page) {
        // The title once a day; the day's further pages say whose they are.
        std::vector<QString> lines =
            pageTop(page == 0 ? title
                              : QStringLiteral("  ")
                            + QCoreApplication::translate("WeekReport", "%1, continued").arg(week.dayTitle(dayNumber)),
                    heading, rule);
        const int first = page * kEntriesPerPage;
        const int last = std::min(count, first + kEntriesPerPage);
        for (int i = first; i < last; ++i) {
            if (i > first && (i - first) % 5 == 0)
                lines.push_back(dashes);
            const ScheduleEntry &entry = day.entry(i + 1);
            QString line = text(ScheduleReport::entryLine(shownRow(entry, i + 1)));
            const QString name = names.nameFor(entry.MelodyVoice, entry.Selection);
            if (!name.isEmpty())
                line = padded(line, kNameColumn) + name;
            lines.push_back(line);
        }
        pages.push_back(std::move(lines));
    }
}

void addCalendar(const WeeklySchedule &week, const WeekReportOptions &options, std::vector<std::vector<QString>> &pages)
{
    const QDate from = options.calendarFrom.isValid() ? options.calendarFrom : QDate::currentDate();
    const QDate until = from.addMonths(options.calendarMonths).addDays(-1);
    const ProgramCalendar &special = week.programCalendar();
    std::vector<const CalendarEntry *> shown;
    for (const CalendarEntry &entry : special.calendar) {
        if (entry.last >= from && entry.first <= until && special.program(entry.program))
            shown.push_back(&entry);
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [](const CalendarEntry *a, const CalendarEntry *b) { return a->first < b->first; });

    const QString title = QStringLiteral("  *****   %1   ***** ")
                              .arg(QCoreApplication::translate("WeekReport", "Calendar from %1 to %2")
                                       .arg(from.toString(Qt::ISODate), until.toString(Qt::ISODate)));
    const QString heading = padded(QCoreApplication::translate("WeekReport", "FIRST"), 12)
        + padded(QCoreApplication::translate("WeekReport", "LAST"), 12)
        + padded(QCoreApplication::translate("WeekReport", "PROGRAM"), 36)
        + QCoreApplication::translate("WeekReport", "NOTE");
    const QString rule = text(ScheduleReport::headingRule());
    size_t next = 0;
    do {
        std::vector<QString> lines = pageTop(title, heading, rule);
        if (shown.empty())
            lines.push_back(QCoreApplication::translate("WeekReport", "No calendar entries in these months."));
        for (int n = 0; n < kCalendarPerPage && next < shown.size(); ++n, ++next) {
            const CalendarEntry &entry = *shown[next];
            QString line = padded(entry.first.toString(Qt::ISODate), 12) + padded(entry.last.toString(Qt::ISODate), 12)
                + special.program(entry.program)->name;
            if (!entry.note.isEmpty())
                line = padded(line + QLatin1Char(' '), 60) + entry.note;
            lines.push_back(line);
        }
        pages.push_back(std::move(lines));
    } while (next < shown.size());
}

} // namespace

int dayPageCount(int entryCount)
{
    return std::max(1, (entryCount + kEntriesPerPage - 1) / kEntriesPerPage);
}

ReportDocument build(const WeeklySchedule &week, const WeekReportOptions &options)
{
    ReportDocument document;
    document.name = QStringLiteral("Tavrin Schedule");
    for (int d : options.weekdays)
        addDay(week, d, document.pages);
    if (options.programs) {
        for (const DayProgram &program : week.programCalendar().programs) {
            if (program.day != kNoBellsDay)
                addDay(week, program.day, document.pages);
        }
    }
    if (options.calendar)
        addCalendar(week, options, document.pages);

    const int total = int(document.pages.size());
    for (int p = 0; p < total; ++p) {
        const QString number = QCoreApplication::translate("WeekReport", "page %1 of %2").arg(p + 1).arg(total);
        document.pages[size_t(p)][0] = padded(options.scheduleName + QLatin1Char(' '), kPageNumberColumn) + number;
    }
    return document;
}

} // namespace WeekReport
