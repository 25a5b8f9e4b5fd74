#include "device/WeekdayText.h"

#include "schedule/Weekday.h"

#include <QCoreApplication>
#include <QStringList>

QString weekdayText(int day)
{
    static const char *const kNames[] = {
        QT_TRANSLATE_NOOP("Weekday", "Monday"),    QT_TRANSLATE_NOOP("Weekday", "Tuesday"),
        QT_TRANSLATE_NOOP("Weekday", "Wednesday"), QT_TRANSLATE_NOOP("Weekday", "Thursday"),
        QT_TRANSLATE_NOOP("Weekday", "Friday"),    QT_TRANSLATE_NOOP("Weekday", "Saturday"),
        QT_TRANSLATE_NOOP("Weekday", "Sunday"),
    };
    return isWeekday(day) ? QCoreApplication::translate("Weekday", kNames[day - 1]) : QString();
}

QString weekdayListText(const std::vector<int> &days)
{
    QStringList names;
    for (int day : days)
        names << weekdayText(day);
    return names.join(QStringLiteral(", "));
}
