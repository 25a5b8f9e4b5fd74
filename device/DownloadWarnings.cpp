#include "device/DownloadWarnings.h"

#include "device/WeekdayText.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

std::vector<SharedMinute> sharedMinutes(const DaySchedule &day, int dayNumber)
{
    // An entry the image leaves out shares nothing; every other one puts an event in its minute.
    std::vector<int> left;
    for (const UnsentEntry &u : entriesNotEncoded(day))
        left.push_back(u.position);
    std::map<int, std::vector<int>> byMinute;
    for (int p = 1; p <= day.count(); ++p) {
        if (std::find(left.begin(), left.end(), p) != left.end())
            continue;
        if (const std::optional<int> minute = minuteOfDay(day.entry(p).Time))
            byMinute[*minute].push_back(p);
    }
    std::vector<SharedMinute> shared;
    for (const auto &[minute, positions] : byMinute) {
        if (positions.size() > 1)
            shared.push_back(SharedMinute{dayNumber, minuteText(minute), positions});
    }
    return shared;
}

DownloadWarnings downloadWarnings(const WeeklySchedule &week, const std::vector<int> &days)
{
    DownloadWarnings warnings;
    for (int d = kMonday; d <= kSunday; ++d) {
        if (std::find(days.begin(), days.end(), d) == days.end())
            continue;
        for (const UnsentEntry &u : entriesNotEncoded(week.day(d)))
            warnings.unsent.push_back(UnsentWeekdayEntry{d, u});
        for (SharedMinute &m : sharedMinutes(week.day(d), d))
            warnings.shared.push_back(std::move(m));
    }
    return warnings;
}

QStringList downloadWarningTexts(const DownloadWarnings &warnings)
{
    QStringList paragraphs;
    if (!warnings.unsent.empty()) {
        QStringList lines{QCoreApplication::translate("DownloadWarnings", "The device will not get these entries:")};
        for (const UnsentWeekdayEntry &u : warnings.unsent)
            lines << QString::fromStdString(describeUnsent(u));
        paragraphs << lines.join(QLatin1Char('\n'));
    }
    if (!warnings.shared.empty()) {
        QStringList lines{QCoreApplication::translate(
            "DownloadWarnings", "These entries share a minute: the device keeps each minute as one event.")};
        for (const SharedMinute &m : warnings.shared) {
            QStringList positions;
            for (int p : m.positions)
                positions << QString::number(p);
            lines << QCoreApplication::translate("DownloadWarnings", "%1 %2: entries %3")
                         .arg(weekdayText(m.dayNumber), QString::fromStdString(m.time),
                              positions.join(QStringLiteral(", ")));
        }
        paragraphs << lines.join(QLatin1Char('\n'));
    }
    return paragraphs;
}
