#include "ui/gui/SchedulePrinter.h"

#include "schedule/Messages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLeft = 50;
constexpr int kTop = 150;

// The longest line any page of this document can have: entry lines and rules, the title (a
// program's name may be long), and the date line with the widest date, time and page number.
int longestLine(const std::vector<ReportRow> &rows, const std::string &title)
{
    size_t longest = std::max(ScheduleReport::headingRule().size(), ScheduleReport::columnHeading().size());
    for (const ReportRow &row : rows)
        longest = std::max(longest, ScheduleReport::entryLine(row).size());
    longest = std::max(longest, size_t(QString::fromStdString(title).size()));
    const ReportTime widest{9999, 12, 31, 23, 59, 59};
    const int lastPage = ScheduleReport::pageCount(int(rows.size())) - 1;
    longest = std::max(longest, ScheduleReport::dateLine(widest, lastPage).size());
    return int(longest);
}

// A fixed-pitch font, as large as lets `columns` characters fit from x = 50 to the right
// edge and a full page of lines fit from y = 150 to the bottom.
QFont reportFont(QPaintDevice *device, const QRect &printable, int columns)
{
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);

    const double width = std::max(1, printable.width() - kLeft);
    const double height = std::max(1, printable.height() - kTop);
    int size = 100;
    font.setPixelSize(size);
    {
        const QFontMetricsF metrics(font, device);
        const double advance = metrics.horizontalAdvance(QString(columns, QLatin1Char('M')));
        const double lines = metrics.lineSpacing() * ScheduleReport::kMaxLinesPerPage;
        size = int(std::floor(size * std::min(width / advance, height / lines)));
    }
    // metrics do not scale exactly with the size: step down until it really fits
    for (size = std::max(size, 1); size > 1; --size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font, device);
        if (metrics.horizontalAdvance(QString(columns, QLatin1Char('M'))) <= width
            && metrics.lineSpacing() * ScheduleReport::kMaxLinesPerPage <= height)
            break;
    }
    font.setPixelSize(size);
    return font;
}

} // namespace

PageSpan pagesToPrint(const QPrinter &printer, int pageCount)
{
    PageSpan span{0, pageCount - 1};
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() <= 0)
        return span;
    // a range past the last page prints the last page rather than an empty job
    span.first = std::clamp(printer.fromPage() - 1, 0, pageCount - 1);
    const int to = printer.toPage() > 0 ? printer.toPage() - 1 : pageCount - 1;
    span.last = std::clamp(to, span.first, pageCount - 1);
    return span;
}

PrintResult printScheduleTo(QPrinter &printer, const std::vector<ReportRow> &rows, const QString &dayName,
                            const ReportClock &clock)
{
    const std::string name = dayName.toStdString();
    printer.setDocName(QStringLiteral("Tavrin Schedule"));
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;

    const QRect printable = painter.viewport();
    painter.setFont(reportFont(&printer, printable, longestLine(rows, ScheduleReport::titleLine(name))));
    const QFontMetrics metrics(painter.font(), &printer);
    const int lineHeight = metrics.lineSpacing();

    const PageSpan span = pagesToPrint(printer, ScheduleReport::pageCount(int(rows.size())));
    for (int pageIndex = span.first; pageIndex <= span.last; ++pageIndex) {
        if (pageIndex > span.first)
            printer.newPage();
        const ReportTime now = clock ? clock() : localReportTime();
        const std::vector<std::string> lines = ScheduleReport::page(rows, name, pageIndex, now);
        for (size_t r = 0; r < lines.size(); ++r) {
            if (lines[r].empty())
                continue;
            // the line's top at y, as text output on a page does
            const int top = kTop + int(r) * lineHeight;
            painter.drawText(kLeft, top + metrics.ascent(), QString::fromStdString(lines[r]));
        }
    }
    painter.end();
    return PrintResult::Printed;
}

PrintResult printSchedule(QWidget *parent, const std::vector<ReportRow> &rows, const QString &dayName,
                          const ReportClock &clock, Messages *messages, QPrinter *setUpPrinter)
{
    QPrinter ownPrinter(QPrinter::HighResolution);
    QPrinter &printer = setUpPrinter ? *setUpPrinter : ownPrinter;
    // named before the dialog opens: printing to a file then suggests "Tavrin Schedule.pdf"
    printer.setDocName(QStringLiteral("Tavrin Schedule"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QObject::tr("Print"));
    // all pages or a range of them (printScheduleTo honours it); no selection, no current page
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setMinMax(1, ScheduleReport::pageCount(int(rows.size())));
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;

    const PrintResult result = printScheduleTo(printer, rows, dayName, clock);
    if (result == PrintResult::Failed && messages)
        messages->show(printFailedText(), QStringLiteral("Tavrin"), Messages::Icon::Error);
    return result;
}

std::vector<ReportRow> reportRowsFromTexts(const QList<QStringList> &rows)
{
    std::vector<ReportRow> result;
    result.reserve(size_t(rows.size()));
    for (const QStringList &texts : rows) {
        ReportRow row;
        for (int column = 0; column < ScheduleReport::kColumns && column < texts.size(); ++column)
            row[size_t(column)] = texts[column].toStdString();
        result.push_back(std::move(row));
    }
    return result;
}

QString printFailedText()
{
    return QObject::tr("The printer could not be started. Nothing was printed.");
}
