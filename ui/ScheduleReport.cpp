#include "ui/ScheduleReport.h"

#include "schedule/Weekday.h"

#include <QDateTime>

#include <algorithm>

ReportTime localReportTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

namespace ScheduleReport {

const std::string &columnHeading()
{
    static const std::string heading =
        "ID          AM/PM       TIME      MELODY/VOICE  SELECTION   AC          CH1         "
        "CH2         CH3         CH4";
    return heading;
}

const std::string &headingRule()
{
    static const std::string rule(116, '=');
    return rule;
}

const std::string &dashedRule()
{
    static const std::string rule = std::string(4, ' ') + std::string(107, '-');
    return rule;
}

int pageCount(int entryCount)
{
    return std::max(entryCount, 0) / kEntriesPerPage + 1;
}

std::string dateLine(const ReportTime &time, int pageIndex)
{
    using std::to_string;
    return std::string(77, ' ') + "DATE :  " + to_string(time.year) + "/" + to_string(time.month) + "/"
        + to_string(time.day) + "   " + to_string(time.hour) + ":" + to_string(time.minute) + ":"
        + to_string(time.second) + "     Page #" + to_string(pageIndex + 1);
}

std::string titleLine(const std::string &dayName)
{
    if (dayName.empty())
        return std::string();
    return "  *****   Schedule of " + dayName + "   ***** ";
}

std::string dayTitle(int shownDay)
{
    return titleLine(std::string(weekdayName(shownDay)));
}

std::string entryLine(const ReportRow &row)
{
    if (row[0].empty())
        return std::string();
    std::string line;
    for (int column = 0; column < kColumns; ++column) {
        line += row[column];
        const size_t slotEnd = size_t(kColumnWidth) * size_t(column + 1);
        if (line.size() < slotEnd)
            line.resize(slotEnd, ' ');
    }
    return line;
}

std::vector<std::string> pageHeader(const ReportTime &time, int pageIndex, const std::string &dayName)
{
    return {dateLine(time, pageIndex), std::string(), titleLine(dayName), std::string(), std::string()};
}

std::vector<std::string> pageHeader(const ReportTime &time, int pageIndex, int shownDay)
{
    return pageHeader(time, pageIndex, std::string(weekdayName(shownDay)));
}

std::vector<std::string> pageTable(const std::vector<ReportRow> &rows, int pageIndex)
{
    std::vector<std::string> lines{columnHeading(), headingRule(), std::string()};
    if (pageIndex < 0)
        return lines;
    const size_t first = size_t(pageIndex) * kEntriesPerPage;
    const size_t end = std::min(rows.size(), first + kEntriesPerPage);
    for (size_t index = first; index < end; ++index) {
        const size_t i = index - first;
        const ReportRow &row = rows[index];
        if (row[0].empty()) {
            lines.emplace_back();
            continue;
        }
        if (i > 0 && i % 5 == 0)
            lines.push_back(dashedRule());
        lines.push_back(entryLine(row));
    }
    return lines;
}

std::vector<std::string> page(const std::vector<ReportRow> &rows, const std::string &dayName, int pageIndex,
                              const ReportTime &time)
{
    std::vector<std::string> lines = pageHeader(time, pageIndex, dayName);
    std::vector<std::string> table = pageTable(rows, pageIndex);
    lines.insert(lines.end(), table.begin(), table.end());
    return lines;
}

std::vector<std::string> page(const std::vector<ReportRow> &rows, int shownDay, int pageIndex, const ReportTime &time)
{
    return page(rows, std::string(weekdayName(shownDay)), pageIndex, time);
}

} // namespace ScheduleReport
