#include "PlanCalendarFile.h"

#include "calendar/IcsWriting.h"
#include "CliOutput.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>

bool writePlanCalendar(const QString &path, const QString &scheduleFile, const std::vector<PlannedDay> &days)
{
    const QString source = QFileInfo(scheduleFile).completeBaseName();
    std::vector<DayEvent> events;
    for (const PlannedDay &day : days) {
        if (day.planned.isRegular())
            continue;
        const QString date = day.planned.date.toString(QStringLiteral("yyyyMMdd"));
        events.push_back({day.planned.date, day.title, date + QLatin1Char('-') + source + QStringLiteral("@tavrin")});
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(writeDayEvents(events, QDateTime::currentDateTimeUtc())) < 0
        || !file.commit()) {
        sayError(QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}
