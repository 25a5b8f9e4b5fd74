#pragma once

#include "ui/ScheduleReport.h"

#include <QString>

#include <vector>

class QPrinter;
class QWidget;

// File > Print Preview: the report drawn by the very code that prints it, on the printer
// Print Setup set up, so the preview shows the pages exactly as they will print.
void previewSchedule(QWidget *parent, const std::vector<ReportRow> &rows, const QString &dayName, QPrinter &printer,
                     const ReportClock &clock = localReportTime);
