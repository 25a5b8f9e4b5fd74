#include "PrintCommand.h"

#include "CliCommand.h"
#include "CliOutput.h"
#include "schedule/WeeklySchedule.h"
#include "ScheduleFileAccess.h"
#include "ui/ReportPainter.h"
#include "view/WeekReport.h"

#include <QFileInfo>

int runPrint(const CliCommand &command)
{
    const std::unique_ptr<WeeklySchedule> week = loadScheduleOrSay(command.file);
    if (!week)
        return kExitFailure;
    WeekReportOptions options;
    options.weekdays = command.days;
    options.programs = command.programs;
    options.calendar = command.calendar;
    options.scheduleName = QFileInfo(command.file).fileName();
    if (!writeReportPdf(command.pdf, WeekReport::build(*week, options))) {
        sayError(QStringLiteral("%1 cannot be written").arg(command.pdf));
        return kExitFailure;
    }
    return kExitOk;
}
