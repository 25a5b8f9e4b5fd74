#pragma once

#include "ui/ScheduleReport.h"

#include <QList>
#include <QStringList>

class Messages;
class QPrinter;
class QWidget;

// Printing the report of the shown weekday or day program (the Print command).
//
// Every page is composed by ScheduleReport and drawn one text call per line, line r at
// x = 50, y = 150 + r x line height in the printer's device pixels. The lines are set in a
// fixed-pitch font sized so that the document's longest line fits the printable width (and a
// full page its height), so the 12-character columns stay aligned on any printer.
//
//     // from the Print command handler:
//     printSchedule(this, reportRowsFromTexts(rowTexts), schedule.dayTitle(schedule.shownDay()));
//
// dayName is what the title line names ("Monday", "Exam day"). The clock is asked for the
// time once per page; it defaults to the local time.
enum class PrintResult { Printed, Cancelled, Failed };

// Shows the print dialog over `parent` (document name "Tavrin Schedule") and prints. Cancelled
// prints nothing. When the printer can't be started the operator is told through `messages`
// (when given) and Failed is returned.
// `printer`, when given, is the one Print Setup set up (paper, orientation) and is used instead
// of a fresh one.
PrintResult printSchedule(QWidget *parent, const std::vector<ReportRow> &rows, const QString &dayName,
                          const ReportClock &clock = localReportTime, Messages *messages = nullptr,
                          QPrinter *printer = nullptr);

// Prints on a printer set up by the caller (a PDF file in tests, the preview's pages), without
// any dialog; a page range set on the printer is honoured. Returns Failed when the printer
// can't be started.
PrintResult printScheduleTo(QPrinter &printer, const std::vector<ReportRow> &rows, const QString &dayName,
                            const ReportClock &clock = localReportTime);

// The pages a job prints, 0-based and inclusive: all of them, or the printer's page range.
struct PageSpan {
    int first;
    int last;
};
PageSpan pagesToPrint(const QPrinter &printer, int pageCount);

// The list's rows as report rows: the first ten texts of each, missing ones empty.
std::vector<ReportRow> reportRowsFromTexts(const QList<QStringList> &rows);

// The text shown when the printer can't be started.
QString printFailedText();
