#pragma once

#include "ui/ReportDocument.h"

#include <QDate>
#include <QString>

#include <vector>

class WeeklySchedule;

// The whole week on paper: a document of the chosen weekdays (and, when asked, every day
// program and the calendar's entries of the months ahead), each day starting on a page of its
// own with its title. Entries are set as the shown-day report sets them, 55 to a page with a
// dashed rule between groups of five, and the name of the sound each entry plays after them;
// every page's first line names the schedule and says "page 2 of 9".
struct WeekReportOptions {
    std::vector<int> weekdays{1, 2, 3, 4, 5, 6, 7}; // 1 = Monday .. 7 = Sunday, in this order
    bool programs = false;
    bool calendar = false;
    QDate calendarFrom; // the first date whose calendar entries are listed (today when invalid)
    int calendarMonths = 12;
    QString scheduleName; // the schedule's file name, without folder
};

namespace WeekReport {

constexpr int kEntriesPerPage = 55;

// The pages a day of that many entries takes: one for an empty day.
int dayPageCount(int entryCount);

ReportDocument build(const WeeklySchedule &week, const WeekReportOptions &options);

} // namespace WeekReport
